// The three printouts through the real print dialog and printer, into PDF files read back as
// text.
#include <gmock/gmock.h>
#include <sys/resource.h>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "app/Launcher.h"
#include "column/ColumnIds.h"
#include "column/ColumnPrintout.h"
#include "plot/PlotWindow.h"
#include "resources/ResourceIds.h"
#include "tests/qt/support/WindowDriver.h"
#include "tests/support/WindowFiles.h"
#include "ui/qt/QtText.h"
#include "vapor/VaporIds.h"

namespace veltrane::testing {
namespace {

using ::testing::HasSubstr;

// Answers the real print dialog as a person would: notes the printer and file it offered, then
// prints to a PDF file (never to a printer queue the machine may have) or cancels.
class PrintDialogAnswerer {
public:
    struct Offer {
        std::string printer;
        std::string file;
    };
    bool cancel = false;
    // Where the PDF goes when the dialog offers no file of its own, as on a machine with
    // printer queues, whose first queue it starts on.
    std::filesystem::path pdf;
    // Not empty: the PDF goes here, past the dialog's own check, as when a folder vanishes
    // between the dialog and the printing, or a disk that is full.
    std::filesystem::path unwritable;

    PrintDialogAnswerer() {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }
    const std::vector<Offer>& offers() const { return m_offers; }

private:
    void poll() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QPrintDialog*>(widget);
            if (!dialog || !dialog->isVisible()) continue;
            auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
            auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
            auto* buttons = dialog->findChild<QDialogButtonBox*>();
            if (!printers || !file || !buttons) {
                ADD_FAILURE() << "not the print dialog this test knows";
                dialog->reject();
                continue;
            }
            m_offers.push_back({qt::ToUtf8(printers->currentText()), qt::ToUtf8(file->text())});
            if (cancel) {
                dialog->reject();
                continue;
            }
            printers->setCurrentIndex(printers->count() - 1);  // the PDF printer comes last
            if (unwritable.empty()) {
                if (file->text().isEmpty()) file->setText(qt::PathToQString(pdf));
                buttons->button(QDialogButtonBox::Ok)->click();
            } else {
                file->setText(qt::PathToQString(unwritable));
                dialog->accept();
            }
        }
    }

    QTimer m_timer;
    std::vector<Offer> m_offers;
};

