// Recalculation of the method translation window: both carriers at the initial temperature,
// the factor, the translated program and the warnings, from the texts shown.
#include <cmath>

#include "calculators/UnitButtons.h"
#include "data/Numbers.h"
#include "data/Text.h"
#include "translate/MethodTranslator.h"
#include "translate/TranslateFields.h"

namespace veltrane {

using namespace translate;

namespace {

std::string HoldUpText(const HoldUp& holdUp) {
    switch (holdUp.m_kind) {
        case HoldUpKind::Infinite:
            return "infinite";
        case HoldUpKind::NotAvailable:
            return "n/a";
        case HoldUpKind::Minutes:
            break;
    }
    return FormatNumber("%.3f", holdUp.m_minutes);
}

// The factor of two hold-up times; nothing unless both are times.
std::optional<double> Factor(const HoldUp& original, const HoldUp& translated) {
    if (original.m_kind != HoldUpKind::Minutes || translated.m_kind != HoldUpKind::Minutes ||
        !(original.m_minutes > 0))
        return std::nullopt;
    return translated.m_minutes / original.m_minutes;
}

}  // namespace

double MethodTranslator::number(int id) const {
    return ReadTypedNumber(FirstChars(m_dialog->text(id), 39));
}

PressureUnit MethodTranslator::selectedUnit() const {
    return calculators::CheckedUnit(*m_dialog);
}

OutletMode MethodTranslator::selectedOutletMode(const MethodIds& method) const {
    for (OutletMode mode : {OutletMode::Atm, OutletMode::Vacuum, OutletMode::Other})
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

void MethodTranslator::showCarrier(const MethodIds& method, double inletPsi,
                                   std::optional<CarrierDriver> typed) {
    ui::Dialog& d = *m_dialog;
    const PressureUnit unit = selectedUnit();
    const ColumnConditions c = ConditionsAt(
        columnOf(method), {CarrierControl::ConstantPressure, inletPsi}, number(IDC_INITIAL));
    // The figure the person typed keeps its text; the other two follow it.
    if (typed != CarrierDriver::Inlet)
        d.setText(method.inlet, FormatPressure(CalculatorWindow::Column, unit,
                                               inletPsi * UnitFactor(PressureUnit::Psi, unit)));
    if (typed != CarrierDriver::Flow) d.setText(method.flow, FormatNumber("%-4.2f", OutletFlow(c)));
    if (typed != CarrierDriver::Velocity)
        d.setText(method.velocity, FormatNumber("%-4.1f", AverageVelocity(c)));
}

std::optional<double> MethodTranslator::solveCarrier(const MethodIds& method,
                                                     CarrierDriver driver) {
    const MethodColumn column = columnOf(method);
    const double initial = number(IDC_INITIAL);
    std::optional<double> inlet;
    switch (driver) {
        case CarrierDriver::Inlet:
            inlet = AbsoluteToPsi(number(method.inlet), selectedUnit());  // a factor only
            break;
        case CarrierDriver::Flow:
            inlet = InletPressureFromFlow(
                ConditionsAt(column, {CarrierControl::ConstantPressure, 0}, initial),
                std::max(0.0, number(method.flow)));
            break;
        case CarrierDriver::Velocity:
            inlet = InletPressureForVelocity(column, initial, number(method.velocity));
            break;
    }
    showCarrier(method, inlet.value_or(kInletSearchFailurePsi), driver);
    return inlet;
}

OvenProgram MethodTranslator::program() const {
    OvenProgram program{number(IDC_INITIAL), number(IDC_INITIAL_HOLD), {}};
    for (int k = 0; k < kRamps; ++k) {
        if (m_dialog->text(RateId(k)).empty()) break;
        program.m_ramps.push_back({number(RateId(k)), number(FinalId(k)), number(HoldId(k))});
    }
    return RunningPart(program);
}

void MethodTranslator::recompute() {
    ui::Dialog& d = *m_dialog;
    const double initial = number(IDC_INITIAL);
    const CarrierControl control = selectedControl();
    const MethodColumn original = columnOf(kOriginal);
    const MethodColumn translated = columnOf(kNew);

    // The setting a method holds along the program, from its inlet pressure at the start.
    const auto settingFor = [&](const MethodColumn& column, double inletPsi) {
        if (control == CarrierControl::ConstantPressure) return CarrierSetting{control, inletPsi};
        return CarrierSetting{
            control, OutletFlow(ConditionsAt(column, {CarrierControl::ConstantPressure, inletPsi},
                                             initial))};
    };

    const double originalInlet =
        solveCarrier(kOriginal, m_originalDriver).value_or(kInletSearchFailurePsi);
    const CarrierSetting originalSetting = settingFor(original, originalInlet);
    const HoldUp originalHoldUp = HoldUpAt(original, originalSetting, initial);

    // The new carrier: from the goal, or as the person typed it.
    std::optional<double> newInlet;
    const int goal = selectedGoal();
    if (goal == IDC_GOAL_SET) {
        newInlet = solveCarrier(kNew, m_newDriver);
    } else {
        std::optional<double> velocity;
        if (goal == IDC_GOAL_OPTIMUM) {
            const CarrierGas& gas = gasOf(kNew);
            velocity = (gas.OptimumVelocityLow() + gas.OptimumVelocityHigh()) / 2.0;
        } else if (originalHoldUp.m_kind == HoldUpKind::Minutes) {
            const double faster = goal == IDC_GOAL_FASTER ? number(IDC_FASTER) : 1.0;
            velocity = VelocityForHoldUp(translated.m_lengthM, originalHoldUp.m_minutes / faster);
        }
        if (velocity) newInlet = InletPressureForVelocity(translated, initial, *velocity);
        showCarrier(kNew, newInlet.value_or(kInletSearchFailurePsi), std::nullopt);
    }
    const CarrierSetting newSetting =
        settingFor(translated, newInlet.value_or(kInletSearchFailurePsi));
    const HoldUp newHoldUp = HoldUpAt(translated, newSetting, initial);

    d.setText(kOriginal.holdUp, HoldUpText(originalHoldUp));
    d.setText(kNew.holdUp, HoldUpText(newHoldUp));
    for (const MethodIds* method : {&kOriginal, &kNew})
        d.setText(method->phaseRatio,
                  FormatNumber("%.0f", PhaseRatio(number(method->diameter), number(method->film))));

    const OvenProgram oven = program();
    const std::optional<double> factor = Factor(originalHoldUp, newHoldUp);
    std::optional<double> finalFactor;
    if (factor && control == CarrierControl::ConstantFlow)
        finalFactor = Factor(HoldUpAt(original, originalSetting, FinalTemperature(oven)),
                             HoldUpAt(translated, newSetting, FinalTemperature(oven)));
    const auto shown = [](const std::optional<double>& value, const char* format) {
        return value ? FormatNumber(format, *value) : std::string("n/a");
    };
    d.setText(IDC_FACTOR, shown(factor, "%.3f"));
    d.setText(IDC_SPEED_GAIN, shown(factor ? std::optional(1 / *factor) : std::nullopt, "%.3f"));
    d.setText(IDC_FINAL_FACTOR,
              control == CarrierControl::ConstantFlow ? shown(finalFactor, "%.3f") : "");
    d.setText(IDC_RUN_TIME, FormatNumber("%.2f", RunTime(oven)));

    const std::optional<OvenProgram> moved =
        factor ? std::optional(Translated(oven, *factor)) : std::nullopt;
    d.setText(IDC_NEW_INITIAL_HOLD, moved ? FormatNumber("%.2f", moved->m_initialHoldMin) : "");
    for (int k = 0; k < kRamps; ++k) {
        const bool runs = moved && k < static_cast<int>(moved->m_ramps.size());
        d.setText(NewRateId(k), runs ? FormatNumber("%.1f", moved->m_ramps[k].m_rateCPerMin) : "");
        d.setText(NewHoldId(k), runs ? FormatNumber("%.2f", moved->m_ramps[k].m_holdMin) : "");
    }
    d.setText(IDC_NEW_RUN_TIME, moved ? FormatNumber("%.2f", RunTime(*moved)) : "n/a");

    std::string joined;
    for (const std::string& line : warnings(factor, finalFactor, newInlet))
        joined += (joined.empty() ? "" : "; ") + line;
    d.setText(IDC_WARNINGS, joined);
    d.invalidate();
}

std::vector<std::string> MethodTranslator::warnings(std::optional<double> factor,
                                                    std::optional<double> finalFactor,
                                                    std::optional<double> newInlet) const {
    std::vector<std::string> lines;
    const double ratio = PhaseRatio(number(kNew.diameter), number(kNew.film)) /
                         PhaseRatio(number(kOriginal.diameter), number(kOriginal.film));
    if (std::abs(ratio - 1) > 0.02)
        lines.push_back("Phase ratios differ by over 2%: elution order may change");
    if (!newInlet) {
        lines.push_back("No inlet pressure gives the new method's target");
    } else if (*newInlet < 0) {
        lines.push_back("New inlet below ambient: use vacuum outlet or longer column");
    } else if (*newInlet > 150) {
        lines.push_back("New inlet pressure above 150 psi");
    }
    // A carrier that stands still or flows backwards has no hold-up time to translate by.
    if (!factor && newInlet) lines.push_back("No factor: a carrier gas does not flow");
    if (factor && finalFactor && std::abs(*finalFactor / *factor - 1) > 0.02)
        lines.push_back("Factor drifts by over 2% along the program (constant flow)");
    return lines;
}

}  // namespace veltrane
