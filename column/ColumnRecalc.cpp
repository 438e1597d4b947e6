// Recalculation of the column calculator: every step reads the texts shown, never hidden values.
#include "calculators/UnitButtons.h"
#include "column/ColumnCalculator.h"
#include "column/model/InletFlow.h"
#include "data/Numbers.h"
#include "data/Text.h"

namespace veltrane {

using namespace column;

double ColumnCalculator::number(int id) const {
    return ReadTypedNumber(FirstChars(m_dialog->text(id), 39));
}

PressureUnit ColumnCalculator::selectedUnit() const {
    return calculators::CheckedUnit(*m_dialog);
}

std::optional<OutletMode> ColumnCalculator::selectedOutletMode() const {
    for (OutletMode mode : kOutletModes)
        if (m_dialog->isChecked(OutletButton(mode))) return mode;
    return std::nullopt;
}

ColumnConditions ColumnCalculator::conditions() const {
    const PressureUnit unit = selectedUnit();
    const double shownOutlet = AbsoluteToPsi(number(IDC_OUTLET), unit);
    return ColumnConditions{
        number(IDC_LENGTH),
        number(IDC_DIAMETER),
        number(IDC_TEMPERATURE),
        AbsoluteToPsi(number(IDC_INLET), unit),  // a factor only: the gauge stays gauge
        ModelOutletPressure(selectedOutletMode().value_or(OutletMode::Other), shownOutlet),
        m_viscosity,
    };
}

void ColumnCalculator::setPosition(int slider, int spin, int position) {
    m_dialog->setSliderPos(slider, position);
    m_dialog->setSpinPos(spin, position);
}

void ColumnCalculator::scalePressure(int slider, int spin, PressureUnit unit, int position,
                                     std::optional<int> sliderMin) {
    ui::Dialog& d = *m_dialog;
    const PressureScale scale = ScaleFor(CalculatorWindow::Column, unit);
    d.setSliderRange(slider, sliderMin.value_or(scale.m_sliderMin), scale.m_sliderMax);
    d.setSliderTicks(slider, scale.m_tickFrequency);
    d.setSliderPage(slider, scale.m_pageSize.value_or(0));
    d.setSliderLine(slider, 1);
    d.setSpinRange(spin, scale.m_spinMin, scale.m_spinMax);
    setPosition(slider, spin, position);
}

void ColumnCalculator::recalcFromPressure() {
    recalcFlow();
    recalcVelocity();
}

void ColumnCalculator::recalcFlow() {
    const double flow = OutletFlow(conditions());
    m_dialog->setText(IDC_FLOW, FormatNumber(kFlow.format, flow));
    m_dialog->setText(IDC_FLOW_MARK, flow > -0.01 && flow < 0.01 ? "~" : "");
    setPosition(kFlow.slider, kFlow.spin, RatePositionOf(flow, kFlow.step));
}

void ColumnCalculator::recalcVelocity() {
    const double velocity = AverageVelocity(conditions());
    m_dialog->setText(IDC_VELOCITY, FormatNumber(kVelocity.format, velocity));
    setPosition(kVelocity.slider, kVelocity.spin, RatePositionOf(velocity, kVelocity.step));
}

void ColumnCalculator::recalcFromRate() {
    const ColumnConditions c = conditions();
    // The window shows what the solve ends on even when it has no solution: the velocity
    // search's failure value, marked "~" below, is how it has always said so.
    const InletSolution solved = m_rateDriver == RateDriver::Flow
                                     ? InletPressureFromFlow(c, number(IDC_FLOW))
                                     : InletPressureFromVelocity(c, number(IDC_VELOCITY));
    const double psi = solved.answer();
    const PressureUnit unit = selectedUnit();
    const double value = psi * UnitFactor(PressureUnit::Psi, unit);
    m_dialog->setText(IDC_INLET, FormatPressure(CalculatorWindow::Column, unit, value));
    m_dialog->setText(IDC_INLET_MARK, value > -0.1 && value < 0.1 ? "~" : "");
    setPosition(IDC_INLET_SLIDER, IDC_INLET_SPIN, RatePositionOf(value, PressureStep(unit)));
    // The rate the user set keeps its value; the other follows the rounded pressure shown.
    if (m_rateDriver == RateDriver::Flow)
        recalcVelocity();
    else
        recalcFlow();
}

void ColumnCalculator::refreshDerived() {
    ui::Dialog& d = *m_dialog;
    d.setFont(IDC_HOLDUP, ui::Font{"Arial", 20, 600});
    const HoldUp holdUp = HoldUpTime(number(IDC_LENGTH), number(IDC_VELOCITY));
    switch (holdUp.m_kind) {
        case HoldUpKind::Infinite:
            d.setText(IDC_HOLDUP, "infinite");
            break;
        case HoldUpKind::NotAvailable:
            d.setText(IDC_HOLDUP, "n/a");
            break;
        case HoldUpKind::Minutes:
            d.setText(IDC_HOLDUP, FormatNumber("%#3.3g", holdUp.m_minutes) + " minutes");
            break;
    }
    updateSplit();
    updateInletFlow();
}

void ColumnCalculator::updateSplit() {
    ui::Dialog& d = *m_dialog;
    const double flow = number(IDC_FLOW);
    // Writing the other quantity's text is heard as typing into it, which would make it the
    // driver; the quantity the user set stays the driver.
    const SplitDriver driver = m_splitDriver;
    if (driver == SplitDriver::VentFlow) {
        const double vent = number(IDC_VENT_FLOW);
        d.setText(IDC_SPLIT_RATIO, flow == 0 ? "n/a" : FormatNumber("%-4.1f", vent / flow));
    } else {
        const double ratio = number(IDC_SPLIT_RATIO);
        d.setText(IDC_VENT_FLOW, FormatNumber("%-4.1f", flow * ratio));
    }
    m_splitDriver = driver;
}

void ColumnCalculator::updateInletFlow() {
    const double inletPsi = GaugeToAbsolutePsi(number(IDC_INLET), selectedUnit());
    const double flow = InletFlow(number(IDC_FLOW), inletPsi, number(IDC_INLET_TEMPERATURE));
    m_dialog->setText(IDC_INLET_FLOW, FormatNumber("%#3.3g", flow));
}

}  // namespace veltrane
