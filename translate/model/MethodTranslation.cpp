#include "translate/model/MethodTranslation.h"

#include <cmath>

#include "data/PressureUnit.h"

namespace veltrane {
namespace {

// Past this the two methods no longer keep one elution pattern worth the name.
constexpr double kTolerance = 0.02;

// The factor of two hold-up times; nothing unless both are times.
std::optional<double> Factor(const HoldUp& original, const HoldUp& translated) {
    if (original.m_kind != HoldUpKind::Minutes || translated.m_kind != HoldUpKind::Minutes ||
        !(original.m_minutes > 0))
        return std::nullopt;
    const double factor = translated.m_minutes / original.m_minutes;
    if (!std::isfinite(factor) || !(factor > 0)) return std::nullopt;
    return factor;
}

// A method's carrier from the inlet pressure its figure gives at the initial temperature.
MethodCarrier CarrierOf(const MethodColumn& column, double initialC, CarrierControl control,
                        const InletSolution& inlet) {
    MethodCarrier carrier;
    carrier.m_inlet = inlet;
    if (!inlet.solved()) return carrier;
    const ColumnConditions c =
        ConditionsAt(column, {CarrierControl::ConstantPressure, inlet.psi()}, initialC);
    carrier.m_flowMlPerMin = OutletFlow(c);
    carrier.m_velocityCmPerS = AverageVelocity(c);
    carrier.m_setting = {control, control == CarrierControl::ConstantPressure
                                      ? inlet.psi()
                                      : carrier.m_flowMlPerMin};
    carrier.m_holdUp = HoldUpAt(column, carrier.m_setting, initialC);
    return carrier;
}

bool Flows(const MethodCarrier& carrier) {
    return carrier.m_inlet.solved() && carrier.m_holdUp.m_kind == HoldUpKind::Minutes;
}

// The warnings a method's carrier gives when there is no factor to translate by.
void AddCarrierWarning(std::vector<TranslationWarning>& warnings, const MethodCarrier& carrier,
                       TranslationMethod method) {
    using Kind = TranslationWarning::Kind;
    if (!carrier.m_inlet.solved()) {
        warnings.push_back(
            {carrier.m_inlet.why() == Unsolved::NoFlow ? Kind::NoFlow : Kind::NoInletPressure,
             method});
    } else if (carrier.m_holdUp.m_kind != HoldUpKind::Minutes) {
        warnings.push_back({Kind::NoFlow, method});
    }
}

}  // namespace

ColumnConditions ConditionsAt(const MethodColumn& column, const CarrierSetting& setting,
                              double temperatureC) {
    ColumnConditions c{column.m_lengthM,           column.m_diameterMm, temperatureC, 0,
                       column.m_outletPsiAbsolute, column.m_gas};
    c.m_inletPsiGauge = setting.m_control == CarrierControl::ConstantPressure
                            ? setting.m_value
                            : InletPressureFromFlow(c, setting.m_value).answer();
    return c;
}

HoldUp HoldUpAt(const MethodColumn& column, const CarrierSetting& setting, double temperatureC) {
    const ColumnConditions c = ConditionsAt(column, setting, temperatureC);
    if (!std::isfinite(c.m_inletPsiGauge)) return {HoldUpKind::NotAvailable, 0};
    return HoldUpTime(column.m_lengthM, AverageVelocity(c));
}

double VelocityForHoldUp(double lengthM, double holdUpMinutes) {
    return lengthM * 100 / (60 * holdUpMinutes);
}

InletSolution InletPressureFor(const MethodColumn& column, double temperatureC,
                               const CarrierFigure& figure) {
    const ColumnConditions c =
        ConditionsAt(column, {CarrierControl::ConstantPressure, 0}, temperatureC);
    InletSolution inlet = InletSolution::Solved(figure.m_value);
    switch (figure.m_driver) {
        case CarrierDriver::Inlet:
            break;
        case CarrierDriver::Flow:
            inlet = InletPressureFromFlow(c, std::max(0.0, figure.m_value));
            break;
        case CarrierDriver::Velocity:
            inlet = InletPressureFromVelocity(c, figure.m_value);
            break;
    }
    if (!inlet.solved()) return inlet;
    if (!std::isfinite(inlet.psi()) || inlet.psi() > kHighestInletPsi)
        return InletSolution::Failed(Unsolved::NoPressure, inlet.psi());
    return inlet;
}

InletSolution InletPressureForVelocity(const MethodColumn& column, double temperatureC,
                                       double velocityCmPerS) {
    return InletPressureFor(column, temperatureC, {CarrierDriver::Velocity, velocityCmPerS});
}

double PhaseRatio(double diameterMm, double filmUm) {
    return diameterMm * 1000 / (4 * filmUm);
}

std::optional<std::size_t> DescendingRamp(const OvenProgram& program) {
    double temperature = program.m_initialC;
    for (std::size_t k = 0; k < program.m_ramps.size(); ++k) {
        const Ramp& ramp = program.m_ramps[k];
        if (!(ramp.m_rateCPerMin > 0)) return std::nullopt;
        if (!(ramp.m_finalC > temperature)) return k;
        temperature = ramp.m_finalC;
    }
    return std::nullopt;
}

OvenProgram RunningPart(OvenProgram program) {
    const std::optional<std::size_t> descending = DescendingRamp(program);
    for (std::size_t k = 0; k < program.m_ramps.size(); ++k) {
        if (!(program.m_ramps[k].m_rateCPerMin > 0) || k == descending) {
            program.m_ramps.resize(k);
            break;
        }
    }
    return program;
}

double FinalTemperature(const OvenProgram& program) {
    return program.m_ramps.empty() ? program.m_initialC : program.m_ramps.back().m_finalC;
}

double RunTime(const OvenProgram& program) {
    double minutes = program.m_initialHoldMin;
    double temperature = program.m_initialC;
    for (const Ramp& ramp : program.m_ramps) {
        minutes += std::abs(ramp.m_finalC - temperature) / ramp.m_rateCPerMin + ramp.m_holdMin;
        temperature = ramp.m_finalC;
    }
    return minutes;
}

OvenProgram Translated(const OvenProgram& program, double factor) {
    OvenProgram translated = program;
    translated.m_initialHoldMin *= factor;
    for (Ramp& ramp : translated.m_ramps) {
        ramp.m_rateCPerMin /= factor;
        ramp.m_holdMin *= factor;
    }
    return translated;
}

Translation Translate(const TranslationInput& in) {
    using Kind = TranslationWarning::Kind;
    Translation t;
    const double initialC = in.m_program.m_initialC;
    t.m_program = RunningPart(in.m_program);
    t.m_originalPhaseRatio = PhaseRatio(in.m_original.m_diameterMm, in.m_originalFilmUm);
    t.m_newPhaseRatio = PhaseRatio(in.m_new.m_diameterMm, in.m_newFilmUm);
    if (!(std::abs(t.m_newPhaseRatio / t.m_originalPhaseRatio - 1) <= kTolerance))
        t.m_warnings.push_back({Kind::PhaseRatios});

    t.m_original = CarrierOf(in.m_original, initialC, in.m_control,
                             InletPressureFor(in.m_original, initialC, in.m_originalCarrier));
    AddCarrierWarning(t.m_warnings, t.m_original, TranslationMethod::Original);

    // The new carrier: from the goal, or as the person set it. The same times or N times
    // faster need the original's hold-up time; without one the new method cannot be formed.
    std::optional<CarrierFigure> newFigure;
    switch (in.m_goal) {
        case TranslationGoal::Set:
            newFigure = in.m_newCarrier;
            break;
        case TranslationGoal::Optimum:
            newFigure = {CarrierDriver::Velocity, in.m_optimumVelocity};
            break;
        case TranslationGoal::SameTimes:
        case TranslationGoal::Faster:
            if (Flows(t.m_original)) {
                const double faster = in.m_goal == TranslationGoal::Faster ? in.m_faster : 1.0;
                newFigure = {CarrierDriver::Velocity,
                             VelocityForHoldUp(in.m_new.m_lengthM,
                                               t.m_original.m_holdUp.m_minutes / faster)};
            }
            break;
    }
    if (newFigure) {
        t.m_new = CarrierOf(in.m_new, initialC, in.m_control,
                            InletPressureFor(in.m_new, initialC, *newFigure));
        AddCarrierWarning(t.m_warnings, *t.m_new, TranslationMethod::New);
        if (t.m_new->m_inlet.solved()) {
            if (t.m_new->m_inlet.psi() < 0)
                t.m_warnings.push_back({Kind::BelowAmbient});
            else if (t.m_new->m_inlet.psi() > kTypicalInletLimitPsi)
                t.m_warnings.push_back({Kind::AboveTypicalInlet});
        }
    }

    if (t.m_new) t.m_factor = Factor(t.m_original.m_holdUp, t.m_new->m_holdUp);
    if (t.m_factor) {
        const double finalC = FinalTemperature(t.m_program);
        t.m_finalFactor = Factor(HoldUpAt(in.m_original, t.m_original.m_setting, finalC),
                                 HoldUpAt(in.m_new, t.m_new->m_setting, finalC));
        if (t.m_finalFactor && std::abs(*t.m_finalFactor / *t.m_factor - 1) > kTolerance)
            t.m_warnings.push_back({Kind::FactorDrifts, TranslationMethod::New, in.m_control});
        t.m_translated = Translated(t.m_program, *t.m_factor);
    }
    if (const std::optional<std::size_t> ramp = DescendingRamp(in.m_program))
        t.m_warnings.push_back(
            {Kind::RampDescends, TranslationMethod::Original, in.m_control, *ramp});
    return t;
}

}  // namespace veltrane
