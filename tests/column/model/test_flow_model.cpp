#include <gtest/gtest.h>

#include "column/model/FlowModel.h"
#include "column/model/InletFlow.h"

namespace veltrane {
namespace {

// A 30 m × 0.32 mm column at 100 °C with a gas of a = 4.0e-7 P/K, b = 8.0e-5 P.
ColumnConditions Example(double inletPsi, double outletPsi) {
    return {30.0, 0.320, 100.0, inletPsi, outletPsi, {4.0e-7, 8.0e-5}};
}

const double kInlet689KPa = 68.9 * 0.145032632;

TEST(FlowModel, WorkedExample) {
    EXPECT_DOUBLE_EQ(GasViscosity({4.0e-7, 8.0e-5}, 100.0), 2.292e-4);  // 273, not 273.15
    const ColumnConditions atm = Example(kInlet689KPa, ModelOutletPressure(OutletMode::Atm, 0));
    EXPECT_NEAR(OutletFlow(atm), 1.659860, 5e-7);
    EXPECT_NEAR(AverageVelocity(atm), 31.39155, 5e-6);
    const HoldUp t = HoldUpTime(30.0, AverageVelocity(atm));
    EXPECT_EQ(t.m_kind, HoldUpKind::Minutes);
    EXPECT_NEAR(t.m_minutes, 1.592785, 5e-7);
    // The flow is a volume at the model's 298.6 K, not 273 K: at the 175 °C inlet it is 1.48.
    EXPECT_NEAR(InletFlow(1.66, kInlet689KPa + 14.696, 175.0), 1.482447, 5e-7);

    const ColumnConditions vacuum = Example(kInlet689KPa, 0.0);
    EXPECT_NEAR(OutletFlow(vacuum), 2.5707, 5e-5);
    EXPECT_NEAR(AverageVelocity(vacuum), 59.4167, 5e-5);
}

TEST(FlowModel, InletPressureFromFlow) {
    EXPECT_NEAR(InletPressureFromFlow(Example(999.0, 14.696), 1.66), 9.993420, 5e-7);
    // No flow: the inlet stands at the outlet pressure, below atmosphere into vacuum.
    EXPECT_NEAR(InletPressureFromFlow(Example(0.0, 20.0), 0.0), 20.0 - 14.696, 1e-12);
    EXPECT_NEAR(InletPressureFromFlow(Example(0.0, 0.0), 0.0), -14.696, 1e-12);
}

TEST(FlowModel, InletPressureFromVelocitySearchesAtOneAtmosphere) {
    int halvings = -1;
    const double p = InletPressureFromVelocity(Example(999.0, 14.696), 31.4, &halvings);
    EXPECT_EQ(halvings, 15);  // down to 200000 / 2^15 = 6.103515625 psi
    EXPECT_NEAR(p, 9.995326, 5e-7);
    // The estimate stays at or below the root, within the last step.
    EXPECT_LE(AverageVelocity(Example(p, 14.696)), 31.4);
    EXPECT_GT(AverageVelocity(Example(p + 6.103515625 / 16384, 14.696)), 31.4);
}

TEST(FlowModel, InletPressureFromVelocityOtherOutlets) {
    int halvings = -1;
    const double vacuum = InletPressureFromVelocity(Example(999.0, 0.0), 59.4, &halvings);
    EXPECT_EQ(halvings, 0);  // closed form
    EXPECT_NEAR(vacuum, 9.985798, 5e-7);

    // Above one atmosphere the velocity is negative at low gauge pressures; the root is found.
    const double above = InletPressureFromVelocity(Example(0.0, 30.0), 20.0);
    EXPECT_NEAR(AverageVelocity(Example(above, 30.0)), 20.0, 0.01);

    // Below one atmosphere a velocity under v(0) cannot be met.
    EXPECT_NEAR(AverageVelocity(Example(0.0, 10.0)), 14.889, 5e-4);
    EXPECT_EQ(InletPressureFromVelocity(Example(0.0, 10.0), 1.0, &halvings), 0.001);
    EXPECT_EQ(halvings, 31);

    // No velocity means no flow.
    EXPECT_NEAR(InletPressureFromVelocity(Example(0.0, 30.0), 0.0), 30.0 - 14.696, 1e-12);
}

TEST(FlowModel, EqualAndReversedPressures) {
    const ColumnConditions equal = Example(20.0 - 14.696, 20.0);
    EXPECT_EQ(AverageVelocity(equal), 0.0);
    EXPECT_NEAR(OutletFlow(equal), 0.0, 1e-12);
    EXPECT_EQ(HoldUpTime(30.0, AverageVelocity(equal)).m_kind, HoldUpKind::Infinite);

    const ColumnConditions reversed = Example(1.0, 20.0);
    EXPECT_LT(OutletFlow(reversed), 0.0);
    EXPECT_EQ(HoldUpTime(30.0, AverageVelocity(reversed)).m_kind, HoldUpKind::NotAvailable);
    EXPECT_EQ(HoldUpTime(0.0, 10.0).m_kind, HoldUpKind::Infinite);
}

}  // namespace
}  // namespace veltrane
