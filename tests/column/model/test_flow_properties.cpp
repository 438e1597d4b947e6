// What must hold of the flow model anywhere on a grid of columns, gases, temperatures and
// outlets: each solve undoes its forward computation, and more pressure means more flow.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "column/model/FlowModel.h"
#include "data/PressureUnit.h"

namespace veltrane {
namespace {

struct Outlet {
    const char* name;
    double psiAbsolute;
};

// Every column of the grid, named for the message of a failing case.
std::vector<std::pair<std::string, ColumnConditions>> Grid() {
    const struct {
        const char* name;
        ViscosityLine line;
    } gases[] = {{"helium", {4.038e-07, 7.976e-05}},
                 {"hydrogen", {1.847e-07, 3.474e-05}},
                 {"nitrogen", {3.826e-07, 6.637e-05}}};
    const Outlet outlets[] = {{"atm", ModelOutletPressure(OutletMode::Atm, 0)},
                              {"vacuum", ModelOutletPressure(OutletMode::Vacuum, 0)},
                              {"30 psi", ModelOutletPressure(OutletMode::Other, 30)}};
    std::vector<std::pair<std::string, ColumnConditions>> grid;
    for (const double length : {5.0, 30.0, 100.0})
        for (const double diameter : {0.10, 0.25, 0.53})
            for (const double temperature : {-50.0, 100.0, 350.0})
                for (const auto& gas : gases)
                    for (const Outlet& outlet : outlets)
                        grid.emplace_back(
                            std::to_string(length) + " m " + std::to_string(diameter) + " mm " +
                                std::to_string(temperature) + " C " + gas.name + " " + outlet.name,
                            ColumnConditions{length, diameter, temperature, 0, outlet.psiAbsolute,
                                             gas.line});
    return grid;
}

// Gauge inlet pressures that push the gas forward at every outlet of the grid.
constexpr double kInlets[] = {20.0, 60.0, 150.0};

TEST(FlowModelProperties, PressureFromFlowAndFromVelocityUndoTheForwardModel) {
    for (auto [name, c] : Grid()) {
        for (const double inlet : kInlets) {
            c.m_inletPsiGauge = inlet;
            const double flow = OutletFlow(c);
            const double velocity = AverageVelocity(c);
            ASSERT_GT(flow, 0) << name;
            EXPECT_NEAR(InletPressureFromFlow(c, flow).psi(), inlet, 1e-6 * inlet) << name;
            // The search ends within a few hundred-thousandths of the pressure, at or below it.
            const double solved = InletPressureFromVelocity(c, velocity).psi();
            EXPECT_NEAR(solved, inlet, 5e-5 * inlet) << name << " at " << inlet;
            EXPECT_LE(solved, inlet + 1e-9) << name << " at " << inlet;
        }
    }
}

TEST(FlowModelProperties, FlowAndVelocityGrowWithTheInletPressure) {
    for (auto [name, c] : Grid()) {
        double lastFlow = -1e300, lastVelocity = -1e300;
        for (double inlet = 1; inlet <= 150; inlet += 7) {
            c.m_inletPsiGauge = inlet;
            EXPECT_GT(OutletFlow(c), lastFlow) << name << " at " << inlet;
            EXPECT_GT(AverageVelocity(c), lastVelocity) << name << " at " << inlet;
            lastFlow = OutletFlow(c);
            lastVelocity = AverageVelocity(c);
        }
    }
}

TEST(FlowModelProperties, PressuresSurviveARoundTripThroughEveryUnit) {
    const PressureUnit units[] = {PressureUnit::KPa, PressureUnit::Psi, PressureUnit::Bar};
    for (const PressureUnit from : units) {
        for (const PressureUnit to : units) {
            for (const double value : {0.5, 14.696, 300.0}) {
                // The factors are used as written, which agree to about five figures
                // (0.06895 psi to the bar there, 14.504 back).
                EXPECT_NEAR(value * UnitFactor(from, to) * UnitFactor(to, from), value,
                            1e-4 * value);
                // A gauge pressure is the absolute one less an atmosphere, in any unit.
                EXPECT_NEAR(GaugeToAbsolutePsi(value, from) - AbsoluteToPsi(value, from),
                            kAtmospherePsi, 1e-9);
            }
        }
    }
}

}  // namespace
}  // namespace veltrane
