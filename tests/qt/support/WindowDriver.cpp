#include "tests/qt/support/WindowDriver.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QMessageBox>
#include <QTest>
#include <fstream>

#include "tests/support/WindowFiles.h"
#include "ui/qt/QtText.h"

namespace veltrane::testing {

namespace {

constexpr int kWindowDeadlineMs = 20000;

}  // namespace

std::filesystem::path ScreenshotFolder() {
    return std::filesystem::path(VELTRANE_SCREENSHOT_DIR);
}

std::filesystem::path SaveScreenshot(QWidget& widget, const std::string& name) {
    std::error_code error;
    std::filesystem::create_directories(ScreenshotFolder(), error);
    const std::filesystem::path file = ScreenshotFolder() / (name + ".png");
    ProcessEvents();
    if (!widget.grab().save(qt::PathToQString(file), "PNG")) return {};
    return file;
}

void ProcessEvents() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

WindowScript::WindowScript(qt::QtHost& host) : m_host(host) {
    m_host.setShownHook([this](qt::DialogView& view) { run(view); });
}

WindowScript::~WindowScript() {
    m_host.setShownHook(nullptr);
}

void WindowScript::on(int dialogId, Action action) {
    m_actions[dialogId] = std::move(action);
}

void WindowScript::run(qt::DialogView& view) {
    const int id = view.dialog().layout().id;
    m_shown.push_back(id);
    auto it = m_actions.find(id);
    if (it == m_actions.end()) {
        view.dialog().click(ui::IDCANCEL);
        return;
    }
    // The action may open nested windows of its own; it returns when they have closed.
    const Action action = it->second;
    QPointer<qt::DialogView> guard(&view);
    action(view);
    if (guard && !view.dialog().hasEnded()) {
        QTimer::singleShot(kWindowDeadlineMs, guard, [guard] {
            if (!guard || guard->dialog().hasEnded()) return;
            ADD_FAILURE() << "window " << guard->dialog().layout().id << " left open";
            guard->dialog().end(ui::IDCANCEL);
        });
    }
}

bool RunUntil(const std::function<bool()>& done) {
    QDeadlineTimer deadline(10000);
    while (!done() && !deadline.hasExpired()) QTest::qWait(10);
    return done();
}

MessageBoxAnswerer::MessageBoxAnswerer() {
    m_timer.setInterval(10);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
    m_timer.start();
}

void MessageBoxAnswerer::poll() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (!box || !box->isVisible()) continue;
        const QWidget* owner = box->parentWidget() ? box->parentWidget()->window() : nullptr;
        m_boxes.push_back({qt::ToUtf8(box->windowTitle()), qt::ToUtf8(box->text()),
                           box->icon() == QMessageBox::Warning, box->frameGeometry(),
                           owner ? owner->frameGeometry() : QRect()});
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
    }
}

void RecordingQtHost::launch(const QString& program, const QStringList& arguments, LaunchFailed) {
    Start start{qt::ToUtf8(program), {}};
    for (const QString& argument : arguments) start.arguments.push_back(qt::ToUtf8(argument));
    starts.push_back(std::move(start));
}

void RecordingQtHost::workIn(const QString& folder, const std::string& flowCfg) {
    work = std::filesystem::path(folder.toStdString());
    CopyShippedLists(work);
    if (!flowCfg.empty()) std::ofstream(work / "flow.cfg", std::ios::binary) << flowCfg;
}

}  // namespace veltrane::testing
