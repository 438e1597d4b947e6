// What the method translation window does when a person leaves a field or clicks an outlet.
#include "calculators/TypedNumbers.h"
#include "data/Numbers.h"
#include "data/Text.h"
#include "translate/MethodTranslator.h"
#include "translate/TranslateFields.h"

namespace veltrane {

using namespace translate;

void MethodTranslator::outletModeChosen(const MethodIds& method, OutletMode mode) {
    ui::Dialog& d = *m_dialog;
    const PressureUnit unit = selectedUnit();
    switch (mode) {
        case OutletMode::Atm:
            d.setText(method.outlet, std::string(FixedOutletText(OutletMode::Atm, unit)));
            break;
        case OutletMode::Vacuum:
            d.setText(method.outlet, FormatNumber("%-4.1f", 0.0));
            break;
        case OutletMode::Other:
            // Ten psi absolute, as the column window starts its other outlet.
            d.setText(method.outlet, FormatPressure(CalculatorWindow::Column, unit,
                                                    10.0 * UnitFactor(PressureUnit::Psi, unit)));
            break;
    }
    d.enable(method.outlet, mode == OutletMode::Other);
    recompute();
}

void MethodTranslator::holdToBounds(int edit, bool fromAboveOnly) {
    ui::Dialog& d = *m_dialog;
    for (const TranslateField& field : kTranslateFields) {
        if (field.id != edit) continue;
        const std::string text = d.text(edit);
        if (text.empty() && field.mayBeEmpty) return;
        const double value = number(edit);
        if (field.low == kInletBound) {
            // The inlet's bounds are those of the unit its text is in; a computed inlet goes no
            // lower than a vacuum would draw it.
            const InletLimit highest = HighestInlet(m_unitInForce);
            const double vacuum = -kAtmospherePsi * UnitFactor(PressureUnit::Psi, m_unitInForce);
            if (value < (fromAboveOnly ? vacuum : 0)) d.setText(edit, "0.0");
            if (value > highest.m_value) d.setText(edit, highest.m_text);
        } else if (value <= field.low && !fromAboveOnly) {
            d.setText(edit, field.lowText);
        } else if (value > field.high) {
            d.setText(edit, field.highText);
        }
        return;
    }
}

void MethodTranslator::leaveField(int edit) {
    ui::Dialog& d = *m_dialog;
    calculators::PutDecimalPoint(d, edit);
    holdToBounds(edit);
    for (const MethodIds* method : {&kOriginal, &kNew}) {
        const std::pair<int, CarrierDriver> carrier[] = {
            {method->inlet, CarrierDriver::Inlet},
            {method->flow, CarrierDriver::Flow},
            {method->velocity, CarrierDriver::Velocity}};
        for (const auto& [id, driver] : carrier)
            if (id == edit) carrierTyped(*method, driver);
    }
    if (edit == IDC_FASTER) d.checkRadio(IDC_GOAL_FASTER);
    recompute();
}

void MethodTranslator::carrierTyped(const MethodIds& method, CarrierDriver driver) {
    if (&method == &kOriginal) {
        m_originalDriver = driver;
    } else {
        // A typed carrier of the new method is the goal.
        m_newDriver = driver;
        m_dialog->checkRadio(IDC_GOAL_SET);
    }
}

}  // namespace veltrane
