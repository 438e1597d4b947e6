// Method translation: a published worked example, and the rules a translated method keeps.
#include <gtest/gtest.h>

#include <cmath>

#include "translate/model/MethodTranslation.h"

namespace veltrane {
namespace {

constexpr ViscosityLine kHelium{4.038e-07, 7.976e-05};
constexpr ViscosityLine kHydrogen{1.847e-07, 3.474e-05};
const double kAtm = ModelOutletPressure(OutletMode::Atm, 0);

double Minutes(const MethodColumn& column, const CarrierSetting& setting, double temperature) {
    return HoldUpAt(column, setting, temperature).m_minutes;
}

TEST(MethodTranslation, APublishedHeliumToHydrogenExampleToTwoPercent) {
    const MethodColumn helium{kHelium, 50, 0.25, kAtm};
    const CarrierSetting pressure{CarrierControl::ConstantPressure, 32.3};
    const ColumnConditions at100 = ConditionsAt(helium, pressure, 100);
    EXPECT_NEAR(AverageVelocity(at100), 35, 0.02 * 35);
    EXPECT_NEAR(OutletFlow(at100), 1.88, 0.02 * 1.88);

    // Same times on hydrogen: the hold-up time kept, the pressure solved for its velocity.
    const MethodColumn hydrogen{kHydrogen, 50, 0.25, kAtm};
    const double velocity = VelocityForHoldUp(50, Minutes(helium, pressure, 100));
    const auto sameTimes = InletPressureForVelocity(hydrogen, 100, velocity);
    ASSERT_TRUE(sameTimes.solved());
    EXPECT_NEAR(sameTimes.psi(), 13.9, 0.02 * 13.9);
    EXPECT_NEAR(Minutes(hydrogen, {CarrierControl::ConstantPressure, sameTimes.psi()}, 100),
                Minutes(helium, pressure, 100), 1e-3);
    // The same outlet flow on hydrogen.
    const CarrierSetting sameFlow{CarrierControl::ConstantFlow, OutletFlow(at100)};
    EXPECT_NEAR(ConditionsAt(hydrogen, sameFlow, 100).m_inletPsiGauge, 18.8, 0.02 * 18.8);
}

TEST(MethodTranslation, HoldsScaleByTheFactorRatesByItsInverseAndSoDoesTheRunTime) {
    const OvenProgram program =
        RunningPart({40, 1, {{12, 280, 10}, {5, 300, 2}, {0, 350, 9}, {20, 400, 1}}});
    ASSERT_EQ(program.m_ramps.size(), 2u) << "a zero rate ends the program";
    EXPECT_EQ(FinalTemperature(program), 300);
    EXPECT_DOUBLE_EQ(RunTime(program), 1 + 20 + 10 + 4 + 2);
    for (const double factor : {0.5, 1.0, 2.0 / 3}) {
        const OvenProgram t = Translated(program, factor);
        EXPECT_DOUBLE_EQ(t.m_initialC, 40);
        EXPECT_DOUBLE_EQ(t.m_initialHoldMin, factor);
        EXPECT_DOUBLE_EQ(t.m_ramps[0].m_rateCPerMin, 12 / factor);
        EXPECT_DOUBLE_EQ(t.m_ramps[1].m_finalC, 300);
        EXPECT_DOUBLE_EQ(t.m_ramps[1].m_holdMin, 2 * factor);
        EXPECT_NEAR(RunTime(t), RunTime(program) * factor, 1e-12);
    }
    EXPECT_DOUBLE_EQ(PhaseRatio(0.25, 0.25), 250);
    EXPECT_DOUBLE_EQ(PhaseRatio(0.18, 0.18), 250);
}

TEST(MethodTranslation, TheSameColumnAndGasKeepTheirTimesAndOneGasKeepsItsFactorAlongTheOven) {
    const MethodColumn original{kHelium, 30, 0.25, kAtm};
    const CarrierSetting pressure{CarrierControl::ConstantPressure, 20};
    const double t = Minutes(original, pressure, 40);
    const auto same = InletPressureForVelocity(original, 40, VelocityForHoldUp(30, t));
    ASSERT_TRUE(same.solved());
    EXPECT_NEAR(Minutes(original, {CarrierControl::ConstantPressure, same.psi()}, 40) / t, 1, 1e-4);

    // Under constant pressure with one gas the viscosity cancels: G is the same at any
    // temperature, for a shorter, narrower column and for a vacuum outlet.
    for (const MethodColumn& other :
         {MethodColumn{kHelium, 20, 0.18, kAtm}, MethodColumn{kHelium, 15, 0.25, 0}}) {
        const CarrierSetting otherPressure{CarrierControl::ConstantPressure, 30};
        const double g40 = Minutes(other, otherPressure, 40) / Minutes(original, pressure, 40);
        for (const double temperature : {100.0, 280.0})
            EXPECT_NEAR(Minutes(other, otherPressure, temperature) /
                            Minutes(original, pressure, temperature),
                        g40, 1e-12 * g40);
    }
}

TEST(MethodTranslation, ConstantFlowRaisesThePressureWithTheOvenAndAVelocityOutOfReachIsNone) {
    const MethodColumn column{kHelium, 30, 0.25, kAtm};
    const CarrierSetting flow{CarrierControl::ConstantFlow, 1.2};
    EXPECT_LT(ConditionsAt(column, flow, 40).m_inletPsiGauge,
              ConditionsAt(column, flow, 280).m_inletPsiGauge);
    EXPECT_NEAR(OutletFlow(ConditionsAt(column, flow, 280)), 1.2, 1e-9);
    // An outlet below one atmosphere cannot go slower than with no gauge pressure at all.
    const MethodColumn lowOutlet{kHelium, 30, 0.25, 10};
    EXPECT_EQ(InletPressureForVelocity(lowOutlet, 40, 0.5).why(), Unsolved::NoPressure);
    EXPECT_EQ(InletPressureForVelocity(column, 40, 0).why(), Unsolved::NoFlow);
    // A pressure no inlet holds is no pressure either, though the flow model finds one.
    const MethodColumn narrow{kHelium, 500, 0.05, kAtm};
    EXPECT_EQ(InletPressureFor(narrow, 40, {CarrierDriver::Flow, 10}).why(), Unsolved::NoPressure);
}

TEST(MethodTranslation, AChangeOfGasDriftsTheFactorUnderConstantPressureToo) {
    // Argon's viscosity climbs faster with the oven than helium's: G drifts about 3.8 % from
    // 40 to 280 C, and the translation says so whichever the carrier holds.
    constexpr ViscosityLine kArgon{5.217e-07, 7.386e-05};
    TranslationInput in{{kArgon, 30, 0.25, kAtm},
                        {kHelium, 30, 0.25, kAtm},
                        0.25,
                        0.25,
                        CarrierControl::ConstantPressure,
                        {CarrierDriver::Flow, 1.2},
                        TranslationGoal::SameTimes,
                        1,
                        0,
                        {CarrierDriver::Inlet, 0},
                        {40, 1, {{10, 280, 5}}}};
    for (const CarrierControl control :
         {CarrierControl::ConstantPressure, CarrierControl::ConstantFlow}) {
        in.m_control = control;
        const Translation t = Translate(in);
        ASSERT_TRUE(t.m_factor && t.m_finalFactor);
        EXPECT_NEAR(*t.m_factor, 1, 1e-3);
        EXPECT_GT(std::abs(*t.m_finalFactor / *t.m_factor - 1), 0.02);
        const TranslationWarning drift{TranslationWarning::Kind::FactorDrifts,
                                       TranslationMethod::New, control};
        EXPECT_EQ(t.m_warnings, std::vector{drift});
    }
}

TEST(MethodTranslation, AProgramEndsBeforeARampThatDoesNotClimb) {
    const OvenProgram typed{40, 1, {{10, 200, 1}, {5, 200, 1}, {5, 300, 1}}};
    EXPECT_EQ(DescendingRamp(typed), 1u);
    EXPECT_EQ(RunningPart(typed).m_ramps.size(), 1u);
    EXPECT_EQ(DescendingRamp({40, 1, {{10, 200, 1}, {0, 100, 1}}}), std::nullopt)
        << "a zero rate ends the program first";
    EXPECT_EQ(DescendingRamp({0, 1, {{10, 0, 1}}}), 0u) << "0 C after 0 C does not climb";
}

}  // namespace
}  // namespace veltrane
