// What the vapor calculator does when a person moves, types or picks.
#include "calculators/TypedNumbers.h"
#include "data/Numbers.h"
#include "data/Text.h"
#include "vapor/VaporCalculator.h"

namespace veltrane {

using namespace vapor;

namespace {

// What leaving a field puts in place of a value beyond its bounds; a bound itself stays.
struct FieldBounds {
    double low;
    const char* lowText;
    double high;
    const char* highText;
};

FieldBounds BoundsOf(Row row, PressureUnit unit) {
    switch (row) {
        case Row::Injection:
            return {0.01, "0.01", 8000, "8000"};
        case Row::Temperature:
            return {25, "25", 800, "800"};
        case Row::Pressure:
            break;
    }
    const InletLimit highest = HighestInlet(unit);
    return {0, "0.0", highest.m_value, highest.m_text};
}

// Leaving a field judges its first six characters, room for every bound as written.
constexpr std::size_t kCheckedChars = 6;

}  // namespace

void VaporCalculator::sliderMoved(Row row) {
    const RowControls c = ControlsOf(row);
    const int position = m_dialog->sliderPos(c.slider);
    m_dialog->setSpinPos(c.spin, position);
    showPosition(row, position);
    recompute();
}

void VaporCalculator::spinMoved(Row row) {
    const RowControls c = ControlsOf(row);
    // The spin hands its position to the slider, which keeps it within its own range.
    m_dialog->setSliderPos(c.slider, m_dialog->spinPos(c.spin));
    showPosition(row, m_dialog->sliderPos(c.slider));
    recompute();
}

void VaporCalculator::showPosition(Row row, int position) {
    std::string text;
    switch (row) {
        case Row::Injection:
            text = FormatNumber("%-4.1f", position * 0.1);
            break;
        case Row::Temperature:
            text = FormatNumber("%d", position);
            break;
        case Row::Pressure:
            text = FormatPressure(CalculatorWindow::Vapor, m_unitInForce,
                                  position / scaleOf(Row::Pressure));
            break;
    }
    m_dialog->setText(ControlsOf(row).edit, text);
}

void VaporCalculator::leaveField(Row row) {
    ui::Dialog& d = *m_dialog;
    const RowControls c = ControlsOf(row);
    calculators::PutDecimalPoint(d, c.edit);
    const FieldBounds bounds = BoundsOf(row, m_unitInForce);
    const double value = ReadTypedNumber(FirstChars(d.text(c.edit), kCheckedChars));
    if (value < bounds.low) {
        d.setText(c.edit, bounds.lowText);
    } else if (value > bounds.high) {
        d.setText(c.edit, bounds.highText);
    }
    // The field keeps a value beyond the slider's range; only the thumb stops at its end.
    const double shown = ReadTypedNumber(FirstChars(d.text(c.edit), kCheckedChars));
    const int position = NearestPosition(shown, scaleOf(row));
    d.setSliderPos(c.slider, position);
    d.setSpinPos(c.spin, position);
    recompute();
}

void VaporCalculator::applySolvent() {
    const int index = m_dialog->selection(IDC_SOLVENT_LIST);
    if (index < 0 || index >= static_cast<int>(m_solvents.size())) return;
    const Solvent& solvent = m_solvents[index];
    m_solvent = {solvent.BoilingPoint(), solvent.Density(), solvent.MolecularWeight()};
    showSolvent();
    recompute();
}

void VaporCalculator::applyLiner() {
    ui::Dialog& d = *m_dialog;
    const int index = d.selection(IDC_LINER_LIST);
    if (index < 0 || index >= static_cast<int>(m_liners.size())) return;
    const Liner& liner = m_liners[index];
    d.setText(IDC_LINER_VOLUME, liner.m_volume);
    d.setText(IDC_LOWER_LIMIT, liner.m_lowerLimit);
    d.setText(IDC_UPPER_LIMIT, liner.m_upperLimit);
    m_lowerLimit = liner.LowerLimit();
    m_upperLimit = liner.UpperLimit();
    // The vapor volume does not depend on the liner.
    showCapacity();
}

}  // namespace veltrane
