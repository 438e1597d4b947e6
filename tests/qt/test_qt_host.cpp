// The real host: modal windows, message boxes, help and editor starts, printing, system facts.
#include <gmock/gmock.h>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include "tests/qt/DemoLayout.h"
#include "tests/qt/support/WindowDriver.h"
#include "ui/qt/QtPrinter.h"
#include "ui/qt/QtText.h"

namespace veltrane::testing {
namespace {

using ::testing::ElementsAre;

ui::DialogLayout SmallLayout(int id) {
    ui::DialogLayout d;
    d.id = id;
    d.width = 100;
    d.height = 40;
    d.caption = "Окно " + std::to_string(id);
    d.controls = {{ui::IDOK, ui::ControlKind::PushButton, {10, 20, 40, 14}, "OK", {}, {}},
                  {ui::IDCANCEL, ui::ControlKind::PushButton, {55, 20, 40, 14}, "Отмена", {}, {}}};
    return d;
}

TEST(QtHost, RunsAWindowInitialisedBeforeItShowsAndReturnsItsResult) {
    qt::QtHost host;
    WindowScript script(host);
    ui::Dialog dialog(SmallLayout(1));
    bool visibleAtInit = true;
    dialog.onInit([&] {
        visibleAtInit = host.viewOf(dialog)->isVisible();
        dialog.setCaption("Готово");
    });
    QString title;
    script.on(1, [&](qt::DialogView& view) {
        title = view.windowTitle();
        EXPECT_EQ(host.activeView(), &view);
        EXPECT_TRUE(view.isVisible());
        QTest::mouseClick(view.widget(ui::IDOK), Qt::LeftButton);
    });
    EXPECT_EQ(host.runModal(dialog), ui::IDOK);
    EXPECT_FALSE(visibleAtInit);
    EXPECT_EQ(title, QString::fromUtf8("Готово"));
    EXPECT_EQ(host.activeView(), nullptr);
    EXPECT_EQ(dialog.layout().id, 1);
}

TEST(QtHost, AMessageBoxShowsOverTheWindowOnScreenEvenWhileAnotherOpens) {
    qt::QtHost host;
    WindowScript script(host);
    MessageBoxAnswerer answers;
    ui::Dialog outer(SmallLayout(1));
    ui::Dialog inner(SmallLayout(2));
    // The inner window tells something while it opens, before it is on screen.
    inner.onInit([&] { host.messageBox("opening", "Veltrane", ui::MessageIcon::Information); });
    outer.onClick(ui::IDOK, [&] { host.runModal(inner); });
    outer.onClick(ui::IDCANCEL, [&] {
        host.messageBox("open", "Veltrane", ui::MessageIcon::Information);
        outer.end(ui::IDCANCEL);
    });
    QRect outerGeometry;
    script.on(1, [&](qt::DialogView& view) {
        view.move(view.pos() + QPoint(137, 71));  // away from the middle of the screen
        ProcessEvents();
        outerGeometry = view.frameGeometry();
        view.dialog().click(ui::IDOK);
        view.dialog().click(ui::IDCANCEL);
    });
    script.on(2, [&](qt::DialogView& view) { view.reject(); });
    host.runModal(outer);
    ASSERT_EQ(answers.boxes().size(), 2u);
    for (const auto& box : answers.boxes()) {
        EXPECT_EQ(box.ownerGeometry, outerGeometry) << box.text;
        EXPECT_LE((box.geometry.center() - outerGeometry.center()).manhattanLength(), 1)
            << box.text;
    }
}

TEST(QtHost, ModalWindowsNestAndEachReturnsItsOwnResult) {
    qt::QtHost host;
    WindowScript script(host);
    ui::Dialog outer(SmallLayout(1));
    ui::Dialog inner(SmallLayout(2));
    int innerResult = 0;
    outer.onClick(ui::IDOK, [&] { innerResult = host.runModal(inner); });
    script.on(1, [&](qt::DialogView& view) {
        view.dialog().click(ui::IDOK);  // opens the inner window and returns when it closes
        EXPECT_TRUE(view.isVisible());
        view.reject();  // Esc
    });
    script.on(2, [&](qt::DialogView& view) {
        EXPECT_EQ(view.parentWidget(), host.viewOf(outer));
        EXPECT_EQ(host.activeView(), &view);
        view.dialog().click(ui::IDOK);
    });
    EXPECT_EQ(host.runModal(outer), ui::IDCANCEL);
    EXPECT_EQ(innerResult, ui::IDOK);
    EXPECT_THAT(script.shown(), ElementsAre(1, 2));
}

TEST(QtHost, AWindowEndedByItsInitialisationNeverShows) {
    qt::QtHost host;
    WindowScript script(host);
    ui::Dialog dialog(SmallLayout(3));
    dialog.onInit([&] { dialog.end(7); });
    EXPECT_EQ(host.runModal(dialog), 7);
    EXPECT_TRUE(script.shown().empty());
}

TEST(QtHost, MessageBoxesCarryCaptionTextAndIcon) {
    qt::QtHost host;
    MessageBoxAnswerer answers;
    host.messageBox("Sorry, can't get printer device context", "Veltrane",
                    ui::MessageIcon::Exclamation);
    host.messageBox("No settings file", "Veltrane", ui::MessageIcon::Information);
    ASSERT_EQ(answers.boxes().size(), 2u);
    EXPECT_EQ(answers.boxes()[0].caption, "Veltrane");
    EXPECT_EQ(answers.boxes()[0].text, "Sorry, can't get printer device context");
    EXPECT_TRUE(answers.boxes()[0].warning);
    EXPECT_FALSE(answers.boxes()[1].warning);
}

TEST(QtHost, HelpOpensAnExistingFileAtItsAnchorWithoutAShell) {
    RecordingQtHost host;
    QTemporaryDir folder;
    const std::filesystem::path help =
        std::filesystem::path(folder.path().toStdString()) / "veltrane.html";
    int failures = 0;
    const auto failed = [&] { ++failures; };
    host.openHelp(help, "Pressure", failed);  // no file yet: nothing starts
    EXPECT_EQ(failures, 1);
    EXPECT_TRUE(host.starts.empty());
    QFile file(qt::PathToQString(help));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    host.openHelp(help, "Pressure", failed);
    host.openHelp(help, "", failed);
    EXPECT_EQ(failures, 1);
    ASSERT_EQ(host.starts.size(), 2u);
    EXPECT_EQ(host.starts[0].program, "xdg-open");
    EXPECT_THAT(host.starts[0].arguments, ElementsAre("file://" + help.string() + "#Pressure"));
    EXPECT_THAT(host.starts[1].arguments, ElementsAre("file://" + help.string()));
}

TEST(QtHost, TheEditorStartsOnTheListFileAsOneArgument) {
    RecordingQtHost host;
    host.startEditor("/tmp/my lists/gases.txt", [] { ADD_FAILURE() << "reported at once"; });
    ASSERT_EQ(host.starts.size(), 1u);
    EXPECT_EQ(host.starts[0].program, "xdg-open");
    EXPECT_THAT(host.starts[0].arguments, ElementsAre("/tmp/my lists/gases.txt"));
}

TEST(QtHost, FoldersAndSystemFacts) {
    qt::QtHost host;
    EXPECT_EQ(host.currentFolder(), std::filesystem::current_path());
    EXPECT_EQ(host.workFolder(), std::filesystem::current_path());
    EXPECT_EQ(host.programFile().filename(), "test_qt");
    EXPECT_GT(host.freePhysicalMemory().value_or(0), 0u);
    EXPECT_GT(host.freeDiskSpace(std::filesystem::temp_directory_path()).value_or(0), 0u);
    EXPECT_FALSE(host.freeDiskSpace("/no/such/folder/here").has_value());
}

TEST(QtPrinter, PagesGoToTheDocumentInPrinterPixels) {
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("page.pdf"));
    auto device = std::make_unique<QPrinter>(QPrinter::HighResolution);
    device->setOutputFormat(QPrinter::PdfFormat);
    device->setOutputFileName(pdf);
    device->setResolution(300);
    qt::QtPrinter printer(std::move(device));

    const ui::TextMetrics metrics = printer.textMetrics();  // asked before the document starts
    EXPECT_GT(metrics.height, 30);                          // a 10-point face at 300 dots per inch
    printer.selectPen({{0, 0, 0}, 1});
    printer.startDoc("Orvanex Veltrane Plot");
    EXPECT_EQ(printer.device().docName(), QStringLiteral("Orvanex Veltrane Plot"));
    for (int page = 0; page < 2; ++page) {
        printer.startPage();
        printer.textOut(10 * metrics.aveCharWidth, 5 * metrics.height, "Pressure/Flow");
        printer.rectangle(580, 500, 2080, 1500);
        printer.fillRect({583, 1300, 2077, 1400}, {ui::BrushStyle::HatchBDiagonal, {0, 0, 0}});
        printer.endPage();
    }
    printer.endDoc();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 2);
}

}  // namespace
}  // namespace veltrane::testing
