// The predicted chromatogram window through the fake host: the fresh window, the published
// simulator case typed in, warnings, chromatogram.cfg kept on OK only, and the printout.
#include <gmock/gmock.h>

#include <sstream>

#include "app/calc/Cases.h"
#include "chromatogram/ChromatogramPrintout.h"
#include "chromatogram/ChromatogramWindow.h"
#include "data/Numbers.h"
#include "resources/ResourceIds.h"
#include "tests/data/ScratchFolder.h"
#include "tests/support/FakeHost.h"
#include "tests/support/WindowFiles.h"
#include "tests/support/WindowTest.h"

namespace veltrane::testing {
namespace {

using namespace chromatogram;
using ::testing::HasSubstr;

class ChromatogramTest : public WindowTest<ChromatogramWindow, res::IDD_CHROMATOGRAM> {
protected:
    void SetUp() override { host.layShippedLists(); }
};

TEST_F(ChromatogramTest, AFreshWindowPredictsThePhasesCompoundsOnTheDefaultMethod) {
    open([](ui::Dialog& d) {
        EXPECT_EQ(d.text(IDC_GAS_LIST), "Helium");
        EXPECT_EQ(d.text(IDC_PHASE_LIST), "SLB5ms");
        EXPECT_EQ(d.control(IDC_PHASE_LIST).combo.items.size(), 5u);
        EXPECT_TRUE(d.isChecked(IDC_CONSTANT_PRESSURE));
        EXPECT_EQ(d.text(IDC_INLET), "172.4");
        EXPECT_FALSE(d.isEnabled(IDC_FLOW));
        EXPECT_FALSE(d.isEnabled(InletId(0)));
        EXPECT_EQ(d.text(IDC_RUN_TIME), "32.00");
        const auto& rows = d.control(IDC_PEAKS).table.rows;
        ASSERT_EQ(rows.size(), 17u);
        EXPECT_EQ(rows[0][0], "1");
        EXPECT_EQ(rows[0][1], "Heptane");
        EXPECT_EQ(rows[16][1], "Pentadecane");
        // The heptane peak comes first and has no peak before it to be resolved from.
        EXPECT_EQ(rows[0][4], "");
        EXPECT_NE(rows[1][4], "");
        EXPECT_EQ(d.control(IDC_PEAKS).table.columns.size(), 6u);
        d.click(IDC_HELP);
        d.click(IDC_COMPOUNDS_BUTTON);
    });
    ASSERT_EQ(host.helps.size(), 1u);
    EXPECT_EQ(host.helps[0].anchor, "Chromatogram");
    ASSERT_EQ(host.editors.size(), 1u);
    EXPECT_EQ(host.editors[0].filename(), "compounds.txt");
}

// The published simulator case, as a person types it: decane at 87.41 s, undecane's sigma
// 0.590 s there; this program's viscosity line moves decane by about 0.3 %.
TEST_F(ChromatogramTest, ThePublishedCaseTypedInWithAPressureProgram) {
    open([](ui::Dialog& d) {
        enter(d, IDC_LENGTH, "10");
        enter(d, IDC_DIAMETER, "0.25");
        enter(d, IDC_FILM, "0.25");
        d.click(IDC_OUTLET_VAC);
        d.click(IDC_PRESSURE_PROGRAM);
        EXPECT_TRUE(d.isEnabled(InletId(0)));
        enter(d, IDC_INLET, "199.97");
        enter(d, IDC_INITIAL, "40");
        enter(d, IDC_INITIAL_HOLD, "1");
        enter(d, RateId(0), "26");
        enter(d, FinalId(0), "300");
        enter(d, HoldId(0), "5");
        enter(d, InletId(0), "299.97");
        enter(d, IDC_COMPOUNDS, "undecane; DECANE");
        const auto& rows = d.control(IDC_PEAKS).table.rows;
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(rows[0][1], "Decane");
        EXPECT_NEAR(ReadNumber(rows[0][2]) * 60, 87.41, 0.01 * 87.41);
        EXPECT_EQ(rows[1][1], "Undecane");
        EXPECT_NEAR(ReadNumber(rows[1][3]) / 2.3548, 0.590, 0.03 * 0.590);
        EXPECT_EQ(rows[1][5], "");
    });
}

TEST_F(ChromatogramTest, WarningsNameTheCriticalPairsTheHeldCompoundsAndAGasWithoutData) {
    host.writeFile("gases.txt", "Neon\r\n3.0e-07\r\n2.0e-04\r\n20\r\n40\r\n");
    open([](ui::Dialog& d) {
        // Without diffusion data there are times but no widths.
        EXPECT_EQ(d.text(IDC_GAS_LIST), "Neon");
        EXPECT_THAT(d.text(IDC_WARNINGS), HasSubstr("ширины пиков не вычислены"));
        EXPECT_EQ(d.control(IDC_PEAKS).table.rows[3][3], "");
        // A short isothermal run at 40 C: the heavy ones stay in the column.
        enter(d, RateId(0), "");
        EXPECT_THAT(d.text(IDC_WARNINGS), HasSubstr("Не элюируются: "));
        EXPECT_EQ(d.control(IDC_PEAKS).table.rows.back()[5], "не элюируется");
        enter(d, IDC_COMPOUNDS, "nothing such");
        EXPECT_THAT(d.text(IDC_WARNINGS), HasSubstr("Ни одно вещество этой фазы"));
    });
    host.layShippedLists();
    open([](ui::Dialog& d) {
        // Octanols and nonanols crowd the middle of the SLB5ms set at a fast ramp.
        enter(d, RateId(0), "40");
        EXPECT_THAT(d.text(IDC_WARNINGS), HasSubstr("Критические пары: "));
    });
}

TEST_F(ChromatogramTest, OkKeepsTheInputsAndCancelDoesNot) {
    open([](ui::Dialog& d) {
        d.selectEntry(IDC_PHASE_LIST, 2);
        d.click(IDC_CONSTANT_FLOW);
        enter(d, IDC_FLOW, "2.5");
        d.click(IDC_UNIT_PSI);
        d.click(ui::IDOK);
    });
    EXPECT_TRUE(host.hasFile("chromatogram.cfg"));
    open([](ui::Dialog& d) {
        EXPECT_EQ(d.text(IDC_PHASE_LIST), "Wax");
        EXPECT_TRUE(d.isChecked(IDC_CONSTANT_FLOW));
        EXPECT_EQ(d.text(IDC_FLOW), "2.5");
        EXPECT_EQ(d.text(IDC_INLET), "25.0");
        enter(d, IDC_LENGTH, "15");
        d.click(ui::IDCANCEL);
    });
    open([](ui::Dialog& d) { EXPECT_EQ(d.text(IDC_LENGTH), "30.0"); });
}

TEST_F(ChromatogramTest, ThePrintoutIsEnglishWithTheFiguresAndTheDrawing) {
    ChromatogramWindow* window = &calculator;
    open([window](ui::Dialog& d) {
        enter(d, IDC_COMPOUNDS, "Decane;Undecane");
        const std::vector<std::string> lines = ChromatogramPrintLines(d, window->result());
        EXPECT_EQ(lines[1], "Predicted chromatogram");
        EXPECT_THAT(lines, ::testing::Contains(HasSubstr("Constant pressure(KPa): 172.4")));
        EXPECT_THAT(lines, ::testing::Contains(HasSubstr("Phase: SLB5ms")));
        EXPECT_THAT(lines, ::testing::Contains(HasSubstr(" 2  Undecane ")));
        d.click(IDC_PRINT);
    });
    ASSERT_EQ(host.printed.size(), 1u);
}

// veltrane-calc's rows are the window's list, to the digits the list shows.
TEST_F(ChromatogramTest, VeltraneCalcPrintsTheWindowsList) {
    const std::vector<std::string> words{"phase=wax", "control=flow", "rate1=30"};
    std::vector<std::vector<std::string>> listed;
    open([&](ui::Dialog& d) {
        d.selectByPrefix(IDC_PHASE_LIST, "wax");
        d.selectEntry(IDC_PHASE_LIST, d.selection(IDC_PHASE_LIST));
        d.click(IDC_CONSTANT_FLOW);
        enter(d, RateId(0), "30");
        listed = d.control(IDC_PEAKS).table.rows;
    });
    const ScratchFolder folder;
    for (const char* list : kShippedLists) folder.Write(list, ShippedList(list));
    const calc::Calculator& steps = calc::ChromatogramCalculatorSteps();
    std::ostringstream notices;
    calc::CaseRunner runner(steps, folder.Path(), notices);
    std::variant<std::vector<calc::Output>, std::string> printed;
    runner.open([&] {
        printed = runner.run(std::get<std::vector<calc::Step>>(calc::ParseSteps(steps, words)));
    });
    ASSERT_TRUE(std::holds_alternative<std::vector<calc::Output>>(printed));
    const auto& rows = std::get<0>(printed);
    ASSERT_EQ(rows.size(), listed.size());
    ASSERT_EQ(rows.size(), 17u);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        EXPECT_EQ(rows[k][0].second, listed[k][1]);  // compound
        EXPECT_EQ(rows[k][1].second, listed[k][2]);  // retention
        EXPECT_EQ(rows[k][3].second, listed[k][3]);  // width
        EXPECT_EQ(rows[k][4].second, listed[k][4]);  // resolution
    }
}

}  // namespace
}  // namespace veltrane::testing
