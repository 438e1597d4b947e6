#include <gtest/gtest.h>

#include <optional>

#include "data/PressureUnit.h"

namespace veltrane {
namespace {

using enum PressureUnit;
using enum CalculatorWindow;

TEST(PressureUnit, ConversionsToPsi) {
    // The factors are not each other's inverses: there and back is not quite 1.
    EXPECT_GT(UnitFactor(Bar, Psi) * UnitFactor(Psi, Bar), 1.0);
    EXPECT_DOUBLE_EQ(GaugeToAbsolutePsi(101.0, KPa), 29.3442958320);
    EXPECT_DOUBLE_EQ(GaugeToAbsolutePsi(1.0, Bar), 29.2);
    EXPECT_DOUBLE_EQ(DynPerSquareCmToPsi(PsiToDynPerSquareCm(14.696)), 14.696);
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
                      ChangeCase{Column, Psi, KPa, "10.0", "68.9", 689},      // a hair below 68.95
                      ChangeCase{Column, Psi, Bar, "10.0", "0.690", 690},     // a hair above 0.6895
                      ChangeCase{Column, KPa, Psi, "2068.5", "300.0", 3000},  // beyond the slider
                      ChangeCase{Column, KPa, Bar, "junk", "0.000", 0},
                      ChangeCase{Vapor, KPa, Psi, "101", "14.6", 146},
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
