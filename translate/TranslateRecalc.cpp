// Recalculation of the method translation window: the inputs read from the texts shown, the
// translation computed by the model, and everything it found shown.
#include <cmath>

#include "calculators/UnitButtons.h"
#include "data/ListFile.h"
#include "data/Numbers.h"
#include "data/Text.h"
#include "translate/MethodTranslator.h"
#include "translate/TranslateFields.h"
#include "translate/TranslateWarnings.h"

namespace veltrane {

using namespace translate;

namespace {

std::string HoldUpText(const HoldUp& holdUp) {
    switch (holdUp.m_kind) {
        case HoldUpKind::Infinite:
            return "infinite";
        case HoldUpKind::NotAvailable:
            return kNotAvailable;
        case HoldUpKind::Minutes:
            break;
    }
    return FormatNumber("%.3f", holdUp.m_minutes);
}

std::string Shown(const std::optional<double>& value, const char* format) {
    return value ? FormatNumber(format, *value) : std::string(kNotAvailable);
}

TranslationGoal GoalOf(int radio) {
    switch (radio) {
        case IDC_GOAL_TIMES:
            return TranslationGoal::SameTimes;
        case IDC_GOAL_OPTIMUM:
            return TranslationGoal::Optimum;
        case IDC_GOAL_SET:
            return TranslationGoal::Set;
    }
    return TranslationGoal::Faster;
}

}  // namespace

double MethodTranslator::number(int id) const {
    return ReadTypedNumber(FirstChars(m_dialog->text(id), 39));
}

PressureUnit MethodTranslator::selectedUnit() const {
    return calculators::CheckedUnit(*m_dialog);
}

OutletMode MethodTranslator::selectedOutletMode(const MethodIds& method) const {
    for (OutletMode mode : kOutletModes)
        if (m_dialog->isChecked(method.outletButton(mode))) return mode;
    return OutletMode::Atm;
}

CarrierControl MethodTranslator::selectedControl() const {
    return m_dialog->isChecked(IDC_CONSTANT_PRESSURE) ? CarrierControl::ConstantPressure
                                                      : CarrierControl::ConstantFlow;
}

int MethodTranslator::selectedGoal() const {
    for (const Choice& goal : kGoals)
        if (m_dialog->isChecked(goal.id)) return goal.id;
    return IDC_GOAL_FASTER;
}

const CarrierGas& MethodTranslator::gasOf(const MethodIds& method) const {
    const int index = m_dialog->selection(method.gasList);
    return index >= 0 && index < static_cast<int>(m_gases.size()) ? m_gases[index] : FallbackGas();
}

MethodColumn MethodTranslator::columnOf(const MethodIds& method) const {
    const CarrierGas& gas = gasOf(method);
    const PressureUnit unit = selectedUnit();
    return {{gas.ViscositySlope(), gas.ViscosityIntercept()},
            number(method.length),
            number(method.diameter),
            ModelOutletPressure(selectedOutletMode(method),
                                AbsoluteToPsi(number(method.outlet), unit))};
}

CarrierFigure MethodTranslator::figureOf(const MethodIds& method, CarrierDriver driver) const {
    switch (driver) {
        case CarrierDriver::Inlet:
            // A factor only: the gauge stays gauge.
            return {driver, AbsoluteToPsi(number(method.inlet), selectedUnit())};
        case CarrierDriver::Flow:
            return {driver, number(method.flow)};
        case CarrierDriver::Velocity:
            break;
    }
    return {driver, number(method.velocity)};
}

void MethodTranslator::showCarrier(const MethodIds& method,
                                   const std::optional<MethodCarrier>& carrier,
                                   std::optional<CarrierDriver> typed) {
    ui::Dialog& d = *m_dialog;
    const PressureUnit unit = selectedUnit();
    const bool solved = carrier && carrier->m_inlet.solved();
    // The figure the person typed keeps its text; the other two follow it.
    if (typed != CarrierDriver::Inlet)
        d.setText(method.inlet, solved ? FormatPressure(CalculatorWindow::Column, unit,
                                                        carrier->m_inlet.psi() *
                                                            UnitFactor(PressureUnit::Psi, unit))
                                       : kNotAvailable);
    if (typed != CarrierDriver::Flow)
        d.setText(method.flow,
                  solved ? FormatNumber("%-4.2f", carrier->m_flowMlPerMin) : kNotAvailable);
    if (typed != CarrierDriver::Velocity)
        d.setText(method.velocity,
                  solved ? FormatNumber("%-4.1f", carrier->m_velocityCmPerS) : kNotAvailable);
    d.setText(method.holdUp, carrier ? HoldUpText(carrier->m_holdUp) : kNotAvailable);
}

OvenProgram MethodTranslator::program() const {
    // An empty rate or final temperature ends the program; 0 C is a temperature like any.
    OvenProgram program{number(IDC_INITIAL), number(IDC_INITIAL_HOLD), {}};
    for (int k = 0; k < kRamps; ++k) {
        if (m_dialog->text(RateId(k)).empty() || m_dialog->text(FinalId(k)).empty()) break;
        program.m_ramps.push_back({number(RateId(k)), number(FinalId(k)), number(HoldId(k))});
    }
    return program;
}

TranslationInput MethodTranslator::input() const {
    const CarrierGas& newGas = gasOf(kNew);
    return {columnOf(kOriginal),
            columnOf(kNew),
            number(kOriginal.film),
            number(kNew.film),
            selectedControl(),
            figureOf(kOriginal, m_originalDriver),
            GoalOf(selectedGoal()),
            number(IDC_FASTER),
            (newGas.OptimumVelocityLow() + newGas.OptimumVelocityHigh()) / 2.0,
            figureOf(kNew, m_newDriver),
            program()};
}

void MethodTranslator::recompute() {
    ui::Dialog& d = *m_dialog;
    m_translation = Translate(input());
    const Translation& t = m_translation;

    showCarrier(kOriginal, t.m_original, m_originalDriver);
    const bool typedNew = selectedGoal() == IDC_GOAL_SET;
    showCarrier(kNew, t.m_new, typedNew ? std::optional(m_newDriver) : std::nullopt);
    d.setText(kOriginal.phaseRatio, FormatNumber("%.0f", t.m_originalPhaseRatio));
    d.setText(kNew.phaseRatio, FormatNumber("%.0f", t.m_newPhaseRatio));

    d.setText(IDC_FACTOR, Shown(t.m_factor, "%.3f"));
    d.setText(IDC_SPEED_GAIN,
              Shown(t.m_factor ? std::optional(1 / *t.m_factor) : std::nullopt, "%.3f"));
    d.setText(IDC_FINAL_FACTOR, Shown(t.m_finalFactor, "%.3f"));
    showProgram(t);

    m_warnings = t.m_warnings;
    if (OfferedCount(m_gases) == 0) m_warnings.push_back({TranslationWarning::Kind::NoGases});
    d.setText(IDC_WARNINGS, WarningsLine(m_warnings));
    d.invalidate();
}

void MethodTranslator::showProgram(const Translation& t) {
    ui::Dialog& d = *m_dialog;
    d.setText(IDC_RUN_TIME, FormatNumber("%.2f", RunTime(t.m_program)));
    // Every ramp that runs has its translated row, "n/a" when there is no factor to form it.
    const auto figure = [&](const char* format, auto value) {
        return t.m_translated ? FormatNumber(format, value(*t.m_translated))
                              : std::string(kNotAvailable);
    };
    d.setText(IDC_NEW_INITIAL_HOLD,
              figure("%.2f", [](const OvenProgram& p) { return p.m_initialHoldMin; }));
    for (int k = 0; k < kRamps; ++k) {
        const auto ramp = static_cast<std::size_t>(k);
        const bool runs = ramp < t.m_program.m_ramps.size();
        d.setText(NewRateId(k),
                  runs ? figure("%.1f",
                                [&](const OvenProgram& p) { return p.m_ramps[ramp].m_rateCPerMin; })
                       : "");
        d.setText(
            NewHoldId(k),
            runs ? figure("%.2f", [&](const OvenProgram& p) { return p.m_ramps[ramp].m_holdMin; })
                 : "");
    }
    d.setText(IDC_NEW_RUN_TIME, figure("%.2f", [](const OvenProgram& p) { return RunTime(p); }));
}

}  // namespace veltrane
