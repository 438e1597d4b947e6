// The about box through the fake host: its template, the figures it shows and its clips.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "app/AboutBox.h"
#include "app/Launcher.h"
#include "resources/ResourceIds.h"
#include "tests/support/FakeHost.h"

namespace veltrane {
namespace {

using ::testing::ElementsAre;
using testing::FakeHost;
using ::testing::HasSubstr;
using ui::ControlKind;

constexpr std::uint64_t KB = 1024;

class AboutTest : public ::testing::Test {
protected:
    // Opens the box, runs the script as the person at it, and returns how it closed.
    int open(FakeHost::Script script = [](ui::Dialog&) {}) {
        host.expect(res::IDD_ABOUT, std::move(script));
        return box.run();
    }
    // Opens the box and reads back its two figures.
    std::pair<std::string, std::string> figures() {
        std::pair<std::string, std::string> shown;
        open([&](ui::Dialog& d) { shown = {d.text(IDC_PHYSICAL_MEM), d.text(IDC_DISK_SPACE)}; });
        return shown;
    }

    FakeHost host;
    AboutBox box{host};
};

// --- the template --------------------------------------------------------------------------

struct ControlRow {
    int id;
    ControlKind kind;
    ui::DluRect rect;
    const char* text;  // nullptr: a credit line, worded freely
};

const ControlRow kControls[] = {
    {IDC_ANIMATE1, ControlKind::Animation, {11, 10, 59, 55}, "Animate1"},
    {ui::IDOK, ControlKind::PushButton, {184, 10, 39, 14}, "OK"},
    {-1, ControlKind::Static, {94, 37, 102, 8}, "Veltrane Version  A.02.07"},
    {-1, ControlKind::Static, {94, 47, 105, 8}, nullptr},
    {-1, ControlKind::Static, {94, 58, 93, 8}, "Orvanex Company"},
    {1153, ControlKind::Picture, {194, 70, 15, 13}, ""},
    {-1, ControlKind::EtchedLine, {5, 89, 223, 1}, ""},
    {-1, ControlKind::Static, {2, 103, 75, 8}, "Свободная память:"},
    {IDC_PHYSICAL_MEM, ControlKind::Static, {92, 103, 55, 8}, "memory"},
    {-1, ControlKind::Static, {1, 113, 90, 10}, "Дисковое пространство:"},
    // Two lines high where one was given, so a large figure wraps clear of the icon.
    {IDC_DISK_SPACE, ControlKind::Static, {93, 113, 55, 16}, "disk space"},
    {-1, ControlKind::Icon, {153, 108, 18, 20}, ""},
    {-1, ControlKind::Static, {183, 119, 55, 10}, "32 Bit редакция"},
    {-1, ControlKind::Static, {16, 139, 201, 8}, nullptr},
    {-1, ControlKind::Static, {16, 148, 121, 8}, nullptr},
};

TEST_F(AboutTest, TheTemplatePlacesEveryControlWithItsText) {
    open([](ui::Dialog& d) {
        const ui::DialogLayout& layout = d.layout();
        EXPECT_EQ(layout.caption, "О потоковом калькуляторе ( Veltrane )");
        EXPECT_EQ(layout.width, 241);
        EXPECT_EQ(layout.height, 162);
        EXPECT_TRUE(layout.menu.empty());
        ASSERT_EQ(layout.controls.size(), std::size(kControls));
        for (std::size_t i = 0; i < std::size(kControls); ++i) {
            const ControlRow& row = kControls[i];
            const ui::ControlLayout& c = layout.controls[i];
            SCOPED_TRACE("control " + std::to_string(i));
            EXPECT_EQ(c.id, row.id);
            EXPECT_EQ(c.kind, row.kind);
            EXPECT_EQ(c.rect, row.rect);
            if (row.text)
                EXPECT_EQ(c.text, row.text);
            else
                EXPECT_FALSE(c.text.empty());
        }
        EXPECT_TRUE(d.control(IDC_ANIMATE1).layout.style.centerImage);
        EXPECT_TRUE(d.control(ui::IDOK).layout.style.defaultButton);
        EXPECT_EQ(d.control(1153).image, 0) << "the picture shows nothing";
        EXPECT_EQ(layout.controls[11].images[0], res::IDI_VELTRANE);
#ifdef _WIN32
        EXPECT_THAT(layout.controls[13].text, HasSubstr("GCC 12 и Win32 API"));
#else
        EXPECT_THAT(layout.controls[13].text, HasSubstr("GCC/g++ 12 и Qt 6"));
#endif
        EXPECT_THAT(layout.controls[14].text, HasSubstr("разработчики Veltrane"));
    });
}

// --- the figures ---------------------------------------------------------------------------

struct FiguresCase {
    const char* name;
    std::filesystem::path folder;
    std::optional<std::uint64_t> memory;  // bytes
    std::optional<std::uint64_t> disk;    // bytes
    const char* memoryText;
    const char* diskText;
    std::filesystem::path queried;
};

void PrintTo(const FiguresCase& c, std::ostream* os) {
    *os << c.name;
}

class AboutFigures : public AboutTest, public ::testing::WithParamInterface<FiguresCase> {};

TEST_P(AboutFigures, ShowFreeMemoryAndTheFreeSpaceOfTheCurrentDrive) {
    const FiguresCase& c = GetParam();
    host.currentFolderAnswer = c.folder;
    host.memoryAnswer = c.memory;
    host.diskAnswer = c.disk;
    const auto [memory, disk] = figures();
    EXPECT_EQ(memory, c.memoryText);
    EXPECT_EQ(disk, c.diskText);
    EXPECT_THAT(host.diskQueries, ElementsAre(c.queried));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AboutFigures,
    ::testing::Values(FiguresCase{"DriveC", "C:\\Analyst\\Runs", 16384 * KB, 1234567 * KB,
                                  "16384 KB", "1234567 KB Free on C:", "C:\\"},
                      FiguresCase{"LowerCaseDriveDropsPartKilobytes", "d:\\data", 1023,
                                  42 * KB + 1023, "0 KB", "42 KB Free on D:", "D:\\"},
                      FiguresCase{"PathWithoutDriveLetter", "/home/analyst/work", 16384 * KB,
                                  8000000 * KB, "16384 KB",
                                  "8000000 KB Free on @:", "/home/analyst/work"},
                      FiguresCase{"NetworkPath", "\\\\server\\share\\runs", 16384 * KB, 77 * KB,
                                  "16384 KB", "77 KB Free on @:", "\\\\server\\share\\runs"},
                      FiguresCase{"NoLetterBeforeTheColon", "1:\\odd", 16384 * KB, 5 * KB,
                                  "16384 KB", "5 KB Free on @:", "1:\\odd"},
                      // 5 TB free is 5368709120 KB, which a 32-bit figure would show as 1073741824.
                      FiguresCase{"MoreThanFourTerabytes", "Z:\\", (5ull << 40), (5ull << 40),
                                  "5368709120 KB", "5368709120 KB Free on Z:", "Z:\\"},
                      FiguresCase{"DiskQueryFails", "C:\\Runs", 16384 * KB, std::nullopt,
                                  "16384 KB", "Unavailable", "C:\\"},
                      FiguresCase{"MemoryQueryFails", "/srv", std::nullopt, 3 * KB, "Unavailable",
                                  "3 KB Free on @:", "/srv"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(AboutTest, FiguresAreTakenAtEveryOpeningAndHeldWhileOpen) {
    host.memoryAnswer = 100 * KB;
    host.diskAnswer = 200 * KB;
    open([&](ui::Dialog& d) {
        host.memoryAnswer = 101 * KB;
        host.diskAnswer = 201 * KB;
        d.doubleClick({10, 10}, {});
        EXPECT_EQ(d.text(IDC_PHYSICAL_MEM), "100 KB");
        EXPECT_EQ(d.text(IDC_DISK_SPACE), "200 KB Free on @:");
    });
    EXPECT_EQ(host.diskQueries.size(), 1u);
    const auto [memory, disk] = figures();
    EXPECT_EQ(memory, "101 KB");
    EXPECT_EQ(disk, "201 KB Free on @:");
}

// --- the clips -----------------------------------------------------------------------------

void ExpectPlaying(const ui::AnimationState& a, int clip, int from, int to, int repeat) {
    EXPECT_EQ(a.clip, clip);
    EXPECT_EQ(a.from, from);
    EXPECT_EQ(a.to, to);
    EXPECT_EQ(a.repeat, repeat);
    EXPECT_TRUE(a.playing);
}

TEST_F(AboutTest, OpeningPlaysTheProductClipFourTimes) {
    open([](ui::Dialog& d) {
        const ui::AnimationState& a = d.control(IDC_ANIMATE1).animation;
        ExpectPlaying(a, res::IDR_AVI2, 0, 4, 4);
        EXPECT_EQ(a.playCount, 1);
    });
}

struct DoubleClickCase {
    const char* name;
    ui::Point point;
    ui::KeyState keys;
    int clip;  // 0: nothing new is played
    int to;
    int repeat;
};

void PrintTo(const DoubleClickCase& c, std::ostream* os) {
    *os << c.name;
}

class AboutDoubleClick : public AboutTest, public ::testing::WithParamInterface<DoubleClickCase> {};

TEST_P(AboutDoubleClick, PlaysTheClipOfTheSpotAndKeys) {
    const DoubleClickCase& c = GetParam();
    open([&](ui::Dialog& d) {
        d.doubleClick(c.point, c.keys);
        const ui::AnimationState& a = d.control(IDC_ANIMATE1).animation;
        if (c.clip == 0) {
            EXPECT_EQ(a.playCount, 1) << "no new request";
            ExpectPlaying(a, res::IDR_AVI2, 0, 4, 4);
        } else {
            EXPECT_EQ(a.playCount, 2);
            ExpectPlaying(a, c.clip, 0, c.to, c.repeat);
        }
    });
}

constexpr ui::KeyState kNone{}, kShift{true, false}, kCtrl{false, true}, kBoth{true, true};

INSTANTIATE_TEST_SUITE_P(
    Rows, AboutDoubleClick,
    ::testing::Values(
        DoubleClickCase{"Plain", {100, 247}, kNone, res::IDR_AVI2, 4, 4},
        DoubleClickCase{"ShiftOnly", {100, 247}, kShift, res::IDR_AVI2, 4, 4},
        DoubleClickCase{"CtrlOnly", {170, 247}, kCtrl, res::IDR_AVI2, 4, 4},
        DoubleClickCase{"FirstSpot", {100, 247}, kBoth, res::IDR_AVI_CHROMATOGRAM, 84, 1},
        DoubleClickCase{"FirstSpotTopLeft", {77, 244}, kBoth, res::IDR_AVI_CHROMATOGRAM, 84, 1},
        DoubleClickCase{
            "FirstSpotBottomRight", {128, 250}, kBoth, res::IDR_AVI_CHROMATOGRAM, 84, 1},
        DoubleClickCase{"SecondSpot", {170, 247}, kBoth, res::IDR_AVI_STILL, 1, 1},
        DoubleClickCase{"SecondSpotEdges", {191, 244}, kBoth, res::IDR_AVI_STILL, 1, 1},
        DoubleClickCase{"BetweenTheSpots", {140, 247}, kBoth, 0, 0, 0},
        DoubleClickCase{"BelowTheLine", {100, 260}, kBoth, 0, 0, 0},
        DoubleClickCase{"JustAbove", {100, 243}, kBoth, 0, 0, 0},
        DoubleClickCase{"JustBelow", {170, 251}, kBoth, 0, 0, 0},
        DoubleClickCase{"JustLeftOfFirst", {76, 247}, kBoth, 0, 0, 0},
        DoubleClickCase{"JustRightOfSecond", {192, 247}, kBoth, 0, 0, 0}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(AboutTest, APlainDoubleClickBringsTheProductClipBackAfterAHiddenOne) {
    open([](ui::Dialog& d) {
        d.doubleClick({100, 247}, kBoth);
        d.doubleClick({30, 30}, kNone);
        ExpectPlaying(d.control(IDC_ANIMATE1).animation, res::IDR_AVI2, 0, 4, 4);
    });
}

// --- from the launcher ---------------------------------------------------------------------

TEST_F(AboutTest, TheLauncherMenuAndWindowMenuOpenTheBoxAfresh) {
    int closedWith = 0;
    host.expect(res::IDD_ABOUT, [&](ui::Dialog& d) {
        d.click(ui::IDOK);
        closedWith = d.result();
    });
    host.expect(res::IDD_LAUNCHER, [](ui::Dialog& d) {
        d.click(ID_FILE_ABOUT);
        d.click(IDM_ABOUTBOX);
        EXPECT_FALSE(d.hasEnded());
    });
    Launcher(host).run();
    EXPECT_THAT(host.opened, ElementsAre(res::IDD_LAUNCHER, res::IDD_ABOUT, res::IDD_ABOUT));
    EXPECT_EQ(closedWith, ui::IDOK);
    EXPECT_EQ(host.diskQueries.size(), 2u);
}

}  // namespace
}  // namespace veltrane
