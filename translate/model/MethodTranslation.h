// Method translation: a temperature-programmed method moved to another carrier gas or column
// with the same elution pattern. Pure functions over the column flow model.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "column/model/FlowModel.h"

namespace veltrane {

// What the carrier holds along the oven program: the inlet pressure, or the outlet flow (the
// inlet pressure then follows the temperature).
enum class CarrierControl { ConstantPressure, ConstantFlow };

// One method's column and gas as the flow model takes them.
struct MethodColumn {
    ViscosityLine m_gas;
    double m_lengthM;
    double m_diameterMm;
    double m_outletPsiAbsolute;  // as ModelOutletPressure gives it
};

// How the carrier is set: the gauge inlet pressure (psi) under constant pressure, the outlet
// flow (ml/min) under constant flow.
struct CarrierSetting {
    CarrierControl m_control;
    double m_value;
};

// The column's conditions at a temperature, the inlet pressure following from the setting.
ColumnConditions ConditionsAt(const MethodColumn& column, const CarrierSetting& setting,
                              double temperatureC);

// The hold-up time at a temperature, as the column window computes it; NotAvailable when the
// setting gives the column no pressure at that temperature.
HoldUp HoldUpAt(const MethodColumn& column, const CarrierSetting& setting, double temperatureC);

// The average velocity (cm/s) a column needs for a hold-up time (minutes): L·100 / (60·t).
double VelocityForHoldUp(double lengthM, double holdUpMinutes);

// Which of inlet pressure, outlet flow and average velocity sets a method's carrier at the
// initial temperature, and its value (psi gauge, ml/min, cm/s).
enum class CarrierDriver { Inlet, Flow, Velocity };
struct CarrierFigure {
    CarrierDriver m_driver;
    double m_value;
};

// The gauge inlet pressure (psi) a figure gives a column at a temperature. A pressure no
// inlet can have (above kHighestInletPsi) is none: NoPressure, as when the flow model finds
// none.
InletSolution InletPressureFor(const MethodColumn& column, double temperatureC,
                               const CarrierFigure& figure);
InletSolution InletPressureForVelocity(const MethodColumn& column, double temperatureC,
                                       double velocityCmPerS);

// The phase ratio β = d / (4 · d_f) of an inner diameter (mm) and film thickness (µm).
double PhaseRatio(double diameterMm, double filmUm);

struct Ramp {
    double m_rateCPerMin;
    double m_finalC;
    double m_holdMin;
};

// An oven program: the initial temperature and hold, then its ramps.
struct OvenProgram {
    double m_initialC = 0;
    double m_initialHoldMin = 0;
    std::vector<Ramp> m_ramps;
};

// The first ramp, before any whose rate is not above zero, whose final temperature is not
// above the temperature before it: an oven does not ramp down, so the program ends there.
std::optional<std::size_t> DescendingRamp(const OvenProgram& program);

// The program through the ramp before the first whose rate is not above zero or that does not
// climb (see DescendingRamp).
OvenProgram RunningPart(OvenProgram program);

// The temperature the program ends at, and its run time (minutes): every hold, and each
// ramp's climb from the temperature before it.
double FinalTemperature(const OvenProgram& program);
double RunTime(const OvenProgram& program);

// The program for a translation factor G: every temperature kept, every hold (the initial one
// too) times G, every rate over G.
OvenProgram Translated(const OvenProgram& program, double factor);

// What the new method's carrier is set by.
enum class TranslationGoal { SameTimes, Faster, Optimum, Set };

struct TranslationInput {
    MethodColumn m_original;
    MethodColumn m_new;
    double m_originalFilmUm;
    double m_newFilmUm;
    CarrierControl m_control;
    CarrierFigure m_originalCarrier;
    TranslationGoal m_goal;
    double m_faster;             // the goal Faster's N
    double m_optimumVelocity;    // the goal Optimum's velocity for the new gas, cm/s
    CarrierFigure m_newCarrier;  // the goal Set's figure
    OvenProgram m_program;       // as given; see RunningPart
};

// One method's carrier at the initial temperature: solved, or why not.
struct MethodCarrier {
    InletSolution m_inlet = InletSolution::Failed(Unsolved::NoPressure, 0);
    // The rest is meaningful only when the inlet is solved.
    CarrierSetting m_setting{CarrierControl::ConstantPressure, 0};
    double m_flowMlPerMin = 0;
    double m_velocityCmPerS = 0;
    HoldUp m_holdUp{HoldUpKind::NotAvailable, 0};
};

enum class TranslationMethod { Original, New };

// What a translation cannot keep, or could not do, as a window names it.
struct TranslationWarning {
    enum class Kind {
        PhaseRatios,        // the phase ratios differ by over 2 %
        NoInletPressure,    // m_method: no pressure gives its figure or target
        NoFlow,             // m_method: its carrier does not flow, so there is no factor
        BelowAmbient,       // the new inlet pressure is below the atmosphere
        AboveTypicalInlet,  // the new inlet pressure is above kTypicalInletLimitPsi
        FactorDrifts,       // G at the final temperature differs by over 2 % (m_control)
        RampDescends,       // ramp m_ramp (from 0) goes down: the program ends before it
        NoGases,            // the window has no gas to offer: both methods use the fallback gas
    };
    Kind m_kind;
    TranslationMethod m_method = TranslationMethod::New;
    CarrierControl m_control = CarrierControl::ConstantFlow;
    std::size_t m_ramp = 0;
    bool operator==(const TranslationWarning&) const = default;
};

struct Translation {
    MethodCarrier m_original;
    // Nothing when the goal needs the original's hold-up time and there is none.
    std::optional<MethodCarrier> m_new;
    double m_originalPhaseRatio = 0;
    double m_newPhaseRatio = 0;
    std::optional<double> m_factor;       // G at the initial temperature
    std::optional<double> m_finalFactor;  // G at the program's final temperature
    OvenProgram m_program;                // the running part
    std::optional<OvenProgram> m_translated;
    std::vector<TranslationWarning> m_warnings;
};

Translation Translate(const TranslationInput& input);

}  // namespace veltrane
