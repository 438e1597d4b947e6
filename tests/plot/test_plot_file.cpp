// plot.xy: the curve the column calculator writes and what the plot window reads back.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "column/ColumnIds.h"
#include "plot/PlotFile.h"
#include "tests/column/ColumnFixture.h"

namespace veltrane::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::StartsWith;

CurveInputs Defaults() {
    return CurveInputs{"0.320",
                       "100",
                       "30.0",
                       "101.1",
                       "Example",
                       "10",
                       "40",
                       PressureUnit::KPa,
                       OutletMode::Atm,
                       ViscosityLine{4.0e-07, 8.0e-05}};
}

TEST(PlotFileLines, DescribeTheColumnThenOneLinePerPsi) {
    const auto lines = PlotFileLines(Defaults());
    ASSERT_EQ(lines.size(), 158u);
    EXPECT_THAT(std::vector<std::string>(lines.begin(), lines.begin() + 8),
                ElementsAre("вд(mm) = 0.320", "Темп(C) = 100", "Длина (m) = 30.0",
                            "Давл.вых. = 101.1", "KPa", "  Г-Н   = Example", "10", "40"));
    EXPECT_THAT(lines[8], StartsWith("1.0   "));  // padded to four, then the two blanks
    EXPECT_THAT(lines[157], StartsWith("150.0  "));
    // 10 psi gauge is the worked example's 68.9 KPa column: about 31.4 cm/s.
    EXPECT_EQ(lines[17], "10.0  31.4");
}

TEST(PlotFileLines, TheCurveIsInPsiWhateverTheUnitShown) {
    CurveInputs kpa = Defaults();
    CurveInputs bar = Defaults();
    bar.m_unit = PressureUnit::Bar;
    bar.m_outletText = "1.011";
    const auto a = PlotFileLines(kpa);
    const auto b = PlotFileLines(bar);
    EXPECT_EQ(b[3], "Давл.вых. = 1.011");
    EXPECT_EQ(b[4], "bar");
    EXPECT_EQ(std::vector<std::string>(a.begin() + 8, a.end()),
              std::vector<std::string>(b.begin() + 8, b.end()));
}

TEST(PlotFileLines, AnOutletAboveTheInletGivesNegativeVelocities) {
    CurveInputs in = Defaults();
    in.m_unit = PressureUnit::Psi;
    in.m_outletMode = OutletMode::Other;
    in.m_outletText = "100";
    const auto lines = PlotFileLines(in);
    EXPECT_THAT(lines[8], ::testing::HasSubstr("  -"));  // 1 psi gauge against 100 absolute
    EXPECT_THAT(lines[157], ::testing::Not(::testing::HasSubstr("-")));

    in.m_outletText = "10";  // below one atmosphere: the first point already flows
    EXPECT_THAT(PlotFileLines(in)[8], ::testing::Not(::testing::HasSubstr("-")));
}

// The curve as plot.xy holds it once saved.
PlotData ReadBack(const CurveInputs& in) {
    return PlotDataFromText(TextOfFileBytes(FileBytesOfLines(PlotFileLines(in))));
}

TEST(PlotFile, IsWrittenInTheCyrillicCodePageWithCrLf) {
    const std::string bytes = FileBytesOfLines(PlotFileLines(Defaults()));
    EXPECT_THAT(bytes, StartsWith("\xE2\xE4(mm) = 0.320\r\n\xD2\xE5\xEC\xEF(C) = 100\r\n"));
    EXPECT_THAT(bytes, ::testing::EndsWith("\r\n"));
}

TEST(PlotFile, ReadsBackWhatWasWritten) {
    const PlotData data = ReadBack(Defaults());
    EXPECT_EQ(data.m_diameter, "вд(mm) = 0.320");
    EXPECT_EQ(data.m_outlet, "Давл.вых. = 101.1");
    EXPECT_EQ(data.m_unit, "KPa");
    EXPECT_EQ(data.m_gas, "  Г-Н   = Example");
    EXPECT_EQ(data.m_optimumLow, 10);
    EXPECT_EQ(data.m_optimumHigh, 40);
    ASSERT_EQ(data.m_points.size(), 150u);
    EXPECT_EQ(data.m_points[9].m_pressure, 10);
    EXPECT_EQ(data.m_points[9].m_velocity, 31) << "31.4 read back as a whole number";
}

TEST(PlotFile, ALongGasNameIsCutAndLeavesTheRestInStep) {
    CurveInputs in = Defaults();
    in.m_gasText = "Hydrogen (generator grade)";
    const PlotData data = ReadBack(in);
    EXPECT_EQ(data.m_gas, "  Г-Н   = Hydrogen (gene");
    EXPECT_EQ(data.m_optimumLow, 10);
    EXPECT_EQ(data.m_optimumHigh, 40);
    EXPECT_EQ(data.m_points.front().m_pressure, 1);
    EXPECT_EQ(data.m_points.back().m_pressure, 150);
}

