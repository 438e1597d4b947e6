// The widgets Qt lacks: acceleration steps, slider geometry, clip playing.
#include <gtest/gtest.h>
#include <QTest>

#include "resources/Clips.h"
#include "resources/ResourceIds.h"
#include "ui/qt/ClipPlayer.h"
#include "ui/qt/ImageStore.h"
#include "ui/qt/TrackBar.h"
#include "ui/qt/UpDown.h"

namespace veltrane::qt {
namespace {

struct AccelRow {
    double seconds;
    int step;
};

TEST(AccelStep, FollowsTheLastRowWhoseTimeHasPassed) {
    const std::vector<ui::SpinAccel> table{{1, 1}, {3, 10}, {4, 20}};
    const AccelRow rows[] = {{0, 1},  {0.9, 1},  {1, 1},  {2.9, 1},
                             {3, 10}, {3.5, 10}, {4, 20}, {60, 20}};
    for (const AccelRow& row : rows)
        EXPECT_EQ(AccelStep(table, row.seconds), row.step) << row.seconds;
    EXPECT_EQ(AccelStep({}, 10), 1);
    EXPECT_EQ(AccelStep({{2, 5}}, 0), 5);  // before the first row: its step
}

TEST(TrackBar, PositionsSpreadOverTheChannelAndComeBackFromTheirColumns) {
    TrackBar bar;
    bar.resize(150, 24);
    ui::SliderState state;
    state.min = 10;
    state.max = 1500;
    state.pos = 147;
    bar.setState(state, false);
    EXPECT_LT(bar.xOf(10), bar.xOf(11) + 1);
    EXPECT_LT(bar.xOf(10), bar.xOf(1500));
    EXPECT_EQ(bar.positionAt(bar.xOf(10)), 10);
    EXPECT_EQ(bar.positionAt(bar.xOf(1500)), 1500);
    EXPECT_EQ(bar.positionAt(-100), 10);
    EXPECT_EQ(bar.positionAt(1000), 1500);
    EXPECT_EQ(bar.thumbRect().center().x(), bar.xOf(147));
    EXPECT_GE(bar.thumbRect().left(), 0);
    state.pos = 1500;
    bar.setState(state, false);
    EXPECT_LT(bar.thumbRect().right(), bar.width());
    // An empty range keeps everything at its one position.
    state.min = state.max = 5;
    bar.setState(state, false);
    EXPECT_EQ(bar.positionAt(70), 5);
}

TEST(TrackBar, TheSelectionBandIsColouredOnlyWhenTheStyleAsksForIt) {
    TrackBar bar;
    bar.resize(150, 24);
    ui::SliderState state;
    state.min = 0;
    state.max = 100;
    state.selStart = 20;
    state.selEnd = 60;
    state.pos = 90;
    auto bandPixel = [&](bool band) {
        bar.setState(state, band);
        const QImage image = bar.grab().toImage();
        const int y = bar.thumbRect().top() + (bar.thumbRect().height() + 5) / 2;
        return image.pixelColor(bar.xOf(40), y);
    };
    EXPECT_EQ(bandPixel(true), bar.palette().color(QPalette::Highlight));
    EXPECT_NE(bandPixel(false), bar.palette().color(QPalette::Highlight));
}

class ClipPlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        info = res::FindClip(res::IDR_AVI2);
        ASSERT_TRUE(info);
        player.resize(120, 100);
        if (images.clipStrip(res::IDR_AVI2).isNull()) GTEST_SKIP() << "clips not embedded";
    }
    ui::AnimationState play(int from, int to, int repeat) {
        state.clip = res::IDR_AVI2;
        state.from = from;
        state.to = to;
        state.repeat = repeat;
        state.playing = true;
        ++state.playCount;
        player.setState(state, true);
        return state;
    }
    ImageStore images;
    ClipPlayer player{images};
    ui::AnimationState state;
    std::optional<res::ClipInfo> info;
};

TEST_F(ClipPlayerTest, PlaysItsRangeTheGivenNumberOfTimesAndStaysOnTheLastFrame) {
    play(1, 2, 2);
    std::vector<int> frames{player.currentFrame()};
    for (int i = 0; i < 6; ++i) {
        player.advance();
        frames.push_back(player.currentFrame());
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 1, 2, 2, 2, 2}));
    EXPECT_FALSE(player.isPlaying());
}

TEST_F(ClipPlayerTest, PlaysForEverWithRepeatMinusOneAndReplaysOnANewRequest) {
    play(0, -1, -1);  // -1 as the end: the clip's last frame
    for (int i = 0; i < info->frames * 3; ++i) player.advance();
    EXPECT_TRUE(player.isPlaying());
    EXPECT_EQ(player.currentFrame(), 0);
    state.playing = false;
    player.setState(state, true);
    EXPECT_FALSE(player.isPlaying());
    play(2, 3, 1);
    EXPECT_EQ(player.currentFrame(), 2);
    EXPECT_TRUE(player.isPlaying());
}

TEST_F(ClipPlayerTest, FramesAreCutFromTheStripAndCentred) {
    play(0, 0, 1);
    const QImage strip = images.clipStrip(res::IDR_AVI2).toImage();
    const QImage shown = player.grab().toImage();
    const int left = (player.width() - info->width) / 2;
    const int top = (player.height() - info->height) / 2;
    EXPECT_EQ(shown.pixel(left + 10, top + 10), strip.pixel(10, 10));
    EXPECT_EQ(player.currentImage().size(), QSize(info->width, info->height));
}

}  // namespace
}  // namespace veltrane::qt
