// Both methods' chromatograms opened from the translation window through the fake host: a
// translation that keeps the phase ratio scales every retention by G, one that changes the gas
// nearly so, a thicker film not at all; the elution order checked compound by compound.
#include <gmock/gmock.h>

#include <sstream>

#include "app/calc/Cases.h"
#include "data/Numbers.h"
#include "resources/ResourceIds.h"
#include "tests/data/ScratchFolder.h"
#include "tests/support/FakeHost.h"
#include "tests/support/WindowFiles.h"
#include "tests/support/WindowTest.h"
#include "translate/MethodTranslator.h"
#include "translated/TranslatedChromatograms.h"
#include "translated/TranslatedPrintout.h"

namespace veltrane::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

class TranslatedTest : public WindowTest<MethodTranslator, res::IDD_TRANSLATE> {
protected:
    void SetUp() override { host.layShippedLists(); }

    // 30 m x 0.25 mm x 0.25 um helium at 25 psi constant pressure, 40 C for 1 min, then
    // 10 C/min to 300 C for 5 min, moved to the new column and gas given.
    static void TypeMethods(ui::Dialog& d, const char* newGas, const char* length,
                            const char* diameter, const char* film, int goal) {
        using namespace translate;
        d.click(IDC_UNIT_PSI);
        d.click(IDC_CONSTANT_PRESSURE);
        d.selectEntry(kOriginal.gasList, 0);  // Helium
        for (const auto& [id, text] : {std::pair{kOriginal.length, "30"},
                                       {kOriginal.diameter, "0.25"},
                                       {kOriginal.film, "0.25"},
                                       {kOriginal.inlet, "25"},
                                       {IDC_INITIAL, "40"},
                                       {IDC_INITIAL_HOLD, "1"},
                                       {RateId(0), "10"},
                                       {FinalId(0), "300"},
                                       {HoldId(0), "5"},
                                       {kNew.length, length},
                                       {kNew.diameter, diameter},
                                       {kNew.film, film}})
            enter(d, id, text);
        d.selectByPrefix(kNew.gasList, newGas);
        d.selectEntry(kNew.gasList, d.selection(kNew.gasList));
        d.click(goal);
    }

    // Opens the chromatograms over the translation window and hands the script that window.
    void chromatograms(const std::function<void(ui::Dialog&)>& setUp,
                       const std::function<void(ui::Dialog&)>& look) {
        host.expect(res::IDD_TRANSLATED, look);
        open([&](ui::Dialog& d) {
            setUp(d);
            d.click(translate::IDC_CHROMATOGRAMS);
        });
    }

    static std::vector<double> Ratios(const ui::Dialog& d) {
        std::vector<double> ratios;
        for (const auto& row : d.control(translated::IDC_PEAKS).table.rows)
            ratios.push_back(ReadNumber(row[4]));
        return ratios;
    }
};

TEST_F(TranslatedTest, TwiceAsFastOnAColumnOfTheSamePhaseRatioScalesEveryTimeByG) {
    chromatograms(
        [](ui::Dialog& d) {
            TypeMethods(d, "Helium", "15", "0.125", "0.125", translate::IDC_GOAL_FASTER);
            EXPECT_EQ(d.text(translate::IDC_FACTOR), "0.500");
        },
        [](ui::Dialog& d) {
            using namespace translated;
            EXPECT_EQ(d.text(IDC_PHASE_LIST), "SLB5ms");
            EXPECT_EQ(d.text(IDC_FACTOR), "0.500");
            const auto& rows = d.control(IDC_PEAKS).table.rows;
            ASSERT_EQ(rows.size(), 17u);
            EXPECT_EQ(rows[0][1], "Heptane");
            for (double ratio : Ratios(d)) EXPECT_NEAR(ratio, 1.0, 0.003);
            for (const auto& row : rows) EXPECT_EQ(row[7], "");
            EXPECT_EQ(rows[0][5], "");
            EXPECT_NE(rows[1][6], "");
            EXPECT_EQ(d.text(IDC_WARNINGS), "");
            d.click(IDC_HELP);
        });
    ASSERT_EQ(host.helps.size(), 1u);
    EXPECT_EQ(host.helps[0].anchor, "Translated");
}

TEST_F(TranslatedTest, HydrogenOnTheSameColumnKeepsEveryTimeWithinHalfAPercent) {
    chromatograms(
        [](ui::Dialog& d) {
            TypeMethods(d, "Hydrogen", "30", "0.25", "0.25", translate::IDC_GOAL_FASTER);
        },
        [](ui::Dialog& d) {
            for (double ratio : Ratios(d)) EXPECT_NEAR(ratio, 1.0, 0.005);
            EXPECT_THAT(d.text(translated::IDC_WARNINGS), Not(HasSubstr("Фазовые")));
        });
}

TEST_F(TranslatedTest, AFilmTwiceAsThickHoldsEveryCompoundLongerAndIsWarnedOf) {
    std::vector<std::string> printed;
    chromatograms(
        [](ui::Dialog& d) {
            TypeMethods(d, "Helium", "30", "0.25", "0.5", translate::IDC_GOAL_TIMES);
        },
        [&](ui::Dialog& d) {
            for (double ratio : Ratios(d)) EXPECT_GT(ratio, 1.05);
            EXPECT_THAT(d.text(translated::IDC_WARNINGS),
                        HasSubstr("Фазовые отношения различаются"));
            d.click(translated::IDC_PRINT);
        });
    ASSERT_EQ(host.printed.size(), 1u);
    EXPECT_THAT(host.printed[0]->page.callsOf("text"),
                ::testing::Contains(HasSubstr("Warning: Phase ratios differ")));
    EXPECT_THAT(host.printed[0]->page.callsOf("text"),
                ::testing::Contains(HasSubstr(" 1  Heptane       2.061   2.880 1.3974")));
}

