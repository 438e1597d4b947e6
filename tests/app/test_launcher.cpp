// The launcher's commands, exits and help, and what every window reports when the outside fails.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/Launcher.h"
#include "column/ColumnIds.h"
#include "plot/PlotWindow.h"
#include "resources/ResourceIds.h"
#include "tests/support/FakeHost.h"
#include "tests/support/WindowFiles.h"
#include "vapor/VaporIds.h"

namespace veltrane {
namespace {

using ::testing::ElementsAre;
using testing::FakeHost;

class LauncherTest : public ::testing::Test {
protected:
    int runWith(FakeHost::Script script) {
        host.expect(res::IDD_LAUNCHER, std::move(script));
        return Launcher(host).run();
    }
    FakeHost host;
};

TEST_F(LauncherTest, ExitButtonAndMenuItemEndWithOkEscAndCloseWithCancel) {
    EXPECT_EQ(runWith([](ui::Dialog& d) { d.click(IDC_EXIT_BUTTON); }), ui::IDOK);
    EXPECT_EQ(runWith([](ui::Dialog& d) { d.click(ID_FILE_EXIT); }), ui::IDOK);
    EXPECT_EQ(runWith([](ui::Dialog& d) { d.click(ui::IDCANCEL); }), ui::IDCANCEL);
}

TEST_F(LauncherTest, HelpAsksForTheContentsOfTheHelpFileBesideTheProgram) {
    bool stillOpen = false;
    runWith([&](ui::Dialog& d) {
        d.click(ID_HELP_CONTENTS);
        stillOpen = !d.hasEnded();
    });
    ASSERT_EQ(host.helps.size(), 1u);
    EXPECT_EQ(host.helps[0].file, "/opt/veltrane/bin/veltrane.html");
    EXPECT_EQ(host.helps[0].anchor, "");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(stillOpen);
}

TEST_F(LauncherTest, HelpThatCannotStartIsReportedAndTheWindowStaysOpen) {
    host.helpStarts = false;
    bool stillOpen = false;
    runWith([&](ui::Dialog& d) {
        d.click(ID_HELP_CONTENTS);
        stillOpen = !d.hasEnded();
    });
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Failed to launch help.");
    EXPECT_EQ(host.messages[0].caption, "veltrane");
    EXPECT_EQ(host.messages[0].icon, ui::MessageIcon::Exclamation);
    EXPECT_TRUE(stillOpen);
}

// Where a person meets a program or a printer outside Veltrane, and what is reported when that
// fails: a viewer or editor that ends badly after the window closed, or a printer whose
// document cannot be started or finished.
enum class Failure { LaunchLater, PrinterWontBegin, PrinterWontFinish };

struct FailureRow {
    const char* where;
    int window;  // the dialog whose button is pressed
    int button;
    Failure failure;
    const char* text;
    const char* caption;
    const char* pdf;  // the file the print dialog offers
};

const FailureRow kFailures[] = {
    {"launcher help", res::IDD_LAUNCHER, ID_HELP_CONTENTS, Failure::LaunchLater,
     "Failed to launch help.", "veltrane", ""},
    {"column help", res::IDD_COLUMN, column::IDC_HELP, Failure::LaunchLater,
     "Failed to launch help.", "veltrane", ""},
    {"gases list", res::IDD_COLUMN, column::IDC_GASES_BUTTON, Failure::LaunchLater,
     "Sorry, Notepad could not be started.", "Veltrane", ""},
    {"plot help", res::IDD_PLOT, plot::IDC_HELP, Failure::LaunchLater, "Failed to launch help.",
     "veltrane", ""},
    {"vapor help", res::IDD_VAPOR, vapor::IDC_HELP, Failure::LaunchLater, "Failed to launch help.",
     "veltrane", ""},
    {"solvents list", res::IDD_VAPOR, vapor::IDC_SOLVENTS_BUTTON, Failure::LaunchLater,
     "Sorry, Notepad could not be started.", "Veltrane", ""},
    {"liners list", res::IDD_VAPOR, vapor::IDC_LINERS_BUTTON, Failure::LaunchLater,
     "Sorry, Notepad could not be started.", "Veltrane", ""},
    {"column print", res::IDD_COLUMN, column::IDC_PRINT, Failure::PrinterWontBegin,
     "Sorry, can't get printer device context", "Veltrane", "column.pdf"},
    {"plot print", res::IDD_PLOT, plot::IDC_PRINT, Failure::PrinterWontBegin,
     "Sorry, can't get printer device context", "Veltrane", "plot.pdf"},
    {"vapor print", res::IDD_VAPOR, vapor::IDC_PRINT, Failure::PrinterWontBegin,
     "Sorry, can't get printer device context", "Veltrane", "vapor.pdf"},
    {"column print unfinished", res::IDD_COLUMN, column::IDC_PRINT, Failure::PrinterWontFinish,
     "Sorry, can't finish printing.", "Veltrane", "column.pdf"},
    {"plot print unfinished", res::IDD_PLOT, plot::IDC_PRINT, Failure::PrinterWontFinish,
     "Sorry, can't finish printing.", "Veltrane", "plot.pdf"},
    {"vapor print unfinished", res::IDD_VAPOR, vapor::IDC_PRINT, Failure::PrinterWontFinish,
     "Sorry, can't finish printing.", "Veltrane", "vapor.pdf"},
};

TEST(OutsideFailures, EachIsReportedWhileTheWindowThatAskedStaysOpen) {
    for (const FailureRow& row : kFailures) {
        SCOPED_TRACE(row.where);
        FakeHost host;
        host.layShippedLists();
        host.writeFile("flow.cfg",
                       testing::SettingsFileText("KPa", "atm", "Helium", "n-Hexane", "Single"));
        host.printerBegins = row.failure != Failure::PrinterWontBegin;
        host.printerFinishes = row.failure != Failure::PrinterWontFinish;
        bool stayedOpen = false;
        auto press = [&](ui::Dialog& d) {
            d.click(row.button);
            stayedOpen = !d.hasEnded();
            EXPECT_TRUE(host.messages.empty() || row.failure != Failure::LaunchLater);
        };
        const int opener = row.window == res::IDD_VAPOR ? IDC_VAPOR_BUTTON : IDC_FLOW_BUTTON;
        host.expect(res::IDD_LAUNCHER, [&](ui::Dialog& d) {
            if (row.window == res::IDD_LAUNCHER)
                press(d);
            else
                d.click(opener);
        });
        host.expect(res::IDD_COLUMN, [&](ui::Dialog& d) {
            row.window == res::IDD_COLUMN ? press(d) : d.click(column::IDC_PLOT);
        });
        host.expect(res::IDD_VAPOR, press);
        host.expect(res::IDD_PLOT, press);
        Launcher(host).run();
        host.failRunningLaunches();  // every window has closed by now

        EXPECT_TRUE(stayedOpen);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, row.text);
        EXPECT_EQ(host.messages[0].caption, row.caption);
        EXPECT_EQ(host.messages[0].icon, ui::MessageIcon::Exclamation);
        if (row.failure == Failure::PrinterWontBegin) {
            EXPECT_THAT(host.printFiles, ElementsAre(row.pdf));
            ASSERT_EQ(host.printed.size(), 1u);
            EXPECT_TRUE(host.printed[0]->page.calls.empty()) << "nothing is printed";
            EXPECT_THAT(host.printed[0]->document, ElementsAre(::testing::StartsWith("startDoc")));
        }
        if (row.failure == Failure::PrinterWontFinish) {
            ASSERT_EQ(host.printed.size(), 1u);
            EXPECT_EQ(host.printed[0]->document.back(), "endDoc");
        }
    }
}

TEST_F(LauncherTest, TheWindowMenuCarriesTheAboutItem) {
    std::vector<std::string> items;
    runWith([&](ui::Dialog& d) {
        for (const auto& item : d.contextMenu())
            items.push_back(std::to_string(item.command) + " " + item.text);
    });
    EXPECT_THAT(items, ElementsAre("16 &О потоковом калькуляторе..."));
}

TEST_F(LauncherTest, TheLayoutOffersTheFileMenuAndBothPictureButtons) {
    runWith([&](ui::Dialog& d) {
        const auto& layout = d.layout();
        EXPECT_EQ(layout.caption, "Orvanex потоковый калькулятор  2.0");
        ASSERT_EQ(layout.menu.size(), 1u);
        EXPECT_EQ(layout.menu[0].title, "Файл");
        ASSERT_EQ(layout.menu[0].items.size(), 7u);
        EXPECT_EQ(layout.menu[0].items[2].text, "&Перенос метода...");
        EXPECT_EQ(layout.menu[0].items[3].text, "&Хроматограмма...");
        EXPECT_EQ(d.control(IDC_FLOW_BUTTON).layout.images[0], res::IDB_FLOW_UP);
        EXPECT_EQ(d.control(IDC_VAPOR_BUTTON).layout.images[2], res::IDB_VAPOR_FOCUS);
    });
}

TEST_F(LauncherTest, TheMethodTranslationAndChromatogramItemsOpenTheirWindows) {
    runWith([](ui::Dialog& d) {
        d.click(ID_FILE_TRANSLATE);
        d.click(ID_FILE_CHROMATOGRAM);
    });
    EXPECT_THAT(host.opened,
                ElementsAre(res::IDD_LAUNCHER, res::IDD_TRANSLATE, res::IDD_CHROMATOGRAM));
}

TEST_F(LauncherTest, TheFlowButtonAndMenuItemOpenTheColumnCalculatorEachTime) {
    runWith([](ui::Dialog& d) {
        d.click(IDC_FLOW_BUTTON);
        d.click(ID_FILE_FLOW);
        d.click(IDC_FLOW_BUTTON);
        EXPECT_FALSE(d.hasEnded()) << "the launcher stays where it was";
    });
    EXPECT_THAT(host.opened,
                ElementsAre(res::IDD_LAUNCHER, res::IDD_COLUMN, res::IDD_COLUMN, res::IDD_COLUMN));
}

TEST_F(LauncherTest, TheVaporButtonAndMenuItemOpenTheVaporCalculatorEachTime) {
    runWith([](ui::Dialog& d) {
        d.click(IDC_VAPOR_BUTTON);
        d.click(ID_FILE_VAPOR);
        EXPECT_FALSE(d.hasEnded()) << "the launcher stays where it was";
    });
    EXPECT_THAT(host.opened, ElementsAre(res::IDD_LAUNCHER, res::IDD_VAPOR, res::IDD_VAPOR));
}

}  // namespace
}  // namespace veltrane
