// What the predicted chromatogram window does when a person leaves a field or clicks a choice.
#include "calculators/TypedNumbers.h"
#include "chromatogram/ChromatogramFields.h"
#include "chromatogram/ChromatogramWindow.h"
#include "data/Numbers.h"

namespace veltrane {

using namespace chromatogram;

void ChromatogramWindow::outletModeChosen(OutletMode mode) {
    ui::Dialog& d = *m_dialog;
    const PressureUnit unit = selectedUnit();
    switch (mode) {
        case OutletMode::Atm:
            d.setText(IDC_OUTLET, std::string(FixedOutletText(OutletMode::Atm, unit)));
            break;
        case OutletMode::Vacuum:
            d.setText(IDC_OUTLET, FormatNumber("%-4.1f", 0.0));
            break;
        case OutletMode::Other:
            // Ten psi absolute, as the column window starts its other outlet.
            d.setText(IDC_OUTLET, FormatPressure(CalculatorWindow::Column, unit,
                                                 10.0 * UnitFactor(PressureUnit::Psi, unit)));
            break;
    }
    d.enable(IDC_OUTLET, mode == OutletMode::Other);
    recompute();
}

void ChromatogramWindow::controlChosen() {
    // Only the figures the chosen control holds can be typed.
    ui::Dialog& d = *m_dialog;
    const InletControl control = selectedControl();
    d.enable(IDC_INLET, control != InletControl::ConstantFlow);
    d.enable(IDC_FLOW, control == InletControl::ConstantFlow);
    for (int k = 0; k < kRamps; ++k) d.enable(InletId(k), control == InletControl::PressureProgram);
    recompute();
}

void ChromatogramWindow::holdToBounds(int edit) {
    ui::Dialog& d = *m_dialog;
    for (const ChromatogramField& field : kChromatogramFields) {
        if (field.id != edit) continue;
        if (d.text(edit).empty() && field.mayBeEmpty) return;
        const double value = number(edit);
        if (field.pressure) {
            // A gauge inlet from none up to what an inlet holds, in the unit of its text.
            const InletLimit highest = HighestInlet(m_unitInForce);
            if (value < 0) d.setText(edit, "0.0");
            if (value > highest.m_value) d.setText(edit, highest.m_text);
        } else if (value <= field.low) {
            d.setText(edit, field.lowText);
        } else if (value > field.high) {
            d.setText(edit, field.highText);
        }
        return;
    }
}

void ChromatogramWindow::leaveField(int edit) {
    calculators::PutDecimalPoint(*m_dialog, edit);
    holdToBounds(edit);
    recompute();
}

}  // namespace veltrane
