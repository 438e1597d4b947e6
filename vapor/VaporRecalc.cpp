// The results of the vapor calculator: every step reads the texts shown, never hidden values.
#include <algorithm>

#include "calculators/UnitButtons.h"
#include "data/Numbers.h"
#include "data/Text.h"
#include "resources/ResourceIds.h"
#include "vapor/VaporCalculator.h"

namespace veltrane {

using namespace vapor;

namespace {

int LampImage(CapacityLevel level) {
    switch (level) {
        case CapacityLevel::Overload:
            return res::IDB_LAMP_RED;
        case CapacityLevel::Caution:
            return res::IDB_LAMP_YELLOW;
        case CapacityLevel::Normal:
            return res::IDB_LAMP_GREEN;
    }
    return res::IDB_LAMP_GREEN;
}

}  // namespace

double VaporCalculator::scaleOf(Row row) const {
    switch (row) {
        case Row::Injection:
            return 10.0;
        case Row::Temperature:
            return 1.0;
        case Row::Pressure:
            break;
    }
    return ScaleFor(CalculatorWindow::Vapor, m_unitInForce).m_scale;
}

PressureUnit VaporCalculator::selectedUnit() const {
    return calculators::CheckedUnit(*m_dialog);
}

void VaporCalculator::showSolvent() {
    m_dialog->setText(IDC_BOILING_POINT, FormatNumber("%.15g", m_solvent.m_boilingPointC));
    m_dialog->setText(IDC_DENSITY, FormatNumber("%.15g", m_solvent.m_density));
    m_dialog->setText(IDC_MOLECULAR_WEIGHT, FormatNumber("%.15g", m_solvent.m_molecularWeight));
}

void VaporCalculator::showDisplay(int id, const std::string& text) {
    m_dialog->setFont(id, ui::Font{"Arial", 20, 600});
    m_dialog->setText(id, text);
}

void VaporCalculator::recompute() {
    ui::Dialog& d = *m_dialog;
    const VaporVolume volume = m_model.ComputeVaporVolume(
        FirstChars(d.text(IDC_INJECTION), 10), FirstChars(d.text(IDC_TEMPERATURE), 10),
        FirstChars(d.text(IDC_PRESSURE), 10), selectedUnit(), m_solvent);
    d.setText(IDC_WARNING, volume.m_warning);
    showDisplay(IDC_VAPOR_VOLUME, volume.m_text);
    showCapacity();
}

void VaporCalculator::showCapacity() {
    ui::Dialog& d = *m_dialog;
    const Capacity capacity = m_model.ComputeCapacity(FirstChars(d.text(IDC_VAPOR_VOLUME), 24),
                                                      FirstChars(d.text(IDC_LINER_VOLUME), 24),
                                                      m_lowerLimit, m_upperLimit);
    showDisplay(IDC_CAPACITY, capacity.m_text);
    // A liner overfilled shows a full bar, never one left standing where it was.
    const ui::ProgressState& bar = d.control(IDC_CAPACITY_BAR).progress;
    d.setProgressPos(IDC_CAPACITY_BAR, std::clamp(capacity.m_progressPosition, bar.min, bar.max));
    d.setImage(IDC_LAMP, LampImage(capacity.m_level));
    d.setText(IDC_OVERLOAD, capacity.m_overloadText);
}

}  // namespace veltrane
