#include <gtest/gtest.h>

#include <string>

#include "vapor/model/VaporVolumeModel.h"

namespace veltrane {
namespace {

constexpr const char* kTooClose = "Inlet temp too close to solvent boiling point";
constexpr SolventProperties kBuiltIn = VaporVolumeModel::kBuiltInSolvent;

struct VolumeCase {
    const char* injection;
    const char* temperature;
    const char* pressure;
    PressureUnit unit;
    SolventProperties solvent;
    const char* text;
    const char* warning;
};

class VaporVolumeTest : public ::testing::TestWithParam<VolumeCase> {};

TEST_P(VaporVolumeTest, TextAndWarning) {
    const VolumeCase& c = GetParam();
    const VaporVolume v = VaporVolumeModel().ComputeVaporVolume(c.injection, c.temperature,
                                                                c.pressure, c.unit, c.solvent);
    EXPECT_EQ(v.m_text, c.text);
    EXPECT_EQ(v.m_warning, c.warning);
}

using enum PressureUnit;

INSTANTIATE_TEST_SUITE_P(
    Cases, VaporVolumeTest,
    ::testing::Values(VolumeCase{"1.0", "175", "101", KPa, kBuiltIn, "141 ul", ""},  // 140.97
                      VolumeCase{"1.0", "175", "14.6", Psi, kBuiltIn, "141 ul", ""},
                      VolumeCase{"1.0", "175", "1.01", Bar, kBuiltIn, "141 ul", ""},
                      VolumeCase{"1", "89", "0", KPa, kBuiltIn, "n/a", kTooClose},  // exactly 20
                      VolumeCase{"1", "89.5", "0", KPa, kBuiltIn, "228 ul", ""},
                      VolumeCase{"1", "50", "0", KPa, kBuiltIn, "n/a", kTooClose},
                      VolumeCase{"1", "175", "0", KPa, {69, 0.66, 0}, "n/a", ""},
                      VolumeCase{"1", "175", "-14.696", Psi, kBuiltIn, "n/a", ""},
                      VolumeCase{"-0", "175", "0", KPa, kBuiltIn, "0   ul", ""},
                      VolumeCase{"x", "175", "y", KPa, kBuiltIn, "0   ul", ""}));

struct CapacityCase {
    const char* vapor;
    const char* liner;
    int lower;
    int upper;
    const char* text;
    int position;
    CapacityLevel level;
};

class CapacityTest : public ::testing::TestWithParam<CapacityCase> {};

TEST_P(CapacityTest, PercentageAndLevel) {
    const CapacityCase& c = GetParam();
    const Capacity cap = VaporVolumeModel().ComputeCapacity(c.vapor, c.liner, c.lower, c.upper);
    EXPECT_EQ(cap.m_text, c.text);
    EXPECT_EQ(cap.m_progressPosition, c.position);
    EXPECT_EQ(cap.m_level, c.level);
    EXPECT_EQ(cap.m_overloadText, c.level == CapacityLevel::Overload ? "O v e r l o a d" : "");
}

using enum CapacityLevel;

INSTANTIATE_TEST_SUITE_P(
    Cases, CapacityTest,
    ::testing::Values(CapacityCase{"141 ul", "900", 10, 100, "16 %", 15, Caution},
                      CapacityCase{"n/a", "900", 10, 100, "0  %", 0, Normal},
                      CapacityCase{"141 ul", "0", 10, 100, "16 %", 15, Caution},  // 900 taken
                      CapacityCase{"75 ul", "100", 50, 75, "75 %", 75, Caution},
                      CapacityCase{"50 ul", "100", 50, 75, "50 %", 50, Normal},
                      CapacityCase{"1970 ul", "985", 50, 75, "200%", 200, Overload}));

TEST(Capacity, UsesTheShownRoundedVolume) {
    const VaporVolumeModel model;
    // The injection that gives 99.6 µl: shown as 100, so 100 % of a 100 µl liner.
    const double injection = 99.6 / ((175.0 + 273.0) / 14.696 * 1206.0);
    const VaporVolume v = model.ComputeVaporVolume(injection, 175.0, 0.0, Psi, {-100.0, 1.0, 1.0});
    ASSERT_EQ(v.m_text, "100 ul");
    EXPECT_DOUBLE_EQ(model.ComputeCapacity(v.m_text, "100", 50, 75).m_percentage, 100.0);
}

}  // namespace
}  // namespace veltrane
