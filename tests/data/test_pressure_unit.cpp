#include <gtest/gtest.h>

#include <climits>
#include <optional>

#include "data/PressureUnit.h"

namespace veltrane {
namespace {

using enum PressureUnit;
using enum CalculatorWindow;

TEST(PressureUnit, FactorsAreTheFixedConstantsNotDerivedFromEachOther) {
    EXPECT_EQ(UnitFactor(Psi, KPa), 6.895);
    EXPECT_EQ(UnitFactor(Bar, KPa), 100.0);
    EXPECT_EQ(UnitFactor(KPa, Psi), 0.145032632);
    EXPECT_EQ(UnitFactor(Bar, Psi), 14.504);
    EXPECT_EQ(UnitFactor(Psi, Bar), 0.06895);
    EXPECT_EQ(UnitFactor(KPa, Bar), 0.01);
    EXPECT_EQ(UnitFactor(Bar, Bar), 1.0);
    EXPECT_GT(UnitFactor(Bar, Psi) * UnitFactor(Psi, Bar), 1.0);
}

TEST(PressureUnit, ConversionsToPsiAndDyn) {
    EXPECT_DOUBLE_EQ(GaugeToAbsolutePsi(101.0, KPa), 101.0 * 0.145032632 + 14.696);
    EXPECT_DOUBLE_EQ(GaugeToAbsolutePsi(10.0, Psi), 24.696);
    EXPECT_DOUBLE_EQ(GaugeToAbsolutePsi(1.0, Bar), 29.2);
    EXPECT_DOUBLE_EQ(AbsoluteToPsi(101.1, KPa), 101.1 * 0.145032632);
    EXPECT_DOUBLE_EQ(AbsoluteToPsi(1.011, Bar), 1.011 * 14.504);
    EXPECT_EQ(PsiToDynPerSquareCm(1.0), 68950.0);
    EXPECT_DOUBLE_EQ(DynPerSquareCmToPsi(68950.0), 1.0);
    EXPECT_EQ(UnitKeyword(KPa), "KPa");
    EXPECT_EQ(UnitKeyword(Psi), "psi");
    EXPECT_EQ(UnitKeyword(Bar), "bar");
}

TEST(PressureUnit, FixedOutletTexts) {
    EXPECT_EQ(FixedOutletText(OutletMode::Atm, KPa), "101.1");
    EXPECT_EQ(FixedOutletText(OutletMode::Atm, Psi), "14.7");
    EXPECT_EQ(FixedOutletText(OutletMode::Atm, Bar), "1.011");
    EXPECT_EQ(FixedOutletText(OutletMode::Vacuum, Psi), "0.0");
    EXPECT_EQ(FixedOutletText(OutletMode::Vacuum, Bar), "0.000");
    EXPECT_EQ(FixedOutletText(OutletMode::Other, KPa), "");
}

TEST(PressureUnit, Scales) {
    const PressureScale columnBar = ScaleFor(Column, Bar);
    EXPECT_EQ(columnBar.m_scale, 1000.0);
    EXPECT_EQ(columnBar.m_sliderMin, 10);
    EXPECT_EQ(columnBar.m_sliderMax, 10350);
    EXPECT_EQ(columnBar.m_tickFrequency, 518);
    EXPECT_EQ(columnBar.m_pageSize, 1035);
    const PressureScale columnPsi = ScaleFor(Column, Psi);
    EXPECT_EQ(columnPsi.m_sliderMax, 1500);
    EXPECT_EQ(columnPsi.m_pageSize, 150);
    EXPECT_EQ(columnPsi.m_spinMin, 10);
    const PressureScale vaporKPa = ScaleFor(Vapor, KPa);
    EXPECT_EQ(vaporKPa.m_scale, 1.0);
    EXPECT_EQ(vaporKPa.m_sliderMin, 0);
    EXPECT_EQ(vaporKPa.m_tickFrequency, 52);
    EXPECT_EQ(vaporKPa.m_pageSize, std::nullopt);
    EXPECT_EQ(ScaleFor(Vapor, Psi).m_tickFrequency, 75);
    EXPECT_EQ(ScaleFor(Vapor, Bar).m_scale, 100.0);
}

TEST(PressureUnit, NearestPositionRoundsHalvesUpAndHoldsWithinInt) {
    EXPECT_EQ(NearestPosition(68.9, 10.0), 689);
    EXPECT_EQ(NearestPosition(0.25, 10.0), 3);
    EXPECT_EQ(NearestPosition(-0.25, 10.0), -2);
    EXPECT_EQ(NearestPosition(1e300, 10.0), INT_MAX);
    EXPECT_EQ(NearestPosition(-1e300, 10.0), INT_MIN);
}

struct ChangeCase {
    CalculatorWindow window;
    PressureUnit from;
    PressureUnit to;
    const char* text;
    const char* expectedText;
    int expectedPosition;
};

class ChangeUnitTest : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(ChangeUnitTest, ConvertsTheShownText) {
    const ChangeCase& c = GetParam();
    const std::optional<UnitChange> change = ChangeUnit(c.text, c.from, c.to, c.window);
    ASSERT_TRUE(change.has_value());
    EXPECT_EQ(change->m_text, c.expectedText);
    EXPECT_EQ(change->m_position, c.expectedPosition);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChangeUnitTest,
    ::testing::Values(ChangeCase{Column, KPa, Psi, "68.9", "10.0", 100},
                      ChangeCase{Column, Psi, KPa, "10.0", "68.9", 689},   // a hair below 68.95
                      ChangeCase{Column, Psi, Bar, "10.0", "0.690", 690},  // a hair above 0.6895
                      ChangeCase{Column, KPa, Bar, "101.1", "1.011", 1011},
                      ChangeCase{Column, KPa, Psi, "101.1", "14.7", 147},
                      ChangeCase{Column, KPa, Psi, "2068.5", "300.0",
                                 3000},  // beyond the slider, in full
                      ChangeCase{Column, KPa, Bar, "junk", "0.000", 0},
                      ChangeCase{Vapor, KPa, Psi, "101", "14.6", 146},
                      ChangeCase{Vapor, KPa, Bar, "101", "1.01", 101},
                      ChangeCase{Vapor, Psi, KPa, "14.6", "101.", 101},
                      ChangeCase{Vapor, Bar, KPa, "", " 0.", 0},
                      // Only the first 24 characters of the field count.
                      ChangeCase{Vapor, Bar, Psi, "                       1", "14.5", 145},
                      ChangeCase{Vapor, Bar, Psi, "                        1", "0.0", 0}));

TEST(ChangeUnit, TheUnitInForceChangesNothing) {
    EXPECT_EQ(ChangeUnit("68.9", KPa, KPa, Column), std::nullopt);
    EXPECT_EQ(ChangeUnit("1.01", Bar, Bar, Vapor), std::nullopt);
}

}  // namespace
}  // namespace veltrane
