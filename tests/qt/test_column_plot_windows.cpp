// The real column calculator and plot window: dragging, typing, the plot on both scales.
#include <gmock/gmock.h>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "app/Launcher.h"
#include "column/ColumnIds.h"
#include "plot/PlotWindow.h"
#include "resources/ResourceIds.h"
#include "tests/qt/support/WindowDriver.h"
#include "tests/support/WindowFiles.h"
#include "ui/qt/TrackBar.h"

namespace veltrane::testing {
namespace {

using namespace column;

// A launcher on a host working in a fresh folder with the shipped lists, saved in KPa.
class ColumnWindowTest : public ::testing::Test {
protected:
    ColumnWindowTest() {
        host.workIn(folder.path(), SettingsFileText("KPa", "atm", "Helium", "", ""));
        script.on(res::IDD_LAUNCHER, [](qt::DialogView& view) {
            QTest::mouseClick(view.widget(IDC_FLOW_BUTTON), Qt::LeftButton);
            QTest::mouseClick(view.widget(IDC_EXIT_BUTTON), Qt::LeftButton);
        });
    }
    static std::string Text(qt::DialogView& view, int id) { return view.dialog().text(id); }

    QTemporaryDir folder;
    RecordingQtHost host;
    WindowScript script{host};
    MessageBoxAnswerer answers;
};

TEST_F(ColumnWindowTest, DraggingTheFlowSliderMovesEveryFigureThatFollowsIt) {
    script.on(res::IDD_COLUMN, [&](qt::DialogView& view) {
        EXPECT_EQ(view.windowTitle(), QString::fromUtf8("Калькулятор  давления / потока  колонки"));
        auto* flow = view.widgetAs<qt::TrackBar>(IDC_FLOW_SLIDER);
        ASSERT_TRUE(flow);
        const std::string inlet = Text(view, IDC_INLET);
        // Keys move the thumb as a drag does, one notification per step.
        flow->setFocus();
        for (int k = 0; k < 40; ++k) QTest::keyClick(flow, Qt::Key_Right);
        ProcessEvents();
        EXPECT_EQ(Text(view, IDC_FLOW), "2.05");
        EXPECT_NE(Text(view, IDC_INLET), inlet);
        EXPECT_EQ(view.widgetAs<QLineEdit>(IDC_INLET)->text().toStdString(), Text(view, IDC_INLET));
        EXPECT_EQ(Text(view, IDC_INLET), "81.7");
        EXPECT_EQ(Text(view, IDC_VELOCITY), "36.8");
        EXPECT_EQ(Text(view, IDC_HOLDUP), "1.36 minutes");
        EXPECT_EQ(Text(view, IDC_INLET_FLOW), "1.70");
        QTest::keyClick(&view, Qt::Key_Escape);
    });
    Launcher(host).run();
    EXPECT_TRUE(answers.boxes().empty());
}

TEST_F(ColumnWindowTest, TypingAndTabbingOutValidatesTheField) {
    script.on(res::IDD_COLUMN, [&](qt::DialogView& view) {
        view.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
        auto* temperature = view.widgetAs<QLineEdit>(IDC_TEMPERATURE);
        ASSERT_TRUE(temperature);
        temperature->setFocus(Qt::TabFocusReason);
        ProcessEvents();
        temperature->selectAll();
        QTest::keyClicks(temperature, "-82");
        QTest::keyClick(temperature, Qt::Key_Tab);
        ProcessEvents();
        EXPECT_EQ(temperature->text(), QString("-85"));
        EXPECT_EQ(view.dialog().sliderPos(IDC_TEMPERATURE_SLIDER), -85);
        QTest::keyClick(&view, Qt::Key_Escape);
    });
    Launcher(host).run();
}

TEST_F(ColumnWindowTest, PlotShowsTheCurveOnBothScales) {
    script.on(res::IDD_COLUMN, [&](qt::DialogView& view) {
        QTest::mouseClick(view.widget(IDC_PLOT), Qt::LeftButton);
        QTest::keyClick(&view, Qt::Key_Escape);
    });
    script.on(res::IDD_PLOT, [&](qt::DialogView& view) {
        EXPECT_EQ(view.windowTitle(),
                  QString::fromUtf8("Скорость газа от вх. давления колонки :   Г-Н   = Helium"));
        EXPECT_FALSE(SaveScreenshot(view, "plot-full").empty());
        EXPECT_EQ(Text(view, plot::IDC_PRESSURE_RIGHT), "1035");
        QTest::mouseClick(view.widget(plot::IDC_SCALE_TENTH), Qt::LeftButton);
        ProcessEvents();
        EXPECT_EQ(Text(view, plot::IDC_PRESSURE_RIGHT), "103.5");
        EXPECT_EQ(Text(view, plot::IDC_GRID_LEGEND), "1 Ед. сетки = 6.9 KPa");
        EXPECT_FALSE(SaveScreenshot(view, "plot-tenth").empty());
        QTest::keyClick(&view, Qt::Key_Escape);
    });
    Launcher(host).run();
    EXPECT_THAT(script.shown(), ::testing::Contains(res::IDD_PLOT));
}

}  // namespace
}  // namespace veltrane::testing
