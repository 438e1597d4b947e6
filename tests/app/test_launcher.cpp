// The launcher's commands, exits and help through the fake host.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/Launcher.h"
#include "resources/ResourceIds.h"
#include "tests/support/FakeHost.h"

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
        EXPECT_EQ(layout.menu[0].items.size(), 5u);
        EXPECT_EQ(d.control(IDC_FLOW_BUTTON).layout.images[0], res::IDB_FLOW_UP);
        EXPECT_EQ(d.control(IDC_VAPOR_BUTTON).layout.images[2], res::IDB_VAPOR_FOCUS);
    });
}

TEST_F(LauncherTest, TheFlowButtonAndMenuItemOpenTheColumnCalculatorEachTime) {
    runWith([](ui::Dialog& d) {
        d.click(IDC_FLOW_BUTTON);
        d.click(ID_FILE_FLOW);
        d.click(IDC_FLOW_BUTTON);
        EXPECT_FALSE(d.hasEnded()) << "the launcher stays where it was";
    });
    EXPECT_THAT(host.opened, ElementsAre(res::IDD_LAUNCHER, res::IDD_COLUMN, res::IDD_COLUMN,
                                         res::IDD_COLUMN));
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
