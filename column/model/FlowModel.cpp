#include "column/model/FlowModel.h"

#include <cmath>

#include "data/PressureUnit.h"

namespace veltrane {
namespace {

// 3/32: Poiseuille outlet velocity times the James–Martin compressibility factor.
constexpr double kVelocityConstant = 0.09375;
// Kelvin from Celsius as the model has always had it.
constexpr double kKelvinOffset = 273.0;

struct CgsConditions {
    double m_temperatureK;
    double m_radiusCm;
    double m_lengthCm;
    double m_viscosity;
    double m_inlet;   // dyn/cm², absolute
    double m_outlet;  // dyn/cm², absolute
};

CgsConditions ToCgs(const ColumnConditions& c) {
    CgsConditions cgs{};
    cgs.m_temperatureK = c.m_temperatureC + kKelvinOffset;
    cgs.m_radiusCm = c.m_diameterMm * 0.5 * 0.1;
    cgs.m_lengthCm = c.m_lengthM * 100.0;
    cgs.m_viscosity = c.m_gas.m_slope * cgs.m_temperatureK + c.m_gas.m_intercept;
    cgs.m_inlet = PsiToDynPerSquareCm(c.m_inletPsiGauge + kAtmospherePsi);
    cgs.m_outlet = PsiToDynPerSquareCm(c.m_outletPsiAbsolute);
    return cgs;
}

double Pow4(double x) {
    return x * x * x * x;
}

double AbsoluteDynToGaugePsi(double dyn) {
    return DynPerSquareCmToPsi(dyn) - kAtmospherePsi;
}

// The velocity search over gauge pressure: halve down from 200000 psi until the velocity is
// at or below the target, then refine upwards in fourteen shrinking steps, keeping the
// estimate at or below the root.
InletSolution SearchInletPressure(ColumnConditions conditions, double velocity, int& halvings) {
    auto velocityAt = [&conditions](double gauge) {
        conditions.m_inletPsiGauge = gauge;
        return AverageVelocity(conditions);
    };
    double g = 200000.0;
    double vg = velocityAt(g);
    halvings = 0;
    while (vg > velocity) {
        if (g <= 0.0001) return InletSolution::Failed(Unsolved::NoPressure, kInletSearchFailurePsi);
        g /= 2.0;
        ++halvings;
        vg = velocityAt(g);
    }
    const double g0 = g;
    double step = g0;
    for (int i = 1; i <= 14; ++i) {
        step *= 0.5;
        if (vg < velocity) {
            const double vNext = velocityAt(g + step);
            // A step that overshoots is taken back; the velocity at g is then still vg.
            if (!(vNext > velocity)) {
                g += step;
                vg = vNext;
            }
        }
    }
    // Starting at the top, the refinement looks no higher than twice it: a root beyond that is
    // not found, and the estimate that climbed to the end of the range is no solution.
    if (halvings == 0 && vg < velocity && velocityAt(2 * g0) < velocity)
        return InletSolution::Failed(Unsolved::AboveSearch, g);
    // A velocity the model cannot evaluate (no viscosity, no radius) meets no target.
    if (!std::isfinite(vg)) return InletSolution::Failed(Unsolved::NoPressure, g);
    return InletSolution::Solved(g);
}

}  // namespace

double ModelOutletPressure(OutletMode mode, double shownOutletPsi) {
    return mode == OutletMode::Atm ? kAtmospherePsi : shownOutletPsi;
}

double GasViscosity(const ViscosityLine& gas, double temperatureC) {
    return gas.m_slope * (temperatureC + kKelvinOffset) + gas.m_intercept;
}

double OutletFlow(const ColumnConditions& conditions) {
    const CgsConditions c = ToCgs(conditions);
    return kFlowConstant * Pow4(c.m_radiusCm) * (c.m_inlet * c.m_inlet - c.m_outlet * c.m_outlet) /
           (c.m_lengthCm * c.m_viscosity * c.m_temperatureK);
}

double AverageVelocity(const ColumnConditions& conditions) {
    const CgsConditions c = ToCgs(conditions);
    if (c.m_inlet == c.m_outlet) return 0.0;
    const double squares = c.m_inlet * c.m_inlet - c.m_outlet * c.m_outlet;
    const double cubes = c.m_inlet * c.m_inlet * c.m_inlet - c.m_outlet * c.m_outlet * c.m_outlet;
    return kVelocityConstant * c.m_radiusCm * c.m_radiusCm * squares * squares /
           (c.m_lengthCm * c.m_viscosity * cubes);
}

InletSolution InletPressureFromFlow(const ColumnConditions& conditions, double flowMlPerMin) {
    const CgsConditions c = ToCgs(conditions);
    const double inlet = std::sqrt(c.m_outlet * c.m_outlet +
                                   c.m_lengthCm * flowMlPerMin * c.m_temperatureK * c.m_viscosity /
                                       (kFlowConstant * Pow4(c.m_radiusCm)));
    const double psi = AbsoluteDynToGaugePsi(inlet);
    if (!std::isfinite(psi)) return InletSolution::Failed(Unsolved::NoPressure, psi);
    return InletSolution::Solved(psi);
}

InletSolution InletPressureFromVelocity(const ColumnConditions& conditions, double velocityCmPerS,
                                        int* halvings) {
    int count = 0;
    InletSolution result = InletSolution::Solved(0);
    if (std::isnan(velocityCmPerS)) {
        result = InletSolution::Failed(Unsolved::NoPressure, kInletSearchFailurePsi);
    } else if (velocityCmPerS <= 0.0) {
        result = InletSolution::Failed(Unsolved::NoFlow,
                                       conditions.m_outletPsiAbsolute - kAtmospherePsi);
    } else if (conditions.m_outletPsiAbsolute == 0.0) {
        // With nothing at the outlet the velocity is linear in the inlet pressure.
        const CgsConditions c = ToCgs(conditions);
        const double inlet = c.m_lengthCm * velocityCmPerS * c.m_viscosity /
                             (kVelocityConstant * c.m_radiusCm * c.m_radiusCm);
        const double psi = AbsoluteDynToGaugePsi(inlet);
        result = std::isfinite(psi) ? InletSolution::Solved(psi)
                                    : InletSolution::Failed(Unsolved::NoPressure, psi);
    } else {
        result = SearchInletPressure(conditions, velocityCmPerS, count);
    }
    if (halvings) *halvings = count;
    return result;
}

HoldUp HoldUpTime(double lengthM, double velocityCmPerS) {
    if (velocityCmPerS == 0.0) return {HoldUpKind::Infinite, 0.0};
    const double minutes = lengthM / velocityCmPerS * 100.0 * 0.016666666666666666;
    // A velocity the model could not compute gives no time; one too slow to time, no end.
    if (minutes < 0.0 || std::isnan(minutes)) return {HoldUpKind::NotAvailable, 0.0};
    if (minutes == 0.0 || std::isinf(minutes)) return {HoldUpKind::Infinite, 0.0};
    return {HoldUpKind::Minutes, minutes};
}

}  // namespace veltrane
