// Carrier gas flow through an open-tubular column: inlet pressure, outlet flow, velocity, hold-up.
#pragma once

#include <numbers>
#include <optional>

#include "data/OutletMode.h"
#include "data/PressureUnit.h"

namespace veltrane {

// The gas enters the model only through its viscosity, a straight line in absolute
// temperature: η = slope × T_K + intercept, in poise.
struct ViscosityLine {
    double m_slope;      // poise per kelvin
    double m_intercept;  // poise
};

struct ColumnConditions {
    double m_lengthM;
    double m_diameterMm;
    double m_temperatureC;
    double m_inletPsiGauge;      // above one atmosphere; may be negative
    double m_outletPsiAbsolute;  // see ModelOutletPressure
    ViscosityLine m_gas;
};

// The outlet pressure the model works with: one atmosphere for Atm whatever is shown,
// otherwise the shown outlet pressure in psi.
double ModelOutletPressure(OutletMode mode, double shownOutletPsi);

// Poise.
double GasViscosity(const ViscosityLine& gas, double temperatureC);

// 60 × π/16 × T_ref/p_ref: Poiseuille flow in ml/min at the reference state, p_ref being one
// atmosphere in dyn/cm².
inline constexpr double kFlowConstant = 0.0034718;

// The reference state's temperature that kFlowConstant holds, in kelvin: 298.6 K, about 25 °C.
// Every flow the model gives or takes is a volume at that temperature and one atmosphere.
inline constexpr double kFlowReferenceK =
    kFlowConstant / (60.0 * std::numbers::pi / 16.0) * kAtmospherePsi * kDynPerSquareCmPerPsi;

// Outlet volumetric flow at the reference state, ml/min; negative when the inlet pressure is
// below the outlet pressure.
double OutletFlow(const ColumnConditions& conditions);

// Average linear velocity, cm/s; 0 when inlet and outlet pressure are equal.
double AverageVelocity(const ColumnConditions& conditions);

// Why a solve has no inlet pressure.
enum class Unsolved {
    NoPressure,   // no inlet pressure gives the target
    AboveSearch,  // the velocity search ran off the top of its range before meeting the target
    NoFlow,       // the target is a carrier that does not flow
};

// What the velocity search returns when it cannot meet the velocity.
inline constexpr double kInletSearchFailurePsi = 0.001;

// A solved gauge inlet pressure (psi), or why there is none.
class InletSolution {
public:
    static InletSolution Solved(double psi) { return {psi, std::nullopt}; }
    static InletSolution Failed(Unsolved why, double answer) { return {answer, why}; }

    bool solved() const { return !m_why; }
    // The pressure; meaningful only when solved.
    double psi() const { return m_answer; }
    // Why there is none; meaningful only when not solved.
    Unsolved why() const { return m_why.value_or(Unsolved::NoPressure); }
    // What the solve ends on, solved or not: kInletSearchFailurePsi when the velocity search
    // failed while halving, the top it reached when it ran off its range. The column window
    // shows it, marked, as it always has; nothing else may take it for a pressure.
    double answer() const { return m_answer; }

private:
    InletSolution(double answer, std::optional<Unsolved> why) : m_answer(answer), m_why(why) {}
    double m_answer;
    std::optional<Unsolved> m_why;
};

// The gauge inlet pressure (psi) that gives the flow; the inlet pressure of conditions is
// ignored. A flow of 0 gives the outlet pressure. Unsolved (NoPressure) when the conditions
// give no finite pressure (a gas whose viscosity is not above zero).
InletSolution InletPressureFromFlow(const ColumnConditions& conditions, double flowMlPerMin);

// The gauge inlet pressure (psi) that gives the average velocity; the inlet pressure of
// conditions is ignored. Closed form for a vacuum outlet, otherwise a bounded search that
// never returns a negative pressure: NoPressure when no pressure gives the velocity (the
// answer is then kInletSearchFailurePsi), AboveSearch when the root lies above the 400000 psi
// the search can reach. A velocity of 0 or below is NoFlow (the answer is the outlet
// pressure). When halvings is given it receives how many halvings the search made (0 for the
// closed forms).
InletSolution InletPressureFromVelocity(const ColumnConditions& conditions, double velocityCmPerS,
                                        int* halvings = nullptr);

enum class HoldUpKind { Minutes, Infinite, NotAvailable };

struct HoldUp {
    HoldUpKind m_kind;
    double m_minutes;  // meaningful for Minutes only
};

// The time an unretained component spends in the column of the given length at the given
// average velocity: Infinite without flow, NotAvailable when the gas flows backwards.
HoldUp HoldUpTime(double lengthM, double velocityCmPerS);

}  // namespace veltrane
