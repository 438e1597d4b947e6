#include <gtest/gtest.h>

#include <cmath>

#include "chromatogram/model/Diffusion.h"
#include "chromatogram/model/Elution.h"
#include "chromatogram/model/Prediction.h"
#include "chromatogram/model/Retention.h"
#include "data/PressureUnit.h"

namespace veltrane::chromatogram {
namespace {

// Helium as gases.txt gives it.
constexpr ViscosityLine kHelium{4.038e-07, 7.976e-05};
// Decane and undecane on the 5 % phenyl phase of the 17-compound set.
constexpr RetentionParameters kDecane{106.44, 28.588, 76.602, 0.001};
constexpr RetentionParameters kUndecane{124.75, 29.628, 83.819, 0.001};

Separation Isothermal(double temperatureC, double outletPsiAbsolute) {
    Separation s;
    s.m_lengthM = 30;
    s.m_diameterMm = 0.25;
    s.m_filmUm = 0.25;
    s.m_outletPsiAbsolute = outletPsiAbsolute;
    s.m_gas = kHelium;
    s.m_carrier = CarrierMolecule("Helium");
    s.m_inletPsiGauge = 20;
    s.m_program.m_initialC = temperatureC;
    s.m_program.m_initialHoldMin = 30;
    return s;
}

TEST(Elution, IsothermalAtConstantPressureTakesTheHoldUpTimeTimesOnePlusK) {
    for (const double outlet : {kAtmospherePsi, 0.0, 30.0}) {
        const Separation s = Isothermal(120, outlet);
        const OvenClock clock(s.m_program);
        const ColumnConditions conditions{30, 0.25, 120, 20, outlet, kHelium};
        const double holdUp = HoldUpTime(30, AverageVelocity(conditions)).m_minutes * 60;
        // An unretained compound takes the column window's hold-up time, whatever the outlet.
        const Elution unretained = Elute(s, clock, {{106.44, 28.588, 76.602, 1e300}, {}});
        ASSERT_TRUE(unretained.m_eluted);
        EXPECT_NEAR(unretained.m_retentionS / holdUp, 1.0, 1e-7) << outlet;
        EXPECT_NEAR(HoldUpS(s, clock, 0) / holdUp, 1.0, 1e-12) << outlet;
        const double k = RetentionFactor(kDecane, 120, 0.001);
        const Elution decane = Elute(s, clock, {kDecane, MoleculeOf("C10H22", 0)});
        ASSERT_TRUE(decane.m_eluted);
        EXPECT_NEAR(decane.m_retentionS / (holdUp * (1 + k)), 1.0, 1e-7) << outlet;
        ASSERT_TRUE(decane.m_sigmaS);
        EXPECT_GT(*decane.m_sigmaS, 0);
    }
}

TEST(Elution, ConstantFlowAtOneTemperatureIsConstantPressure) {
    const Separation pressure = Isothermal(100, kAtmospherePsi);
    Separation flow = pressure;
    flow.m_control = InletControl::ConstantFlow;
    flow.m_flowMlPerMin = OutletFlow({30, 0.25, 100, 20, kAtmospherePsi, kHelium});
    const OvenClock clock(pressure.m_program);
    const Solute undecane{kUndecane, MoleculeOf("C11H24", 0)};
    const Elution a = Elute(pressure, clock, undecane);
    const Elution b = Elute(flow, clock, undecane);
    EXPECT_NEAR(b.m_retentionS / a.m_retentionS, 1.0, 1e-9);
    EXPECT_NEAR(*b.m_sigmaS / *a.m_sigmaS, 1.0, 1e-9);
}

// The published simulator case: 10 m x 0.25 mm x 0.25 µm, helium, vacuum outlet, 40 °C for
// 1 min, 26 °C/min to 300 °C, 5 min there; the inlet from 301.3 to 401.3 kPa absolute along
// the ramp. Decane elutes at 87.41 s and undecane's sigma is 0.590 s there.
TEST(Elution, PressureProgramMatchesThePublishedCase) {
    Separation s;
    s.m_lengthM = 10;
    s.m_diameterMm = 0.25;
    s.m_filmUm = 0.25;
    s.m_outletPsiAbsolute = 0;
    s.m_gas = kHelium;
    s.m_carrier = CarrierMolecule("helium");
    s.m_control = InletControl::PressureProgram;
    const double psiPerKpa = 1.0 / 6.894757;
    s.m_inletPsiGauge = 301.3 * psiPerKpa - kAtmospherePsi;
    s.m_rampInletPsiGauge = {401.3 * psiPerKpa - kAtmospherePsi};
    s.m_program = {40, 1, {{26, 300, 5}}};
    const OvenClock clock(s.m_program);
    EXPECT_DOUBLE_EQ(clock.lengthS(), 60 + 600 + 300);
    EXPECT_DOUBLE_EQ(clock.temperatureC(60 + 300), 170);
    EXPECT_NEAR(InletPsiGauge(s, clock, 60 + 300), 351.3 * psiPerKpa - kAtmospherePsi, 1e-9);

    const Elution decane = Elute(s, clock, {kDecane, MoleculeOf("C10H22", 0)});
    const Elution undecane = Elute(s, clock, {kUndecane, MoleculeOf("C11H24", 0)});
    ASSERT_TRUE(decane.m_eluted && undecane.m_eluted);
    EXPECT_NEAR(decane.m_retentionS, 87.41, 0.01 * 87.41);
    ASSERT_TRUE(undecane.m_sigmaS);
    EXPECT_NEAR(*undecane.m_sigmaS, 0.590, 0.03 * 0.590);
}

TEST(Elution, ACompoundHeldForeverDoesNotElute) {
    Separation s = Isothermal(40, kAtmospherePsi);
    s.m_program.m_initialHoldMin = 1;
    const OvenClock clock(s.m_program);
    const Elution held = Elute(s, clock, {{400, 40, 150, 0.001}, MoleculeOf("C30H62", 0)});
    EXPECT_FALSE(held.m_eluted);
    // Nor does anything with a carrier that does not flow.
    s.m_inletPsiGauge = 0;
    EXPECT_FALSE(Elute(s, clock, {kDecane, {}}).m_eluted);
}

TEST(Prediction, PeaksInElutionOrderWithTheirResolutionAndTheHeldOnesLast) {
    Separation s = Isothermal(100, kAtmospherePsi);
    s.m_program = {40, 1, {{20, 250, 2}}};
    const RetentionParameters held{400, 40, 150, 0.001};
    const RetentionParameters nearDecane{106.6, 28.588, 76.602, 0.001};
    const Prediction p = Predict(s, {{kUndecane, MoleculeOf("C11H24", 0)},
                                     {held, MoleculeOf("C30H62", 0)},
                                     {kDecane, MoleculeOf("C10H22", 0)},
                                     {nearDecane, MoleculeOf("C10H22", 0)}});
    ASSERT_EQ(p.m_peaks.size(), 4u);
    EXPECT_EQ(p.m_peaks[0].m_solute, 2u);
    EXPECT_EQ(p.m_peaks[1].m_solute, 3u);
    EXPECT_EQ(p.m_peaks[2].m_solute, 0u);
    EXPECT_EQ(p.m_peaks[3].m_solute, 1u);
    EXPECT_FALSE(p.m_peaks[3].m_elution.m_eluted);
    EXPECT_FALSE(p.m_peaks[0].m_resolution);
    // A twin of decane a sixth of a degree apart does not separate; undecane does.
    ASSERT_TRUE(p.m_peaks[1].m_resolution && p.m_peaks[2].m_resolution);
    EXPECT_TRUE(p.m_peaks[1].m_critical);
    EXPECT_FALSE(p.m_peaks[2].m_critical);
    const Elution& a = p.m_peaks[1].m_elution;
    const Elution& b = p.m_peaks[2].m_elution;
    EXPECT_DOUBLE_EQ(*p.m_peaks[2].m_resolution,
                     (b.m_retentionS - a.m_retentionS) / (2 * (*a.m_sigmaS + *b.m_sigmaS)));
    EXPECT_DOUBLE_EQ(*p.m_peaks[2].m_widthS, 2.3548 * *b.m_sigmaS);
    EXPECT_DOUBLE_EQ(p.m_runTimeS, 60 + 630 + 120);
}

TEST(Diffusion, FormulasGiveMassAndVolume) {
    const auto decane = MoleculeOf("C10H22", 0);
    ASSERT_TRUE(decane);
    EXPECT_NEAR(decane->m_molarMass, 142.286, 1e-9);
    EXPECT_NEAR(decane->m_diffusionVolume, 10 * 15.9 + 22 * 2.31, 1e-9);
    const auto dichlorobenzene = MoleculeOf("C6H4Cl2", 1);
    ASSERT_TRUE(dichlorobenzene);
    EXPECT_NEAR(dichlorobenzene->m_molarMass, 6 * 12.011 + 4 * 1.008 + 2 * 35.45, 1e-9);
    EXPECT_NEAR(dichlorobenzene->m_diffusionVolume, 6 * 15.9 + 4 * 2.31 + 2 * 21.0 - 18.3, 1e-9);
    for (const char* wrong : {"", "Xe2", "c6", "C0H4", "C6H6-", "C6 H6"})
        EXPECT_FALSE(MoleculeOf(wrong, 0)) << wrong;
    EXPECT_TRUE(CarrierMolecule("HYDROGEN"));
    EXPECT_FALSE(CarrierMolecule("Neon"));
}

}  // namespace
}  // namespace veltrane::chromatogram