TEST(PlotFile, PointTokensAreTruncatedTowardZeroUntilOneIsNoNumber) {
    FakeHost host;
    host.writeFile("plot.xy",
                   "d\nt\nl\no\npsi\ng\n12.5\n-7\n"
                   "1.0  37.9\n2.0   0.4\n3  -3.6\n4 x 5\n");
    const PlotData data = PlotDataFromText(host.readWorkFile(kPlotFileName));
    EXPECT_EQ(data.m_optimumLow, 12);
    EXPECT_EQ(data.m_optimumHigh, -7);
    std::vector<std::pair<double, double>> points;
    for (const PlotPoint& p : data.m_points) points.emplace_back(p.m_pressure, p.m_velocity);
    EXPECT_THAT(points,
                ElementsAre(std::pair{1.0, 37.0}, std::pair{2.0, 0.0}, std::pair{3.0, -3.0}));
    // The same points as written, for those who want them whole.
    using Texts = std::pair<std::string, std::string>;
    EXPECT_THAT(ReadPlotFileText(host.readWorkFile(kPlotFileName)).m_points,
                ElementsAre(Texts{"1.0", "37.9"}, Texts{"2.0", "0.4"}, Texts{"3", "-3.6"}));
}

TEST(PlotFile, KeepsAtMostOneHundredSixtyPoints) {
    FakeHost host;
    std::string text = "d\r\nt\r\nl\r\no\r\nKPa\r\ng\r\n10\r\n40\r\n";
    for (int k = 1; k <= 200; ++k) text += std::to_string(k) + ".0  20.0\r\n";
    host.writeFile("plot.xy", text);
    const PlotData data = PlotDataFromText(host.readWorkFile(kPlotFileName));
    ASSERT_EQ(data.m_points.size(), 160u);
    EXPECT_EQ(data.m_points.back().m_pressure, 160);
}

TEST(PlotFile, AMissingFileReadsEmptyAndIsCreated) {
    FakeHost host;
    const PlotData data = PlotDataFromText(host.readWorkFile(kPlotFileName));
    EXPECT_EQ(data.m_gas, "");
    EXPECT_EQ(data.m_unit, "");
    EXPECT_EQ(data.m_optimumLow, 0);
    EXPECT_EQ(data.m_optimumHigh, 0);
    EXPECT_TRUE(data.m_points.empty());
    EXPECT_TRUE(host.hasFile("plot.xy"));
}

class PlotButtonTest : public ColumnTest {};

TEST_F(PlotButtonTest, WritesTheCurveThenOpensThePlotWindow) {
    open([](ui::Dialog& d) {
        d.click(column::IDC_UNIT_PSI);
        d.click(column::IDC_PLOT);
    });
    EXPECT_THAT(host.opened, ElementsAre(res::IDD_COLUMN, res::IDD_PLOT));
    const PlotData data = PlotDataFromText(host.readWorkFile(kPlotFileName));
    EXPECT_EQ(data.m_unit, "psi");
    EXPECT_EQ(data.m_outlet, "Давл.вых. = 14.7");
    EXPECT_EQ(data.m_points.size(), 150u);
}

TEST_F(PlotButtonTest, AGasNameOutsideTheCodePageReachesThePlotWindowThroughUtf8) {
    host.writeFile("gases.txt", "Hydrogen H₂\r\n1.9e-7\r\n4.1e-5\r\n30\r\n60\r\n");
    host.expect(res::IDD_PLOT, [](ui::Dialog& d) {
        EXPECT_EQ(d.caption(), "Скорость газа от вх. давления колонки :   Г-Н   = Hydrogen H₂");
    });
    open([](ui::Dialog& d) { d.click(column::IDC_PLOT); });
    EXPECT_THAT(host.readFile("plot.xy"), ::testing::StartsWith("вд(mm) = 0.320\r\n"));
}

TEST_F(PlotButtonTest, AFileThatCannotBeWrittenIsReportedAndNoStaleCurveIsShown) {
    host.writeFile("plot.xy", "an older curve\r\n");
    host.unwritable.insert("plot.xy");
    open([](ui::Dialog& d) { d.click(column::IDC_PLOT); });
    EXPECT_THAT(host.opened, ElementsAre(res::IDD_COLUMN));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Sorry, can't write file 'plot.xy'");
    EXPECT_EQ(host.messages[0].icon, ui::MessageIcon::Exclamation);
    EXPECT_EQ(host.readFile("plot.xy"), "an older curve\r\n");
}

TEST_F(PlotButtonTest, ThePlotWindowShowsTheCurveJustWrittenEvenIfPlotXyIsReplacedMeanwhile) {
    // Another program saves its own curve in the folder the moment this one is saved.
    host.afterSave = [&](const std::string& name) {
        host.writeFile(name, "вд(mm) = 9.999\r\n\r\n\r\n\r\nbar\r\n  Г-Н   = Other\r\n1\r\n2\r\n");
    };
    host.expect(res::IDD_PLOT, [&](ui::Dialog& d) {
        EXPECT_EQ(d.text(plot::IDC_DIAMETER_LINE), "вд(mm) = 0.320");
        EXPECT_THAT(d.caption(), ::testing::EndsWith("= Example"));
    });
    open([](ui::Dialog& d) { d.click(column::IDC_PLOT); });
    EXPECT_THAT(host.opened, ElementsAre(res::IDD_COLUMN, res::IDD_PLOT));
}

}  // namespace
}  // namespace veltrane::testing
