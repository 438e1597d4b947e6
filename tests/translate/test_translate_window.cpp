// The method translation window through the fake host: goals, a typed new carrier, warnings,
// the program rows, and translate.cfg kept on OK only.
#include <gmock/gmock.h>

#include "data/Numbers.h"
#include "resources/ResourceIds.h"
#include "tests/support/FakeHost.h"
#include "tests/support/WindowTest.h"
#include "translate/MethodTranslator.h"

namespace veltrane::testing {
namespace {

using namespace translate;
using ::testing::HasSubstr;

class TranslateTest : public WindowTest<MethodTranslator, res::IDD_TRANSLATE> {
protected:
    void SetUp() override { host.layShippedLists(); }
    static double Shown(const ui::Dialog& d, int id) { return ReadNumber(d.text(id)); }
};

TEST_F(TranslateTest, AFreshWindowTranslatesTheDefaultMethodTwiceAsFastOnHydrogen) {
    open([](ui::Dialog& d) {
        EXPECT_EQ(d.text(kOriginal.gasList), "Helium");
        EXPECT_EQ(d.text(kNew.gasList), "Hydrogen");
        EXPECT_TRUE(d.isChecked(IDC_CONSTANT_FLOW));
        EXPECT_TRUE(d.isChecked(IDC_GOAL_FASTER));
        EXPECT_EQ(d.text(kOriginal.flow), "1.20");
        EXPECT_EQ(d.text(IDC_FACTOR), "0.500");
        EXPECT_EQ(d.text(IDC_SPEED_GAIN), "2.000");
        EXPECT_NEAR(Shown(d, kNew.holdUp), Shown(d, kOriginal.holdUp) / 2, 0.002);
        EXPECT_EQ(d.text(IDC_NEW_INITIAL_HOLD), "0.50");
        EXPECT_EQ(d.text(NewRateId(0)), "24.0");
        EXPECT_EQ(d.text(NewHoldId(0)), "5.00");
        EXPECT_EQ(d.text(NewRateId(1)), "");
        EXPECT_EQ(d.text(IDC_RUN_TIME), "31.00");
        EXPECT_EQ(d.text(IDC_NEW_RUN_TIME), "15.50");
        EXPECT_EQ(d.text(kOriginal.phaseRatio), "250");
        EXPECT_EQ(d.text(kNew.phaseRatio), "250");
        // Hydrogen's viscosity climbs less with the oven than helium's: at constant flow the
        // factor drifts along the program.
        EXPECT_EQ(d.text(IDC_FINAL_FACTOR), "0.483");
        EXPECT_EQ(d.text(IDC_WARNINGS),
                  "Factor drifts by over 2% along the program (constant flow)");
        d.click(IDC_HELP);
    });
    ASSERT_EQ(host.helps.size(), 1u);
    EXPECT_EQ(host.helps[0].anchor, "Translation");
}

TEST_F(TranslateTest, EachGoalSetsTheNewCarrierAndTheFactorFollows) {
    struct Row {
        std::vector<std::pair<int, std::string>> typed;  // after the goal's radio
        int goal;
        const char* factor;
    };
    const Row rows[] = {
        {{}, IDC_GOAL_TIMES, "1.000"},
        {{{IDC_FASTER, "4"}}, IDC_GOAL_FASTER, "0.250"},
        {{{IDC_FASTER, "1,5"}}, IDC_GOAL_FASTER, "0.667"},
        {{}, IDC_GOAL_OPTIMUM, nullptr},
        {{{kNew.flow, "1.2"}}, IDC_GOAL_SET, nullptr},
    };
    for (const Row& row : rows) {
        open([&](ui::Dialog& d) {
            d.click(row.goal);
            for (const auto& [id, text] : row.typed) enter(d, id, text);
            EXPECT_TRUE(d.isChecked(row.goal)) << row.goal;
            if (row.factor) {
                EXPECT_EQ(d.text(IDC_FACTOR), row.factor) << row.goal;
            }
            // The factor is always the ratio of the two hold-up times shown.
            EXPECT_NEAR(Shown(d, IDC_FACTOR), Shown(d, kNew.holdUp) / Shown(d, kOriginal.holdUp),
                        0.002);
            // The new carrier's figures belong together: its velocity gives its hold-up time.
            EXPECT_NEAR(Shown(d, kNew.holdUp),
                        Shown(d, kNew.length) * 100 / (60 * Shown(d, kNew.velocity)), 0.01);
            if (row.goal == IDC_GOAL_OPTIMUM) {
                EXPECT_EQ(d.text(kNew.velocity), "45.0");
            }
            if (row.goal == IDC_GOAL_SET) {
                EXPECT_EQ(d.text(kNew.flow), "1.2");
            }
        });
    }
}

TEST_F(TranslateTest, UnderConstantPressureOneGasKeepsItsFactorAndTheFlowFollowsTheInlet) {
    open([](ui::Dialog& d) {
        d.click(IDC_CONSTANT_PRESSURE);
        d.selectEntry(kNew.gasList, 0);  // helium on the new column too
        enter(d, kOriginal.inlet, "150");
        EXPECT_EQ(d.text(kOriginal.inlet), "150");
        EXPECT_NE(d.text(kOriginal.flow), "1.20");
        EXPECT_EQ(d.text(IDC_FACTOR), "0.500");
        EXPECT_EQ(d.text(IDC_FINAL_FACTOR), "0.500") << "one gas: no drift along the oven";
        EXPECT_EQ(d.text(IDC_WARNINGS), "");
    });
}

TEST_F(TranslateTest, WarningsSayWhatTheNewMethodCannotKeep) {
    struct Row {
        std::vector<std::pair<int, std::string>> typed;
        const char* warning;
    };
    const Row rows[] = {
        {{{kNew.film, "0.5"}}, "Phase ratios differ by over 2%: elution order may change"},
        {{{kNew.length, "60"}, {kNew.diameter, "0.1"}, {kNew.film, "0.1"}, {IDC_GOAL_TIMES, ""}},
         "New inlet pressure above 150 psi, the limit of a typical inlet"},
    };
    for (const Row& row : rows) {
        open([&](ui::Dialog& d) {
            d.click(IDC_CONSTANT_PRESSURE);
            for (const auto& [id, text] : row.typed)
                text.empty() ? d.click(id) : enter(d, id, text);
            EXPECT_THAT(d.text(IDC_WARNINGS), HasSubstr(row.warning));
        });
    }
    open([](ui::Dialog& d) {
        d.click(IDC_CONSTANT_PRESSURE);
        enter(d, kNew.inlet, "0");
        EXPECT_EQ(d.text(kNew.holdUp), "infinite");
        EXPECT_EQ(d.text(IDC_FACTOR), "n/a");
        EXPECT_EQ(d.text(IDC_WARNINGS), "No factor: the new method's carrier gas does not flow");
    });
    open([](ui::Dialog& d) {
        d.click(kNew.outletVac);
        enter(d, kNew.length, "2");
        d.click(IDC_GOAL_TIMES);
        EXPECT_THAT(d.text(IDC_WARNINGS), HasSubstr("New inlet below ambient"));
        EXPECT_EQ(d.text(kNew.inlet).front(), '-');
    });
}

TEST_F(TranslateTest, TheProgramEndsAtAnEmptyOrZeroRateAndEveryRunningRampIsTranslated) {
    open([](ui::Dialog& d) {
        enter(d, RateId(1), "5");
        enter(d, FinalId(1), "300");
        enter(d, HoldId(1), "2");
        enter(d, RateId(2), "0");
        enter(d, FinalId(2), "350");
        EXPECT_EQ(d.text(RateId(2)), "0");
        EXPECT_EQ(d.text(IDC_RUN_TIME), "37.00");
        EXPECT_EQ(d.text(NewRateId(1)), "10.0");
        EXPECT_EQ(d.text(NewHoldId(1)), "1.00");
        EXPECT_EQ(d.text(NewRateId(2)), "");
        EXPECT_EQ(d.text(IDC_NEW_RUN_TIME), "18.50");
        enter(d, IDC_INITIAL_HOLD, "-3");  // bounds hold as in the other windows
        EXPECT_EQ(d.text(IDC_INITIAL_HOLD), "0.00");
    });
}

TEST_F(TranslateTest, OkKeepsTheInputsInTranslateCfgAndTheNextOpeningStartsFromThem) {
    EXPECT_EQ(open([](ui::Dialog& d) {
                  enter(d, kOriginal.length, "15");
                  d.click(IDC_UNIT_PSI);
                  d.click(IDC_GOAL_TIMES);
                  d.click(ui::IDCANCEL);
              }),
              ui::IDCANCEL);
    EXPECT_EQ(host.readFile("translate.cfg"), "") << "Cancel saves nothing";
    open([](ui::Dialog& d) {
        enter(d, kOriginal.length, "15");
        d.click(IDC_UNIT_PSI);
        d.click(IDC_GOAL_TIMES);
        d.click(ui::IDOK);
    });
    const std::string saved = host.readFile("translate.cfg");
    EXPECT_THAT(saved, HasSubstr("\r\nlength=15\r\n"));
    EXPECT_THAT(saved, HasSubstr("\r\ngoal=times\r\n"));
    EXPECT_THAT(saved, HasSubstr("\r\nunit=psi\r\n"));
    open([](ui::Dialog& d) {
        EXPECT_EQ(d.text(kOriginal.length), "15");
        EXPECT_TRUE(d.isChecked(IDC_UNIT_PSI));
        EXPECT_TRUE(d.isChecked(IDC_GOAL_TIMES));
        EXPECT_EQ(d.text(IDC_FACTOR), "1.000");
    });
    host.unwritable.insert("translate.cfg");
    open([](ui::Dialog& d) { d.click(ui::IDOK); });
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Sorry, can't write file 'translate.cfg'");
}

// What the window used to invent where it had nothing: each row a way to ask for a figure no
// computation gives, and what the window shows instead.
TEST_F(TranslateTest, AFigureThatCannotBeSolvedShowsNotAvailableAndTheWarningSaysWhy) {
    struct Row {
        std::vector<std::pair<int, std::string>> typed;  // a unit or outlet button as ""
        std::vector<std::pair<int, std::string>> shows;
        const char* warning;
    };
    const Row rows[] = {
        // An outlet below one atmosphere cannot go as slow as 0.5 cm/s.
        {{{kOriginal.outletOther, ""}, {kOriginal.outlet, "68.9"}, {kOriginal.velocity, "0.5"}},
         {{kOriginal.inlet, "n/a"},
          {kOriginal.flow, "n/a"},
          {kOriginal.holdUp, "n/a"},
          {IDC_FACTOR, "n/a"},
          {IDC_SPEED_GAIN, "n/a"},
          {kNew.inlet, "n/a"},
          {kNew.holdUp, "n/a"},
          {IDC_NEW_INITIAL_HOLD, "n/a"},
          {NewRateId(0), "n/a"},
          {IDC_NEW_RUN_TIME, "n/a"},
          {IDC_RUN_TIME, "31.00"}},
         "No inlet pressure gives the original method's flow or velocity"},
        // A carrier that does not flow has a hold-up time of its own words, and nothing to
        // translate by.
        {{{kOriginal.flow, "0"}},
         {{kOriginal.holdUp, "infinite"},
          {kNew.holdUp, "n/a"},
          {kNew.flow, "n/a"},
          {IDC_FACTOR, "n/a"}},
         "No factor: the original method's carrier gas does not flow"},
        // 100 times faster on a column no inlet can drive that hard: the search does not count
        // its end of range as a solution, nor any pressure above what a field accepts.
        {{{IDC_UNIT_PSI, ""},
          {kNew.length, "500"},
          {kNew.diameter, "0.001"},
          {kNew.film, "0.001"},
          {kOriginal.film, "0.0625"},
          {IDC_FASTER, "100"}},
         {{kNew.inlet, "n/a"}, {kNew.velocity, "n/a"}, {IDC_FACTOR, "n/a"}},
         "No inlet pressure gives the new method's target"},
        // A rate of next to nothing takes longer than a number can say.
        {{{RateId(0), "1e-307"}}, {{IDC_RUN_TIME, "n/a"}, {IDC_NEW_RUN_TIME, "n/a"}}, ""},
        // A ramp without a final temperature is no ramp; one that goes down ends the program
        // before it.
        {{{RateId(1), "5"}}, {{IDC_RUN_TIME, "31.00"}, {NewRateId(1), ""}}, ""},
        {{{RateId(1), "5"}, {FinalId(1), "0"}, {RateId(2), "5"}, {FinalId(2), "300"}},
         {{IDC_RUN_TIME, "31.00"}, {NewRateId(1), ""}, {NewRateId(2), ""}},
         "Ramp 2 does not climb: the program ends before it"},
    };
    for (const Row& row : rows) {
        open([&](ui::Dialog& d) {
            for (const auto& [id, text] : row.typed)
                text.empty() ? d.click(id) : enter(d, id, text);
            for (const auto& [id, text] : row.shows)
                EXPECT_EQ(d.text(id), text) << "control " << id << ", " << row.warning;
            EXPECT_THAT(d.text(IDC_WARNINGS), HasSubstr(row.warning));
        });
    }
}

TEST_F(TranslateTest, UnitClicksRewriteThePressuresAndChangeNoResult) {
    open([](ui::Dialog& d) {
        d.click(kOriginal.outletOther);
        enter(d, kOriginal.outlet, "120.5");
        enter(d, kOriginal.inlet, "92.8");
        std::vector<std::string> results;
        const int ids[] = {kOriginal.flow,   kOriginal.velocity, kOriginal.holdUp, kNew.flow,
                           kNew.velocity,    kNew.holdUp,        IDC_FACTOR,       IDC_FINAL_FACTOR,
                           IDC_NEW_RUN_TIME, NewRateId(0),       IDC_WARNINGS};
        for (int id : ids) results.push_back(d.text(id));
        for (int unit : {IDC_UNIT_PSI, IDC_UNIT_BAR, IDC_UNIT_KPA}) {
            d.click(unit);
            for (std::size_t k = 0; k < results.size(); ++k)
                EXPECT_EQ(d.text(ids[k]), results[k]) << "control " << ids[k] << " after " << unit;
        }
        EXPECT_EQ(d.text(kOriginal.inlet), "93.1") << "the shown pressure rounds as it always has";
    });
}

TEST_F(TranslateTest, WithoutAGasOnOfferTheWarningsSaySo) {
    host.removeFile("gases.txt");
    open([](ui::Dialog& d) {
        EXPECT_THAT(d.text(IDC_WARNINGS),
                    HasSubstr("No carrier gases in gases.txt: both methods computed with helium"));
    });
}

// A computed figure below ambient, a carrier set by its flow, duplicate and broken lines: what
// a window saved, it opens to and saves again unchanged.
TEST_F(TranslateTest, ThePrintoutIsEnglishWithBothMethodsProgramsAndWarnings) {
    open([](ui::Dialog& d) { d.click(IDC_PRINT); });
    ASSERT_EQ(host.printed.size(), 1u);
    EXPECT_EQ(host.printFiles, std::vector<std::string>{"translation.pdf"});
    std::string page;
    for (const std::string& call : host.printed[0]->page.calls) page += call + "\n";
    for (const char* line :
         {"Method translation", "Constant flow", "Original method: Helium", "New method: Hydrogen",
          "Column: 20.0 m x 0.180 mm x 0.18 um, beta 250",
          "Translation factor G: 0.500  Speed gain: 2.000", "G at the final temperature: 0.483",
          "Ramp 1: 12.0 -> 24.0 C/min to 280 C, hold 10.00 -> 5.00",
          "Run time (min): 31.00 -> 15.50", "Warning: Factor drifts by over 2%"})
        EXPECT_THAT(page, HasSubstr(line));
    // Without a factor the original program is still printed whole, each ramp beside "n/a".
    open([](ui::Dialog& d) {
        enter(d, kOriginal.flow, "0");
        d.click(IDC_PRINT);
    });
    ASSERT_EQ(host.printed.size(), 2u);
    page.clear();
    for (const std::string& call : host.printed[1]->page.calls) page += call + "\n";
    for (const char* line :
         {"Ramp 1: 12.0 -> n/a C/min to 280 C, hold 10.00 -> n/a",
          "Warning: No factor: the original method's carrier gas does", "  not flow"})
        EXPECT_THAT(page, HasSubstr(line));
}

TEST_F(TranslateTest, AWindowOpensToWhatItSavedAndSavesItAgainUnchanged) {
    host.writeFile("translate.cfg",
                   "new-outlet-mode=vac\r\ncontrol=pressure\nrate2=1=5\r\nrate2=0\r\n1=5\r\n");
    open([](ui::Dialog& d) {
        d.click(IDC_GOAL_SET);
        d.click(ui::IDOK);
    });
    const std::string saved = host.readFile("translate.cfg");
    EXPECT_THAT(saved, HasSubstr("\r\nnew-inlet=-"));
    open([](ui::Dialog& d) { d.click(ui::IDOK); });
    EXPECT_EQ(host.readFile("translate.cfg"), saved);
}

TEST_F(TranslateTest, JunkInTranslateCfgGivesTheDefaultsForThoseInputsOnly) {
    host.writeFile("translate.cfg",
                   "length=12,5\r\ndiameter=abc\r\nunit=furlong\r\ngoal=\r\nrate2=\r\n"
                   "film=-4\r\nno equals sign\r\n\xFF\xFE=1\r\nnew-gas=nit\r\n");
    open([](ui::Dialog& d) {
        EXPECT_EQ(d.text(kOriginal.length), "12,5");
        EXPECT_EQ(d.text(kOriginal.diameter), "0.250");
        EXPECT_TRUE(d.isChecked(IDC_UNIT_KPA));
        EXPECT_TRUE(d.isChecked(IDC_GOAL_FASTER));
        EXPECT_EQ(d.text(kOriginal.film), "0.01") << "held to its bounds as if typed";
        EXPECT_EQ(d.text(kNew.gasList), "Nitrogen");
        EXPECT_EQ(d.text(IDC_FACTOR), "0.500");
    });
}

}  // namespace
}  // namespace veltrane::testing
