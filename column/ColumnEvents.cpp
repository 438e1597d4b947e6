// What the column calculator does when a person moves, types, picks or clicks.
#include <algorithm>
#include <climits>

#include "calculators/TypedNumbers.h"
#include "calculators/WorkFiles.h"
#include "column/ColumnCalculator.h"
#include "data/Numbers.h"
#include "plot/PlotFile.h"

namespace veltrane {

using namespace column;

void ColumnCalculator::rowMoved(const QuantityRow& row, int position) {
    ui::Dialog& d = *m_dialog;
    d.setSpinPos(row.spin, position);
    if (row.edit == IDC_FLOW) d.setText(IDC_FLOW_MARK, "");
    d.setText(row.edit, row.format ? FormatNumber(row.format, position * row.step)
                                   : FormatNumber("%d", position));
    if (row.edit == IDC_FLOW || row.edit == IDC_VELOCITY) {
        m_rateDriver = row.edit == IDC_FLOW ? RateDriver::Flow : RateDriver::Velocity;
        recalcFromRate();
    } else {
        recalcFromPressure();
    }
    refreshDerived();
}

void ColumnCalculator::pressureMoved(int spin, int edit, int position) {
    ui::Dialog& d = *m_dialog;
    const PressureUnit unit = selectedUnit();
    d.setSpinPos(spin, position);
    d.setText(edit, FormatPressure(CalculatorWindow::Column, unit, position * PressureStep(unit)));
    if (edit == IDC_INLET) d.setText(IDC_INLET_MARK, "");
    recalcFromPressure();
    refreshDerived();
}

void ColumnCalculator::gasChanged() {
    applyGas();
    recalcFromPressure();
    refreshDerived();
}

void ColumnCalculator::applyGas() {
    ui::Dialog& d = *m_dialog;
    const int index = d.selection(IDC_GAS_LIST);
    const bool chosen = index >= 0 && index < static_cast<int>(m_gases.size());
    // Without any gas on offer the window computes with the fallback gas.
    if (!chosen && d.control(IDC_GAS_LIST).combo.items.size() > 0) return;
    const CarrierGas& gas = chosen ? m_gases[index] : FallbackGas();
    m_viscosity = {gas.ViscositySlope(), gas.ViscosityIntercept()};
    d.setText(IDC_BAND_LOW, gas.m_optimumVelocityLow);
    d.setText(IDC_BAND_HIGH, gas.m_optimumVelocityHigh);
    m_bandLow = gas.OptimumVelocityLow();
    m_bandHigh = gas.OptimumVelocityHigh();
    // The slider counts tenths of cm/s; a hand-edited limit beyond int is held at its end.
    auto tenths = [](int cmPerS) {
        return static_cast<int>(std::clamp(10LL * cmPerS, static_cast<long long>(INT_MIN),
                                           static_cast<long long>(INT_MAX)));
    };
    d.setSliderSelection(IDC_VELOCITY_SLIDER, tenths(m_bandLow), tenths(m_bandHigh));
}

void ColumnCalculator::outletModeChosen(OutletMode mode) {
    ui::Dialog& d = *m_dialog;
    const PressureUnit unit = selectedUnit();
    const bool psi = unit == PressureUnit::Psi;
    switch (mode) {
        case OutletMode::Atm:
            scalePressure(IDC_OUTLET_SLIDER, IDC_OUTLET_SPIN, unit, psi ? 147 : 1011,
                          unit == PressureUnit::KPa ? std::optional(0) : std::nullopt);
            d.setText(IDC_OUTLET, std::string(FixedOutletText(OutletMode::Atm, unit)));
            break;
        case OutletMode::Vacuum:
            d.setSliderPos(IDC_OUTLET_SLIDER, 0);
            d.setSpinPos(IDC_OUTLET_SPIN, 0);
            d.setText(IDC_OUTLET, FormatNumber("%-4.1f", 0.0));
            break;
        case OutletMode::Other: {
            const int position = psi ? 100 : 689;
            scalePressure(IDC_OUTLET_SLIDER, IDC_OUTLET_SPIN, unit, position);
            d.setText(IDC_OUTLET, FormatPressure(CalculatorWindow::Column, unit,
                                                 position * PressureStep(unit)));
            break;
        }
    }
    const bool enabled = mode == OutletMode::Other;
    for (int id : {IDC_OUTLET_SLIDER, IDC_OUTLET_SPIN, IDC_OUTLET}) d.enable(id, enabled);
    recalcFromPressure();
    refreshDerived();
}

// What leaving a field checks: the bounds a typed value is held to, the text put in at each
// bound, and the slider and spin button that then follow the text.
struct ColumnCalculator::FieldRule {
    const char* emptyText;  // what an empty field becomes, or nullptr
    double low;
    bool lowInclusive;  // "at or below" rather than "below"
    const char* lowText;
    double high;
    const char* highText;
    int slider;
    int spin;
    double step;  // value of one slider position
};

std::optional<ColumnCalculator::FieldRule> ColumnCalculator::fieldRule(int edit) const {
    // The inlet's bounds are those of the unit its text is in; the outlet follows the unit
    // button, like everything else the outlet does.
    const double inletStep = PressureStep(m_unitInForce);
    switch (edit) {
        case IDC_LENGTH:
            return FieldRule{nullptr, 0.01,           true,         "0.01",      500,
                             "500",   kLength.slider, kLength.spin, kLength.step};
        case IDC_DIAMETER:
            return FieldRule{nullptr,          0.001,          true,          "0.001", 3.0, "3.0",
                             kDiameter.slider, kDiameter.spin, kDiameter.step};
        case IDC_TEMPERATURE:
            return FieldRule{
                "100", -80, true, "-85", 450, "450", kTemperature.slider, kTemperature.spin, 1};
        case IDC_INLET: {
            const InletLimit highest = HighestInlet(m_unitInForce);
            return FieldRule{nullptr,
                             0,
                             false,
                             "0.0",
                             highest.m_value,
                             highest.m_text,
                             IDC_INLET_SLIDER,
                             IDC_INLET_SPIN,
                             inletStep};
        }
        case IDC_FLOW:
            return FieldRule{nullptr,      0,          false,     "0.00", 200, "200",
                             kFlow.slider, kFlow.spin, kFlow.step};
        case IDC_VELOCITY:
            return FieldRule{nullptr,          0.001,          true,          "0.1", 400, "400",
                             kVelocity.slider, kVelocity.spin, kVelocity.step};
        case IDC_OUTLET:
            return FieldRule{nullptr,
                             0.001,
                             true,
                             "0.1",
                             2000,
                             "2000",
                             IDC_OUTLET_SLIDER,
                             IDC_OUTLET_SPIN,
                             PressureStep(selectedUnit())};
        case IDC_INLET_TEMPERATURE:  // no slider of its own
            return FieldRule{"175", 0, false, "0", 450, "450", 0, 0, 0};
        default:
            return std::nullopt;
    }
}

void ColumnCalculator::validate(int edit) {
    ui::Dialog& d = *m_dialog;
    calculators::PutDecimalPoint(d, edit);
    const std::optional<FieldRule> rule = fieldRule(edit);
    if (!rule) return;
    const std::string text = d.text(edit);
    const double value = number(edit);
    if (text.empty() && rule->emptyText) {
        d.setText(edit, rule->emptyText);
    } else if (rule->lowInclusive ? value <= rule->low : value < rule->low) {
        d.setText(edit, rule->lowText);
    } else if (value > rule->high) {
        d.setText(edit, rule->highText);
    }

    if (rule->slider != 0)
        setPosition(rule->slider, rule->spin, PositionOf(number(edit), rule->step));
    if (edit == IDC_FLOW || edit == IDC_VELOCITY) {
        // A typed rate drives: the inlet pressure is solved from it.
        m_rateDriver = edit == IDC_FLOW ? RateDriver::Flow : RateDriver::Velocity;
        recalcFromRate();
    } else {
        recalcFromPressure();
    }
    refreshDerived();
}

void ColumnCalculator::flowRatioPressed() {
    if (number(IDC_VENT_FLOW) == 0 && number(IDC_SPLIT_RATIO) == 0) {
        m_host.messageBox(
            "You must first enter a non-zero value for split vent flow or split ratio, and then "
            "press 'Flow/Ratio'.",
            "Veltrane", ui::MessageIcon::Information);
        return;
    }
    updateSplit();
}

void ColumnCalculator::plotPressed() {
    const ui::Dialog& d = *m_dialog;
    const CurveInputs inputs{
        d.text(IDC_DIAMETER),
        d.text(IDC_TEMPERATURE),
        d.text(IDC_LENGTH),
        d.text(IDC_OUTLET),
        d.text(IDC_GAS_LIST),
        d.text(IDC_BAND_LOW),
        d.text(IDC_BAND_HIGH),
        selectedUnit(),
        selectedOutletMode().value_or(OutletMode::Atm),
        m_viscosity,
    };
    const std::vector<std::string> lines = PlotFileLines(inputs);
    // An older curve must never be shown as the current one.
    if (!m_host.writeWorkFile(kPlotFileName, lines, kPlotFileDurability)) {
        calculators::TellCannotWrite(m_host, kPlotFileName);
        return;
    }
    // The curve is handed over as the file reads back, not read back: another program
    // saving its own plot.xy in this folder meanwhile cannot slip its curve in.
    m_plot.run(PlotDataFromText(TextOfFileBytes(FileBytesOfLines(lines))));
}

}  // namespace veltrane
