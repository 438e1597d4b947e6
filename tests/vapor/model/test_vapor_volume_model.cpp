#include <gtest/gtest.h>

#include <string>

#include "vapor/model/VaporVolumeModel.h"

namespace veltrane {
namespace {

constexpr const char* kTooClose = "Inlet temp too close to solvent boiling point";
constexpr SolventProperties kBuiltIn = VaporVolumeModel::kBuiltInSolvent;

struct VolumeCase {
    const char* name;
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

INSTANTIATE_TEST_SUITE_P(
    Cases, VaporVolumeTest,
    ::testing::Values(
        VolumeCase{"Defaults", "1.0", "175", "101", PressureUnit::KPa, kBuiltIn, "141 ul", ""},
        VolumeCase{"InPsi", "1.0", "175", "14.6", PressureUnit::Psi, kBuiltIn, "141 ul", ""},
        VolumeCase{"InBar", "1.0", "175", "1.01", PressureUnit::Bar, kBuiltIn, "141 ul", ""},
        VolumeCase{"SmallVolumePadded", "0.04", "175", "101", PressureUnit::KPa, kBuiltIn, "6   ul",
                   ""},
        VolumeCase{"ExactlyTwentyAbove", "1", "89", "0", PressureUnit::KPa, kBuiltIn, "n/a",
                   kTooClose},
        VolumeCase{"HalfADegreeMore", "1", "89.5", "0", PressureUnit::KPa, kBuiltIn, "228 ul", ""},
        VolumeCase{"BelowBoiling", "1", "50", "0", PressureUnit::KPa, kBuiltIn, "n/a", kTooClose},
        VolumeCase{
            "NoMolecularWeight", "1", "175", "0", PressureUnit::KPa, {69, 0.66, 0}, "n/a", ""},
        VolumeCase{"NoAbsolutePressure", "1", "175", "-14.696", PressureUnit::Psi, kBuiltIn, "n/a",
                   ""},
        VolumeCase{"BelowVacuum", "1", "175", "-2", PressureUnit::Bar, kBuiltIn, "n/a", ""},
        VolumeCase{"NothingInjected", "-0", "175", "0", PressureUnit::KPa, kBuiltIn, "0   ul", ""},
        VolumeCase{"NotNumbers", "x", "175", "y", PressureUnit::KPa, kBuiltIn, "0   ul", ""}),
    [](const auto& info) { return info.param.name; });

TEST(VaporVolume, DefaultsGiveTheWorkedFigure) {
    // 1 µl at 175 °C and 101 KPa: 29.3443 psi absolute, 140.97 µl.
    const VaporVolume v =
        VaporVolumeModel().ComputeVaporVolume(1.0, 175.0, 101.0, PressureUnit::KPa, kBuiltIn);
    EXPECT_EQ(v.m_text, "141 ul");
    const VaporVolume psi =
        VaporVolumeModel().ComputeVaporVolume(1.0, 175.0, 14.6, PressureUnit::Psi, kBuiltIn);
    EXPECT_EQ(psi.m_text, "141 ul");
}

struct CapacityCase {
    const char* name;
    const char* vapor;
    const char* liner;
    int lower;
    int upper;
    double percentage;
    const char* text;
    int position;
    CapacityLevel level;
};

class CapacityTest : public ::testing::TestWithParam<CapacityCase> {};

TEST_P(CapacityTest, PercentageAndLevel) {
    const CapacityCase& c = GetParam();
    const Capacity cap = VaporVolumeModel().ComputeCapacity(c.vapor, c.liner, c.lower, c.upper);
    EXPECT_NEAR(cap.m_percentage, c.percentage, 0.005);
    EXPECT_EQ(cap.m_text, c.text);
    EXPECT_EQ(cap.m_progressPosition, c.position);
    EXPECT_EQ(cap.m_level, c.level);
    EXPECT_EQ(cap.m_overloadText, c.level == CapacityLevel::Overload ? "O v e r l o a d" : "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CapacityTest,
    ::testing::Values(
        CapacityCase{"Defaults", "141 ul", "900", 10, 100, 15.67, "16 %", 15,
                     CapacityLevel::Caution},
        CapacityCase{"NotAvailable", "n/a", "900", 10, 100, 0.0, "0  %", 0, CapacityLevel::Normal},
        CapacityCase{"ZeroLiner", "141 ul", "0", 10, 100, 15.67, "16 %", 15,
                     CapacityLevel::Caution},
        CapacityCase{"EmptyLiner", "141 ul", "", 50, 75, 15.67, "16 %", 15, CapacityLevel::Normal},
        CapacityCase{"AtUpper", "75 ul", "100", 50, 75, 75.0, "75 %", 75, CapacityLevel::Caution},
        CapacityCase{"AtLower", "50 ul", "100", 50, 75, 50.0, "50 %", 50, CapacityLevel::Normal},
        CapacityCase{"Over", "76 ul", "100", 50, 75, 76.0, "76 %", 76, CapacityLevel::Overload},
        CapacityCase{"Full", "1970 ul", "985", 50, 75, 200.0, "200%", 200,
                     CapacityLevel::Overload}),
    [](const auto& info) { return info.param.name; });

TEST(Capacity, AHugePercentageHoldsTheBarAtItsEnd) {
    const Capacity cap = VaporVolumeModel().ComputeCapacity("100 ul", "1e-300", 50, 75);
    EXPECT_EQ(cap.m_progressPosition, 2147483647);
    EXPECT_EQ(cap.m_level, CapacityLevel::Overload);
}

TEST(Capacity, UsesTheShownRoundedVolume) {
    const VaporVolumeModel model;
    const SolventProperties solvent{-100.0, 1.0, 1.0};
    // Pick the injection that gives 99.6 µl: shown as 100, so 100 % of a 100 µl liner.
    const double injection = 99.6 / (1.0 * (175.0 + 273.0) / 14.696 * 1206.0);
    const VaporVolume v =
        model.ComputeVaporVolume(injection, 175.0, 0.0, PressureUnit::Psi, solvent);
    ASSERT_EQ(v.m_text, "100 ul");
    EXPECT_DOUBLE_EQ(model.ComputeCapacity(v.m_text, "100", 50, 75).m_percentage, 100.0);
}

}  // namespace
}  // namespace veltrane
