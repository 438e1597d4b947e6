// The three printouts through the real printer path, into PDF files read back as text.
#include <gmock/gmock.h>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <fstream>

#include "app/Launcher.h"
#include "column/ColumnIds.h"
#include "plot/PlotWindow.h"
#include "resources/ResourceIds.h"
#include "tests/qt/support/WindowDriver.h"
#include "tests/support/WindowFiles.h"
#include "ui/qt/QtText.h"
#include "vapor/VaporIds.h"

namespace veltrane::testing {
namespace {

using ::testing::HasSubstr;

// Confirms the print dialog with a PDF printer writing to a file of the test's choosing.
class PdfHost : public RecordingQtHost {
public:
    std::filesystem::path pdf;
    bool cancel = false;

protected:
    bool askForPrinter(QPrinter& printer) override {
        if (cancel) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(qt::PathToQString(pdf));
        return true;
    }
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
        host.work = std::filesystem::path(folder.path().toStdString());
        host.pdf = host.work / "page.pdf";
        CopyShippedLists(host.work);
        std::ofstream(host.work / "flow.cfg", std::ios::binary)
            << SettingsFileText("KPa", "atm", "Helium", "n-Hexane", "4 mm ID single");
    }

    // Opens a window from the launcher's button, presses its Print button, closes it.
    void printFrom(int launcherButton, int dialogId) {
        script.on(res::IDD_LAUNCHER, [&](qt::DialogView& view) {
            QTest::mouseClick(view.widget(launcherButton), Qt::LeftButton);
            QTest::mouseClick(view.widget(IDC_EXIT_BUTTON), Qt::LeftButton);
        });
        script.on(dialogId, [](qt::DialogView& view) {
            QTest::mouseClick(view.widget(1010), Qt::LeftButton);
            QTest::keyClick(&view, Qt::Key_Escape);
        });
        Launcher(host).run();
    }

    // The page as text, and a picture of it among the screenshots.
    std::string pageText(const std::string& screenshot) {
        EXPECT_TRUE(std::filesystem::exists(host.pdf));
        const std::string pdf = "'" + host.pdf.string() + "'";
        Command("pdftoppm -png -r 50 -singlefile " + pdf + " '" +
                (ScreenshotFolder() / screenshot).string() + "'");
        EXPECT_TRUE(std::filesystem::exists(ScreenshotFolder() / (screenshot + ".png")));
        return Command("pdftotext -layout " + pdf + " -");
    }

    QTemporaryDir folder;
    PdfHost host;
    WindowScript script{host};
    MessageBoxAnswerer answers;
};

TEST_F(PrintingTest, TheColumnFiguresPrintAsFifteenLines) {
    printFrom(IDC_FLOW_BUTTON, res::IDD_COLUMN);
    const std::string text = pageText("print-column");
    EXPECT_THAT(text, HasSubstr("Orvanex Pressure/Flow Calculator Version A.02.07"));
    EXPECT_THAT(text, HasSubstr("Helium"));
    EXPECT_THAT(text, HasSubstr("Inlet Pressure (KPa): 68.9"));
    EXPECT_THAT(text, HasSubstr("Outlet Pressure(KPa): 101.1"));
    EXPECT_THAT(text, HasSubstr("Holdup time(m): 1.60 minutes"));
    EXPECT_TRUE(answers.boxes().empty());
}

TEST_F(PrintingTest, TheVaporFiguresPrintWithTheSolventProperties) {
    printFrom(IDC_VAPOR_BUTTON, res::IDD_VAPOR);
    const std::string text = pageText("print-vapor");
    EXPECT_THAT(text, HasSubstr("Vapor volume calculations"));
    EXPECT_THAT(text, HasSubstr("n-Hexane"));
    EXPECT_THAT(text, HasSubstr("Boiling pt.(C): 69."));
    EXPECT_THAT(text, HasSubstr("Pressure(KPa): 101"));
    EXPECT_THAT(text, HasSubstr("Inlet liner: 4 mm ID single taper"));
}

TEST_F(PrintingTest, ThePlotPrintsAsAGraphInBlack) {
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
    const std::string text = pageText("print-plot");
    EXPECT_THAT(text,
                HasSubstr("Carrier Velocity vs. Inlet Pressure (Orvanex Veltrane V.A.02.07)"));
    EXPECT_THAT(text, HasSubstr("Average"));
    EXPECT_THAT(text, HasSubstr("1 Ед. сетки = 69 KPa"));
    EXPECT_THAT(text, HasSubstr("517.5"));
}

TEST_F(PrintingTest, ACancelledDialogPrintsNothingAndSaysNothing) {
    host.cancel = true;
    printFrom(IDC_FLOW_BUTTON, res::IDD_COLUMN);
    EXPECT_FALSE(std::filesystem::exists(host.pdf));
    EXPECT_TRUE(answers.boxes().empty());
}

}  // namespace
}  // namespace veltrane::testing