std::string Command(const std::string& line) {
    std::string out;
    if (FILE* pipe = ::popen(line.c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}

class PrintingTest : public ::testing::Test {
protected:
    PrintingTest() {
        host.workIn(folder.path(),
                    SettingsFileText("KPa", "atm", "Helium", "n-Hexane", "4 mm ID single"));
    }

    // Opens a window from the launcher's button, presses its Print button, closes it; the
    // window's printout as it stood when Print was pressed.
    std::vector<std::string> printFrom(int launcherButton, int dialogId) {
        dialog.pdf = host.work / (dialogId == res::IDD_COLUMN ? "column.pdf" : "vapor.pdf");
        std::vector<std::string> lines;
        script.on(res::IDD_LAUNCHER, [&](qt::DialogView& view) {
            QTest::mouseClick(view.widget(launcherButton), Qt::LeftButton);
            QTest::mouseClick(view.widget(IDC_EXIT_BUTTON), Qt::LeftButton);
        });
        script.on(dialogId, [&](qt::DialogView& view) {
            if (dialogId == res::IDD_COLUMN) lines = ColumnPrintLines(view.dialog());
            QTest::mouseClick(view.widget(1010), Qt::LeftButton);
            QTest::keyClick(&view, Qt::Key_Escape);
        });
        Launcher(host).run();
        return lines;
    }

    // Without a printer queue the dialog offers the printout's PDF file in the work folder;
    // with one, it starts on that queue and offers no file.
    void expectPdfOffered(const std::string& name) {
        ASSERT_EQ(dialog.offers().size(), 1u);
        if (QPrinterInfo::availablePrinters().isEmpty()) {
            EXPECT_EQ(dialog.offers()[0].file, (host.work / name).string());
            EXPECT_EQ(dialog.offers()[0].printer, "Print to File (PDF)");
        } else {
            EXPECT_NE(dialog.offers()[0].printer, "Print to File (PDF)");
        }
    }

    // The page as text, and a picture of it among the screenshots.
    std::string pageText(const std::string& name, const std::string& screenshot) {
        const std::filesystem::path file = host.work / name;
        EXPECT_TRUE(std::filesystem::exists(file));
        const std::string pdf = "'" + file.string() + "'";
        Command("pdftoppm -png -r 50 -singlefile " + pdf + " '" +
                (ScreenshotFolder() / screenshot).string() + "'");
        EXPECT_TRUE(std::filesystem::exists(ScreenshotFolder() / (screenshot + ".png")));
        return Command("pdftotext -layout " + pdf + " -");
    }

    QTemporaryDir folder;
    RecordingQtHost host;
    WindowScript script{host};
    MessageBoxAnswerer answers;
    PrintDialogAnswerer dialog;
};

// The lines that are not blank, without their leading and trailing blanks.
std::vector<std::string> FilledLines(const std::vector<std::string>& lines) {
    std::vector<std::string> filled;
    for (const std::string& line : lines) {
        const auto first = line.find_first_not_of(" \f");
        if (first != std::string::npos)
            filled.push_back(line.substr(first, line.find_last_not_of(" \f") - first + 1));
    }
    return filled;
}

std::vector<std::string> TextLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST_F(PrintingTest, TheColumnFiguresPrintAsFifteenLinesIntoTheOfferedPdf) {
    const std::vector<std::string> lines = printFrom(IDC_FLOW_BUTTON, res::IDD_COLUMN);
    expectPdfOffered("column.pdf");
    const std::string text = pageText("column.pdf", "print-column");
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(FilledLines(TextLines(text)), FilledLines(lines));
    EXPECT_THAT(text, HasSubstr("Orvanex Pressure/Flow Calculator Version A.02.07"));
    EXPECT_THAT(text, HasSubstr("Helium"));
    EXPECT_THAT(text, HasSubstr("Inlet Pressure (KPa): 68.9"));
    EXPECT_THAT(text, HasSubstr("Outlet Pressure(KPa): 101.1"));
    EXPECT_THAT(text, HasSubstr("Holdup time(m): 1.60 minutes"));
    EXPECT_TRUE(answers.boxes().empty());
}

TEST_F(PrintingTest, TheVaporFiguresPrintWithTheSolventProperties) {
    printFrom(IDC_VAPOR_BUTTON, res::IDD_VAPOR);
    expectPdfOffered("vapor.pdf");
    const std::string text = pageText("vapor.pdf", "print-vapor");
    EXPECT_THAT(text, HasSubstr("Vapor volume calculations"));
    EXPECT_THAT(text, HasSubstr("n-Hexane"));
    EXPECT_THAT(text, HasSubstr("Boiling pt.(C): 69."));
    EXPECT_THAT(text, HasSubstr("Pressure(KPa): 101"));
    EXPECT_THAT(text, HasSubstr("Inlet liner: 4 mm ID single taper"));
}

TEST_F(PrintingTest, ThePlotPrintsAsAGraphInBlack) {
    dialog.pdf = host.work / "plot.pdf";
    script.on(res::IDD_LAUNCHER, [&](qt::DialogView& view) {
        QTest::mouseClick(view.widget(IDC_FLOW_BUTTON), Qt::LeftButton);
        QTest::mouseClick(view.widget(IDC_EXIT_BUTTON), Qt::LeftButton);
    });
    script.on(res::IDD_COLUMN, [](qt::DialogView& view) {
        QTest::mouseClick(view.widget(column::IDC_PLOT), Qt::LeftButton);
        QTest::keyClick(&view, Qt::Key_Escape);
    });
    script.on(res::IDD_PLOT, [](qt::DialogView& view) {
        QTest::mouseClick(view.widget(plot::IDC_PRINT), Qt::LeftButton);
        QTest::keyClick(&view, Qt::Key_Escape);
    });
    Launcher(host).run();
    expectPdfOffered("plot.pdf");
    const std::string text = pageText("plot.pdf", "print-plot");
    EXPECT_THAT(text,
                HasSubstr("Carrier Velocity vs. Inlet Pressure (Orvanex Veltrane V.A.02.07)"));
    EXPECT_THAT(text, HasSubstr("Average"));
    EXPECT_THAT(text, HasSubstr("1 Ед. сетки = 69 KPa"));
    EXPECT_THAT(text, HasSubstr("517.5"));
}

TEST_F(PrintingTest, ACancelledDialogPrintsNothingAndSaysNothing) {
    dialog.cancel = true;
    printFrom(IDC_FLOW_BUTTON, res::IDD_COLUMN);
    EXPECT_FALSE(std::filesystem::exists(host.work / "column.pdf"));
    EXPECT_TRUE(answers.boxes().empty());
}

TEST_F(PrintingTest, APrinterThatCannotStartTheDocumentIsReportedAndPrintsNothing) {
    dialog.unwritable = host.work / "gone" / "column.pdf";
    printFrom(IDC_FLOW_BUTTON, res::IDD_COLUMN);
    ASSERT_EQ(answers.boxes().size(), 1u);
    EXPECT_EQ(answers.boxes()[0].text, "Sorry, can't get printer device context");
    EXPECT_EQ(answers.boxes()[0].caption, "Veltrane");
    EXPECT_TRUE(answers.boxes()[0].warning);
    EXPECT_FALSE(std::filesystem::exists(host.work / "gone"));
    EXPECT_FALSE(std::filesystem::exists(host.work / "column.pdf"));
}

TEST_F(PrintingTest, APdfThatCannotBeFinishedIsReportedNotCountedAsPrinted) {
    // A disk that fills up after the first kilobyte: writes past it fail (EFBIG, the signal
    // ignored), as they would with no space left.
    const auto ignored = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit full = saved;
    full.rlim_cur = 1024;
    ::setrlimit(RLIMIT_FSIZE, &full);
    printFrom(IDC_VAPOR_BUTTON, res::IDD_VAPOR);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, ignored);
    EXPECT_FALSE(std::filesystem::exists(host.work / "vapor.pdf")) << "no cut-off PDF is left";
    ASSERT_EQ(answers.boxes().size(), 1u);
    EXPECT_EQ(answers.boxes()[0].text, "Sorry, can't finish printing.");
    EXPECT_EQ(answers.boxes()[0].caption, "Veltrane");
    EXPECT_TRUE(answers.boxes()[0].warning);
}

}  // namespace
}  // namespace veltrane::testing
