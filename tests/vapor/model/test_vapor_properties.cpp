// What must hold of the vapor volume anywhere on a grid of solvents and inlet conditions: more
// liquid or a hotter inlet makes more vapor, more pressure less, and the unit a pressure is
// given in makes no difference.
#include <gtest/gtest.h>

#include "data/Numbers.h"
#include "vapor/model/VaporVolumeModel.h"

namespace veltrane {
namespace {

double Microlitres(double injection, double temperature, double pressure, PressureUnit unit,
                   const SolventProperties& solvent) {
    return ReadNumber(VaporVolumeModel()
                          .ComputeVaporVolume(injection, temperature, pressure, unit, solvent)
                          .m_text);
}

TEST(VaporModelProperties, VolumeGrowsWithLiquidAndHeatAndShrinksWithPressure) {
    const SolventProperties solvents[] = {
        VaporVolumeModel::kBuiltInSolvent, {100, 0.998, 18.02}, {65, 0.792, 32.04}};
    for (const SolventProperties& s : solvents) {
        const double hot = s.m_boilingPointC + 40;
        for (const double pressure : {0.0, 10.0, 50.0}) {
            EXPECT_LT(Microlitres(1, hot, pressure, PressureUnit::Psi, s),
                      Microlitres(2, hot, pressure, PressureUnit::Psi, s));
            EXPECT_LT(Microlitres(2, hot, pressure, PressureUnit::Psi, s),
                      Microlitres(2, hot + 100, pressure, PressureUnit::Psi, s));
            EXPECT_GT(Microlitres(2, hot, pressure, PressureUnit::Psi, s),
                      Microlitres(2, hot, pressure + 20, PressureUnit::Psi, s));
            // The same pressure in each unit: the same volume, to the unit factors' figures.
            const double psi = Microlitres(5, hot, pressure, PressureUnit::Psi, s);
            EXPECT_NEAR(Microlitres(5, hot, pressure / 0.145032632, PressureUnit::KPa, s), psi, 1);
            EXPECT_NEAR(Microlitres(5, hot, pressure / 14.504, PressureUnit::Bar, s), psi, 1);
        }
    }
}

}  // namespace
}  // namespace veltrane
