// The plot window: texts from plot.xy, labels by unit and scale, and the drawing.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "plot/PlotFile.h"
#include "plot/PlotWindow.h"
#include "resources/ResourceIds.h"
#include "tests/support/FakeHost.h"

namespace veltrane::testing {
namespace {

using namespace plot;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

std::string PlotText(const std::string& unit, int low, int high, const std::string& points) {
    return "вд(mm) = 0.320\r\nТемп(C) = 100\r\nДлина (m) = 30.0\r\nДавл.вых. = 101.1\r\n" + unit +
           "\r\n  Г-Н   = Helium\r\n" + std::to_string(low) + "\r\n" + std::to_string(high) +
           "\r\n" + points;
}

class PlotWindowTest : public ::testing::Test {
protected:
    void show(const std::function<void(ui::Dialog&)>& script) {
        host.expect(res::IDD_PLOT, script);
        window.run(PlotDataFromText(host.readWorkFile(kPlotFileName)));
    }
    // Paints once and returns the calls.
    static std::vector<std::string> paint(ui::Dialog& d) {
        RecordingCanvas canvas;
        d.paint(canvas);
        return canvas.calls;
    }
    FakeHost host;
    PlotWindow window{host};
};

TEST_F(PlotWindowTest, OpensWithTheFileTextsOnTheFullScale) {
    host.writeFile("plot.xy", PlotText("KPa", 20, 40, "1.0  5.0\r\n"));
    show([](ui::Dialog& d) {
        EXPECT_EQ(d.caption(), "Скорость газа от вх. давления колонки :   Г-Н   = Helium");
        EXPECT_EQ(d.text(IDC_DIAMETER_LINE), "вд(mm) = 0.320");
        EXPECT_EQ(d.text(IDC_OUTLET_LINE), "Давл.вых. = 101.1");
        EXPECT_TRUE(d.isChecked(IDC_SCALE_FULL));
        EXPECT_FALSE(d.isChecked(IDC_SCALE_TENTH));
    });
}

TEST_F(PlotWindowTest, PressureLabelsFollowUnitAndScale) {
    struct Row {
        const char* unit;
        bool tenth;
        std::vector<std::string> labels;  // left, middle, right, legend
    };
    const Row rows[] = {
        {"KPa", false, {">0", "517.5", "1035", "1 Ед. сетки = 69 KPa"}},
        {"KPa", true, {">0", "51.75", "103.5", "1 Ед. сетки = 6.9 KPa"}},
        {"psi", false, {"1", "75", "150", "1 Ед. сетки = 10 psi"}},
        {"psi", true, {"0.1", "7.5", "15.0", "1 Ед. сетки = 1.0 psi"}},
        {"bar", false, {">0", "5.175", "10.35", "1 Ед. сетки = 0.69 bar"}},
        {"bar", true, {">0", "0.517", "1.035", "1 Ед. сетки = 0.069 bar"}},
        {"atm", false, {">0", "517.5", "1035", "1 Ед. сетки = 69 KPa"}},  // "a" reads as KPa
        {"xyz", false, {"Static", "Static", "Static", "Static"}},
        {"", true, {"Static", "Static", "Static", "Static"}},
    };
    for (const Row& row : rows) {
        host.writeFile("plot.xy", PlotText(row.unit, 20, 40, ""));
        show([&](ui::Dialog& d) {
            if (row.tenth) d.click(IDC_SCALE_TENTH);
            paint(d);
            EXPECT_THAT(
                (std::vector<std::string>{d.text(IDC_PRESSURE_LEFT), d.text(IDC_PRESSURE_MIDDLE),
                                          d.text(IDC_PRESSURE_RIGHT), d.text(IDC_GRID_LEGEND)}),
                ::testing::ElementsAreArray(row.labels))
                << row.unit;
            EXPECT_EQ(d.text(IDC_AXIS_TITLE), std::string("Кол. входное давление - ") + row.unit);
        });
    }
}

struct CountingObserver : ui::DialogObserver {
    int changes = 0;
    int invalidations = 0;
    void controlChanged(int) override { ++changes; }
    void captionChanged() override {}
    void contextMenuChanged() override {}
    void invalidated() override { ++invalidations; }
    void ended(int) override {}
};

TEST_F(PlotWindowTest, RepaintingChangesNoLabelAndAScaleSwitchRepaintsAll) {
    host.writeFile("plot.xy", PlotText("psi", 20, 40, ""));
    show([](ui::Dialog& d) {
        paint(d);
        CountingObserver observer;
        d.setObserver(&observer);
        paint(d);
        EXPECT_EQ(observer.changes, 0) << "labels set to what they show cause no repaint";
        d.click(IDC_SCALE_TENTH);
        EXPECT_EQ(observer.invalidations, 1);
        paint(d);
        EXPECT_EQ(d.text(IDC_PRESSURE_RIGHT), "15.0");
        d.setObserver(nullptr);
    });
}

TEST_F(PlotWindowTest, TheOptimumBandIsHeldInsideTheFrame) {
    struct Row {
        int low, high;
        const char* fill;
    };
    const Row rows[] = {
        {20, 40, "fillRect 71 210 519 230 solid 0,192,64"},
        {100, 220, "fillRect 71 51 519 171 solid 0,192,64"},
        {-30, 10, "fillRect 71 240 519 249 solid 0,192,64"},
        {-99999999, 999999999, "fillRect 71 51 519 249 solid 0,192,64"},
    };
    for (const Row& row : rows) {
        host.writeFile("plot.xy", PlotText("psi", row.low, row.high, ""));
        show([&](ui::Dialog& d) { EXPECT_THAT(paint(d), Contains(row.fill)) << row.high; });
    }
}

TEST_F(PlotWindowTest, FrameLegendAndGridComeBeforeTheCurve) {
    host.writeFile("plot.xy", PlotText("psi", 20, 40, ""));
    show([](ui::Dialog& d) {
        const auto calls = paint(d);
        EXPECT_THAT(calls, Contains("rectangle 70 50 520 250"));
        EXPECT_THAT(calls, Contains("rectangle 20 310 51 327"));
        EXPECT_THAT(calls, Contains("fillRect 21 311 50 326 solid 0,192,64"));
        EXPECT_THAT(calls, Contains("lineTo 295 250"));
        EXPECT_THAT(calls, Contains("lineTo 490 250"));
        EXPECT_THAT(calls, Contains("lineTo 520 210"));
        EXPECT_EQ(calls.back(), "origin 70 50") << "no points, no curve";
    });
}

TEST_F(PlotWindowTest, AnEmptyFileShowsFrameAndGridOnly) {
    host.writeFile("plot.xy", "");
    show([](ui::Dialog& d) {
        const auto calls = paint(d);
        EXPECT_EQ(d.caption(), "Скорость газа от вх. давления колонки : ");
        EXPECT_EQ(d.text(IDC_PRESSURE_LEFT), "Static");
        EXPECT_EQ(d.text(IDC_AXIS_TITLE), "Кол. входное давление - ");
        int fills = 0;
        for (const std::string& c : calls) fills += c.rfind("fillRect", 0) == 0;
        EXPECT_EQ(fills, 1) << "only the legend swatch; the band has no height";
    });
}

TEST_F(PlotWindowTest, TheCurveSkipsPointsOffTheChartWithoutLiftingThePen) {
    host.writeFile("plot.xy", PlotText("psi", 20, 40,
                                       "1.0  -5.0\r\n2.0  50.0\r\n3.0  250.0\r\n4.0  0.0\r\n"
                                       "5.0  60.0\r\n"));
    show([](ui::Dialog& d) {
        RecordingCanvas canvas;
        d.paint(canvas);
        const auto& calls = canvas.calls;
        auto origin = std::find(calls.begin(), calls.end(), "origin 70 50");
        ASSERT_NE(origin, calls.end());
        EXPECT_THAT(std::vector<std::string>(origin + 1, calls.end()),
                    ElementsAre("moveTo 6 150", "lineTo 6 150", "lineTo 15 140"));
    });
}

TEST_F(PlotWindowTest, TheTenthScaleStretchesTheFirstFifteenPoints) {
    std::string points;
    for (int p = 1; p <= 150; ++p) points += std::to_string(p) + ".0  100.0\r\n";
    host.writeFile("plot.xy", PlotText("psi", 20, 40, points));
    show([](ui::Dialog& d) {
        d.click(IDC_SCALE_TENTH);
        RecordingCanvas canvas;
        d.paint(canvas);
        const auto lines = canvas.callsOf("lineTo");
        ASSERT_GE(lines.size(), 15u);
        EXPECT_EQ(*(lines.end() - 15), "lineTo 30 100");  // 1 psi: x = 100 on the window
        EXPECT_EQ(lines.back(), "lineTo 450 100");        // 15 psi: x = 520
    });
}

TEST_F(PlotWindowTest, HelpOpensAtPressure) {
    show([](ui::Dialog& d) { d.click(IDC_HELP); });
    ASSERT_EQ(host.helps.size(), 1u);
    EXPECT_EQ(host.helps[0].anchor, "Pressure");
}

}  // namespace
}  // namespace veltrane::testing
