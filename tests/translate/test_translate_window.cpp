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
                  "Under constant flow the factor drifts by over 2% along the program");
    });
}

}  // namespace
}  // namespace veltrane::testing
