// The real about box: opened from the launcher's menu, its clips running, its look.
#include <gmock/gmock.h>
#include <QTest>
#include <algorithm>

#include "app/Launcher.h"
#include "resources/ResourceIds.h"
#include "tests/qt/support/WindowDriver.h"
#include "ui/qt/ClientArea.h"
#include "ui/qt/ClipPlayer.h"

namespace veltrane::testing {
namespace {

// Double-clicks with Shift and Ctrl held at a point of the client area, on whatever lies there.
void HiddenDoubleClick(qt::DialogView& view, QPoint at) {
    QWidget* client = view.clientArea();
    QWidget* target = client->childAt(at);
    if (!target) target = client;
    QTest::mouseDClick(target, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier,
                       target->mapFrom(client, at));
}

TEST(AboutWindow, OpensFromTheLauncherRunsItsClipAndShowsTheFigures) {
    RecordingQtHost host;
    WindowScript script(host);
    script.on(res::IDD_LAUNCHER, [](qt::DialogView& view) {
        view.menuAction(ID_FILE_ABOUT)->trigger();
        view.menuAction(ID_FILE_EXIT)->trigger();
    });
    script.on(res::IDD_ABOUT, [](qt::DialogView& view) {
        EXPECT_EQ(view.windowTitle(), QString::fromUtf8("О потоковом калькуляторе ( Veltrane )"));
        auto* clip = view.widgetAs<qt::ClipPlayer>(IDC_ANIMATE1);
        ASSERT_TRUE(clip);
        EXPECT_TRUE(clip->isPlaying());
        // Its four 50 ms frames come round again every 200 ms: watch for one past the first.
        EXPECT_TRUE(RunUntil([&] { return clip->currentFrame() > 0; }));
        EXPECT_THAT(view.dialog().text(IDC_PHYSICAL_MEM), ::testing::EndsWith(" KB"));
        EXPECT_NE(view.dialog().text(IDC_DISK_SPACE), "disk space");
        EXPECT_FALSE(SaveScreenshot(view, "about").empty());

        // The first hidden spot on the bottom credit line, reached through the static on it.
        HiddenDoubleClick(view, QPoint(100, 247));
        EXPECT_EQ(view.dialog().control(IDC_ANIMATE1).animation.clip, res::IDR_AVI_CHROMATOGRAM);
        EXPECT_TRUE(clip->isPlaying());
        QTest::mouseClick(view.widget(ui::IDOK), Qt::LeftButton);
    });
    Launcher(host).run();
    EXPECT_THAT(script.shown(), ::testing::ElementsAre(res::IDD_LAUNCHER, res::IDD_ABOUT));
}

}  // namespace
}  // namespace veltrane::testing
