// The plot on paper: black pens, a hatched band, labels by unit and scale, the curve.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "plot/PlotFile.h"
#include "plot/PlotPrintout.h"
#include "plot/PlotWindow.h"
#include "resources/ResourceIds.h"
#include "tests/support/FakeHost.h"
#include "tests/support/Languages.h"

namespace veltrane::testing {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

PlotData Data(const std::string& unit, int low, int high, std::vector<PlotPoint> points = {}) {
    PlotData d;
    d.m_diameter = "вд(mm) = 0.320";
    d.m_unit = unit;
    d.m_gas = "  Г-Н   = Helium";
    d.m_optimumLow = low;
    d.m_optimumHigh = high;
    d.m_points = std::move(points);
    return d;
}

std::vector<std::string> Page(const PlotData& data, PlotScale scale) {
    RecordingCanvas page;
    DrawPlotPage(page, data, scale);
    return page.calls;
}

TEST(PlotPrintout, TheBandIsHatchedBetweenItsLimitsAndKeptInsideTheFrame) {
    struct Row {
        int low, high;
        const char* fill;
    };
    const Row rows[] = {
        {20, 40, "fillRect 583 1300 2077 1400 bdiagonal 0,0,0"},
        {100, 220, "fillRect 583 501 2077 1000 bdiagonal 0,0,0"},
        {-30, 10, "fillRect 583 1450 2077 1500 bdiagonal 0,0,0"},
        {-99999999, 999999999, "fillRect 583 501 2077 1500 bdiagonal 0,0,0"},  // beyond int × 5
    };
    for (const Row& row : rows)
        EXPECT_THAT(Page(Data("psi", row.low, row.high), PlotScale::Full), Contains(row.fill));
}

TEST(PlotPrintout, AnEmptyPlotHasTextsFrameAndGridButNoBandLabelsOrCurve) {
    const auto calls = Page(PlotData{}, PlotScale::Full);
    EXPECT_THAT(calls, Contains("text 200 275 Carrier Velocity vs. Inlet Pressure (Orvanex "
                                "Veltrane V.A.02.07)"));
    EXPECT_THAT(calls, Contains("text 900 1600 Кол. входное давление - "));
    EXPECT_THAT(calls, Contains("pen 0,0,0 6"));
    EXPECT_THAT(calls, Contains("rectangle 580 500 2080 1500"));
    EXPECT_THAT(calls, Contains("lineTo 1980 1500"));
    EXPECT_THAT(calls, Contains("lineTo 2080 1400"));
    for (const std::string& c : calls) {
        EXPECT_NE(c.rfind("fillRect", 0), 0u) << c;
        EXPECT_NE(c.rfind("text 560 1525", 0), 0u) << c;
    }
    EXPECT_EQ(calls.back(), "origin 580 500");
}

TEST(PlotPrintout, FromEnglishWindowsEveryTextIsEnglishAndFromRussianOnesAsRead) {
    PlotData data = Data("psi", 20, 40);
    data.m_temperature = "Темп(C) = 100";
    data.m_length = "Длина (m) = 30.0";
    data.m_outlet = "Давл.вых. = 0.0 ";
    const auto texts = [&] {
        std::vector<std::string> found;
        for (const std::string& call : Page(data, PlotScale::Full))
            if (call.starts_with("text ")) found.push_back(call);
        return found;
    };
    const auto russian = texts();
    EXPECT_THAT(russian, Contains("text 700 375 Темп(C) = 100"));
    EXPECT_THAT(russian, Contains("text 200 1700   Г-Н   = Helium"));
    ScopedLanguage language(kEnglish);
    EXPECT_THAT(texts(),
                ElementsAre("text 200 275 Carrier Velocity vs. Inlet Pressure (Orvanex "
                            "Veltrane V.A.02.07)",
                            "text 200 375 ID(mm) = 0.320", "text 700 375 Temp(C) = 100",
                            "text 1150 375 Length (m) = 30.0", "text 1700 375 Outlet P = 0.0 ",
                            "text 200 775 Average", "text 200 875 Linear", "text 200 975 Velocity",
                            "text 200 1075 (cm/s)", "text 200 1700   Gas   = Helium",
                            "text 900 1600 Column inlet pressure - psi", "text 475 475 200",
                            "text 475 675 160", "text 475 875 120", "text 475 1075 80",
                            "text 475 1275 40", "text 560 1525 1.0", "text 1310 1525 75",
                            "text 2060 1525 150", "text 200 1800 1 division = 10 psi"));
}

TEST(PlotPrintout, PressureLabelsByUnitAndScale) {
    struct Row {
        const char* unit;
        PlotScale scale;
        std::vector<std::string> labels;
    };
    const Row rows[] = {
        {"psi",
         PlotScale::Full,
         {"text 560 1525 1.0", "text 1310 1525 75", "text 2060 1525 150",
          "text 200 1800 1 Ед. сетки = 10 psi"}},
        {"KPa",
         PlotScale::Tenth,
         {"text 560 1525 >0", "text 1310 1525 51.75", "text 2060 1525 103.5",
          "text 200 1800 1 Ед. сетки = 6.9 KPa"}},
        {"bar",
         PlotScale::Full,
         {"text 560 1525 >0", "text 1310 1525 5.175", "text 2080 1525 10.35",
          "text 200 1800 1 Ед. сетки = 0.69 bar"}},
    };
    for (const Row& row : rows) {
        const auto calls = Page(Data(row.unit, 20, 40), row.scale);
        for (const std::string& label : row.labels) EXPECT_THAT(calls, Contains(label));
    }
}

TEST(PlotPrintout, TheTenthScaleSpreadsFifteenPointsOverTheFrame) {
    std::vector<PlotPoint> points;
    for (int p = 1; p <= 150; ++p) points.push_back({double(p), 100});
    RecordingCanvas page;
    DrawPlotPage(page, Data("psi", 20, 40, points), PlotScale::Tenth);
    const auto lines = page.callsOf("lineTo");
    EXPECT_EQ(*(lines.end() - 15), "lineTo 100 500");  // 1 psi at x = 680 on the page
    EXPECT_EQ(lines.back(), "lineTo 1500 500");        // 15 psi at x = 2080
    const auto pens = page.callsOf("pen");
    EXPECT_EQ(pens.back(), "pen 0,0,0 2");
}

TEST(PlotPrintout, PointsOffTheChartAreSkippedWithoutLiftingThePen) {
    RecordingCanvas page;
    DrawPlotPage(page, Data("psi", 20, 40, {{1, 0}, {2, 50}, {3, 200}, {4, 60}}), PlotScale::Full);
    auto origin = std::find(page.calls.begin(), page.calls.end(), "origin 580 500");
    ASSERT_NE(origin, page.calls.end());
    EXPECT_THAT(std::vector<std::string>(origin + 1, page.calls.end()),
                ElementsAre("moveTo 20 750", "pen 0,0,0 2", "lineTo 20 750", "lineTo 40 700"));
}

TEST(PlotPrintout, ThePlotWindowPrintsItsScaleAsADocument) {
    FakeHost host;
    host.writeFile("plot.xy", "d\r\nt\r\nl\r\no\r\npsi\r\ng\r\n20\r\n40\r\n1.0  30.0\r\n");
    host.expect(res::IDD_PLOT, [](ui::Dialog& d) {
        d.click(plot::IDC_SCALE_TENTH);
        d.click(plot::IDC_PRINT);
    });
    PlotWindow(host).run(PlotDataFromText(host.readWorkFile(kPlotFileName)));
    ASSERT_EQ(host.printed.size(), 1u);
    EXPECT_THAT(host.printed[0]->document,
                ElementsAre("startDoc Orvanex Veltrane Plot", "startPage", "endPage", "endDoc"));
    EXPECT_THAT(host.printed[0]->page.calls, Contains("text 1310 1525 7.5"));
}

TEST(PlotPrintout, ACancelledDialogPrintsNothing) {
    FakeHost host;
    host.printOutcome = ui::PrinterChoice::Outcome::Cancelled;
    PrintPlot(host, Data("psi", 20, 40), PlotScale::Full);
    EXPECT_TRUE(host.printed.empty());
    EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace veltrane::testing
