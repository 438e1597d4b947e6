#include "ui/qt/QtHost.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <system_error>

#include "ui/Dialog.h"
#include "ui/SystemInfo.h"
#include "ui/qt/DialogView.h"
#include "ui/qt/QtPrinter.h"
#include "ui/qt/QtText.h"

namespace veltrane::qt {

namespace {

void CentreOnScreen(QWidget& window) {
    window.adjustSize();
    QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QSize size = window.size();
    window.move(area.x() + (area.width() - size.width()) / 2,
                area.y() + (area.height() - size.height()) / 2);
}

// A message box placed over its window once it has its final size: Qt places a dialog before
// a message box has sized itself to its text, which leaves it off centre.
class CentredMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
        QScreen* screen =
            owner && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
        const QRect over = owner    ? owner->frameGeometry()
                           : screen ? screen->availableGeometry()
                                    : QRect();
        if (over.isEmpty()) return;
        QRect placed(QPoint(), frameGeometry().size());
        placed.moveCenter(over.center());
        // Never off the screen, whatever the window beneath.
        if (screen) {
            const QRect area = screen->availableGeometry();
            placed.moveLeft(std::clamp(placed.left(), area.left(),
                                       std::max(area.left(), area.right() - placed.width() + 1)));
            placed.moveTop(std::clamp(placed.top(), area.top(),
                                      std::max(area.top(), area.bottom() - placed.height() + 1)));
        }
        move(placed.topLeft());
    }
};

}  // namespace

int QtHost::runModal(ui::Dialog& dialog) {
    DialogView view(dialog, m_images, activeView());
    m_open.push_back(&view);
    struct Pop {
        std::vector<DialogView*>& open;
        ~Pop() { open.pop_back(); }
    } pop{m_open};

    dialog.initialize();
    if (dialog.hasEnded()) return dialog.result();
    CentreOnScreen(view);
    if (m_shownHook) {
        QTimer::singleShot(0, &view, [this, &view] {
            if (m_shownHook) m_shownHook(view);
        });
    }
    view.exec();
    return dialog.hasEnded() ? dialog.result() : ui::IDCANCEL;
}

DialogView* QtHost::activeView() const {
    return m_open.empty() ? nullptr : m_open.back();
}

DialogView* QtHost::viewOf(const ui::Dialog& dialog) const {
    auto it = std::find_if(m_open.begin(), m_open.end(),
                           [&](DialogView* view) { return &view->dialog() == &dialog; });
    return it == m_open.end() ? nullptr : *it;
}

DialogView* QtHost::shownView() const {
    // A window still opening is not yet on screen, nor placed: a box over it would show at
    // the screen's corner.
    for (auto it = m_open.rbegin(); it != m_open.rend(); ++it)
        if ((*it)->isVisible()) return *it;
    return nullptr;
}

void QtHost::messageBox(const std::string& text, const std::string& caption, ui::MessageIcon icon) {
    CentredMessageBox box(
        icon == ui::MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::Information,
        ToQString(caption), ToQString(text), QMessageBox::Ok, shownView());
    box.exec();
}

bool QtHost::askForPrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, activeView());
    // The file choice is Qt's PDF printer: how people print without a printer queue.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    return dialog.exec() == QDialog::Accepted;
}

ui::PrinterChoice QtHost::choosePrinter(const std::string& fileName) {
    ui::PrinterChoice choice;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // With no printer queue the dialog would offer nothing to print on: it starts on a PDF
    // file in the work folder instead.
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(PathToQString(workFolder() / fileName));
    }
    if (!askForPrinter(*printer)) return choice;
    if (!printer->isValid()) {
        choice.outcome = ui::PrinterChoice::Outcome::NoPrinter;
        return choice;
    }
    // A PDF page is drawn as a typical office printer would draw it.
    if (printer->outputFormat() == QPrinter::PdfFormat) printer->setResolution(300);
    choice.outcome = ui::PrinterChoice::Outcome::Chosen;
    choice.printer = std::make_unique<QtPrinter>(std::move(printer));
    return choice;
}

void QtHost::openHelp(const std::filesystem::path& file, const std::string& anchor,
                      LaunchFailed failed) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        failed();
        return;
    }
    QUrl url = QUrl::fromLocalFile(PathToQString(std::filesystem::absolute(file, error)));
    if (!anchor.empty()) url.setFragment(ToQString(anchor));
    launch(QStringLiteral("xdg-open"), {url.toString(QUrl::FullyEncoded)}, std::move(failed));
}

void QtHost::startEditor(const std::filesystem::path& file, LaunchFailed failed) {
    launch(QStringLiteral("xdg-open"), {PathToQString(file)}, std::move(failed));
}

void QtHost::launch(const QString& program, const QStringList& arguments, LaunchFailed failed) {
    // No parent: a viewer still open when the program ends is left running, not killed.
    auto* process = new QProcess;
    process->setProgram(program);
    process->setArguments(arguments);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    // Exactly one of the two signals ends a launch: FailedToStart, or finished (crashes
    // included). The process is reaped and deleted then; the message box, if any, comes from
    // the event loop rather than from inside QProcess's own signal.
    auto done = [process, failed = std::move(failed)](bool succeeded) {
        process->deleteLater();
        if (!succeeded) QTimer::singleShot(0, qApp, failed);
    };
    QObject::connect(process, &QProcess::finished, process,
                     [done](int code, QProcess::ExitStatus status) {
                         done(status == QProcess::NormalExit && code == 0);
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [done](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) done(false);
                     });
    process->start();
}

std::filesystem::path QtHost::workFolder() {
    return currentFolder();
}

std::filesystem::path QtHost::programFile() {
    return std::filesystem::path(QCoreApplication::applicationFilePath().toStdString());
}

std::filesystem::path QtHost::currentFolder() {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? std::filesystem::path() : folder;
}

std::optional<std::uint64_t> QtHost::freePhysicalMemory() {
    return ui::FreePhysicalMemory();
}

std::optional<std::uint64_t> QtHost::freeDiskSpace(const std::filesystem::path& folder) {
    return ui::FreeDiskSpace(folder);
}

}  // namespace veltrane::qt