// The phase and names chosen are kept by OK in the chromatograms window, and saved with the
// translation's own OK; Cancel in either keeps what was there.
TEST_F(TranslatedTest, TheCompoundsChosenAreKeptInTranslateCfg) {
    using namespace translated;
    host.expect(res::IDD_TRANSLATED, [](ui::Dialog& d) {
        d.selectEntry(IDC_PHASE_LIST, d.selectByPrefix(IDC_PHASE_LIST, "wax"));
        enter(d, IDC_COMPOUNDS, "dec; 1-");
        EXPECT_EQ(d.control(IDC_PEAKS).table.rows.size(), 3u);
        d.click(ui::IDOK);
    });
    host.expect(res::IDD_TRANSLATED, [](ui::Dialog& d) {
        EXPECT_EQ(d.text(IDC_PHASE_LIST), "Wax");
        EXPECT_EQ(d.text(IDC_COMPOUNDS), "dec; 1-");
        d.selectEntry(IDC_PHASE_LIST, 0);
    });  // closed with Cancel: Wax stays
    open([](ui::Dialog& d) {
        d.click(translate::IDC_CHROMATOGRAMS);
        d.click(translate::IDC_CHROMATOGRAMS);
        d.click(ui::IDOK);
    });
    EXPECT_THAT(host.readFile("translate.cfg"), HasSubstr("phase=Wax\r\ncompounds=dec; 1-\r\n"));
}

// veltrane-calc's rows are the window's list, to the digits the list shows: the translation's
// steps in its window, the phase and names in the window its button opens.
TEST_F(TranslatedTest, VeltraneCalcPrintsTheWindowsList) {
    std::vector<std::vector<std::string>> listed;
    chromatograms([](ui::Dialog& d) { enter(d, translate::kNew.film, "0.5"); },
                  [&](ui::Dialog& d) {
                      d.selectEntry(translated::IDC_PHASE_LIST,
                                    d.selectByPrefix(translated::IDC_PHASE_LIST, "spb"));
                      listed = d.control(translated::IDC_PEAKS).table.rows;
                  });
    const ScratchFolder folder;
    for (const char* list : kShippedLists) folder.Write(list, ShippedList(list));
    const calc::Calculator& steps = calc::TranslatedCalculatorSteps();
    std::ostringstream notices;
    calc::CaseRunner runner(steps, folder.Path(), notices);
    std::variant<std::vector<calc::Output>, std::string> printed;
    runner.open([&] {
        printed = runner.run(std::get<std::vector<calc::Step>>(
            calc::ParseSteps(steps, {"phase=spb", "new-film=0.5"})));
    });
    ASSERT_TRUE(std::holds_alternative<std::vector<calc::Output>>(printed));
    const auto& rows = std::get<0>(printed);
    ASSERT_EQ(rows.size(), 17u);
    ASSERT_EQ(rows.size(), listed.size());
    for (std::size_t k = 0; k < rows.size(); ++k)
        for (std::size_t column = 0; column < 6; ++column)
            EXPECT_EQ(rows[k][column].second, listed[k][column + 1]);
}

// Peaks by hand: (solute, seconds, sigma, critical with the peak before), in elution order.
chromatogram::Prediction Peaks(std::vector<std::tuple<std::size_t, double, bool>> peaks) {
    chromatogram::Prediction p;
    for (const auto& [solute, seconds, critical] : peaks) {
        chromatogram::Peak peak;
        peak.m_solute = solute;
        peak.m_elution = {true, seconds, 1.0};
        peak.m_critical = critical;
        p.m_peaks.push_back(peak);
    }
    return p;
}

// B overtakes A: B's order changed, not A's. D comes out just after C (R 0.25) where it was
// well apart (R 2.5): a separation lost. E and F stay critical in both: nothing lost.
TEST(Comparison, NamesTheCompoundThatOvertakesAndTheSeparationLost) {
    const auto original = Peaks({{0, 100, false},
                                 {1, 110, false},
                                 {2, 200, false},
                                 {3, 210, false},
                                 {4, 300, false},
                                 {5, 301, true}});
    const auto moved = Peaks({{1, 54, false},
                              {0, 56, true},
                              {2, 100, false},
                              {3, 101, true},
                              {4, 150, false},
                              {5, 150.5, true}});
    const auto compared = translated::Compare(original, moved, 0.5);
    ASSERT_EQ(compared.size(), 6u);
    EXPECT_TRUE(compared[0].m_overtaken.empty());
    EXPECT_THAT(compared[1].m_overtaken, ::testing::ElementsAre(0u));
    EXPECT_EQ(NoteOf(compared[1], true), CompoundNote::OrderChanged);
    EXPECT_NEAR(*compared[1].m_ratio, 54 / (0.5 * 110), 1e-12);
    EXPECT_EQ(compared[3].m_lostSeparationFrom, 2u);
    EXPECT_EQ(NoteOf(compared[3], true), CompoundNote::CriticalPair);
    EXPECT_EQ(NoteOf(compared[5], true), CompoundNote::None);
}

}  // namespace
}  // namespace veltrane::testing
