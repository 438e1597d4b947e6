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
    EXPECT_NEAR(InletPressureFromFlow(Example(999.0, 14.696), 1.66).psi(), 9.993420, 5e-7);
    // No flow: the inlet stands at the outlet pressure, below atmosphere into vacuum.
    EXPECT_NEAR(InletPressureFromFlow(Example(0.0, 20.0), 0.0).psi(), 20.0 - 14.696, 1e-12);
    EXPECT_NEAR(InletPressureFromFlow(Example(0.0, 0.0), 0.0).psi(), -14.696, 1e-12);
    // A gas whose viscosity is not above zero gives no pressure at all.
    ColumnConditions broken = Example(0.0, 14.696);
    broken.m_gas = {0.0, -1e-4};
    EXPECT_EQ(InletPressureFromFlow(broken, 10.0).solved(), false);
}

TEST(FlowModel, InletPressureFromVelocitySearchesAtOneAtmosphere) {
    int halvings = -1;
    const InletSolution p = InletPressureFromVelocity(Example(999.0, 14.696), 31.4, &halvings);
    EXPECT_EQ(halvings, 15);  // down to 200000 / 2^15 = 6.103515625 psi
    ASSERT_TRUE(p.solved());
    EXPECT_NEAR(p.psi(), 9.995326, 5e-7);
    // The estimate stays at or below the root, within the last step.
    EXPECT_LE(AverageVelocity(Example(p.psi(), 14.696)), 31.4);
    EXPECT_GT(AverageVelocity(Example(p.psi() + 6.103515625 / 16384, 14.696)), 31.4);
}

TEST(FlowModel, InletPressureFromVelocityOtherOutletsAndFailures) {
    int halvings = -1;
    const InletSolution vacuum = InletPressureFromVelocity(Example(999.0, 0.0), 59.4, &halvings);
    EXPECT_EQ(halvings, 0);  // closed form
    EXPECT_NEAR(vacuum.psi(), 9.985798, 5e-7);

    // Above one atmosphere the velocity is negative at low gauge pressures; the root is found.
    const InletSolution above = InletPressureFromVelocity(Example(0.0, 30.0), 20.0);
    EXPECT_NEAR(AverageVelocity(Example(above.psi(), 30.0)), 20.0, 0.01);

    // Below one atmosphere a velocity under v(0) cannot be met: the search ends on 0.001 psi,
    // which is no solution.
    EXPECT_NEAR(AverageVelocity(Example(0.0, 10.0)), 14.889, 5e-4);
    const InletSolution unmet = InletPressureFromVelocity(Example(0.0, 10.0), 1.0, &halvings);
    EXPECT_EQ(halvings, 31);
    EXPECT_FALSE(unmet.solved());
    EXPECT_EQ(unmet.why(), Unsolved::NoPressure);
    EXPECT_EQ(unmet.answer(), 0.001);

    // A root above 400000 psi is out of the search's reach: it climbs to its top and says so.
    ColumnConditions narrow = Example(0.0, 14.696);
    narrow.m_lengthM = 500;
    narrow.m_diameterMm = 0.001;
    const InletSolution top = InletPressureFromVelocity(narrow, 1.0);
    EXPECT_EQ(top.why(), Unsolved::AboveSearch);
    EXPECT_NEAR(top.answer(), 399987.8, 0.1);

    // No velocity means no flow.
    const InletSolution still = InletPressureFromVelocity(Example(0.0, 30.0), 0.0);
    EXPECT_EQ(still.why(), Unsolved::NoFlow);
    EXPECT_NEAR(still.answer(), 30.0 - 14.696, 1e-12);
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
