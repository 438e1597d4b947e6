// Opening the vapor calculator, switching its pressure unit, and saving its choices on OK.
#include "calculators/UnitButtons.h"
#include "calculators/WorkFiles.h"
#include "data/ListFile.h"
#include "data/Numbers.h"
#include "resources/Layouts.h"
#include "resources/Strings.h"
#include "ui/HostActions.h"
#include "ui/Printing.h"
#include "vapor/VaporCalculator.h"
#include "vapor/VaporPrintout.h"

namespace veltrane {

using namespace vapor;

namespace {

// Held for a second, the pressure steps by 1, then 20, then 100 positions.
const std::vector<ui::SpinAccel> kPressureAccel{{1, 1}, {2, 20}, {3, 100}};

}  // namespace

VaporCalculator::VaporCalculator(ui::Host& host) : m_host(host) {}

int VaporCalculator::run() {
    ui::Dialog dialog(res::VaporLayout());
    m_dialog = &dialog;
    bind();
    const int result = m_host.runModal(dialog);
    m_dialog = nullptr;
    return result;
}

void VaporCalculator::bind() {
    ui::Dialog& d = *m_dialog;
    d.onInit([this] { open(); });
    for (Row row : kRows) {
        const RowControls c = ControlsOf(row);
        d.onScroll(c.slider, [this, row] { sliderMoved(row); });
        d.onScroll(c.spin, [this, row] { spinMoved(row); });
        d.onLeave(c.edit, [this, row] { leaveField(row); });
    }
    d.onClick(IDC_UNIT_KPA, [this] { changeUnit(PressureUnit::KPa); });
    d.onClick(IDC_UNIT_PSI, [this] { changeUnit(PressureUnit::Psi); });
    d.onClick(IDC_UNIT_BAR, [this] { changeUnit(PressureUnit::Bar); });
    d.onSelect(IDC_SOLVENT_LIST, [this] { applySolvent(); });
    d.onSelect(IDC_LINER_LIST, [this] { applyLiner(); });
    d.onClick(IDC_SOLVENTS_BUTTON, [this] { ui::EditList(m_host, kSolventsFileName); });
    d.onClick(IDC_LINERS_BUTTON, [this] { ui::EditList(m_host, kLinersFileName); });
    d.onClick(IDC_HELP, [this] { ui::ShowHelp(m_host, "Expansion"); });
    d.onClick(IDC_PRINT, [this] {
        ui::PrintTextPage(m_host, kVaporPrintout, VaporPrintLines(*m_dialog, m_solvent));
    });
    d.onClick(ui::IDOK, [this] { save(); });
}

void VaporCalculator::open() {
    ui::Dialog& d = *m_dialog;
    m_unitInForce = PressureUnit::KPa;
    // The limits shown in the template until a liner is applied are the ones computed with.
    m_lowerLimit = 10;
    m_upperLimit = 100;

    d.setToolTip(IDC_CAPACITY_BAR, res::LoadString(1112));
    d.setToolTip(IDC_INJECTION_SLIDER, res::LoadString(1119));
    d.setToolTip(IDC_TEMPERATURE_SLIDER, res::LoadString(1150));
    d.setToolTip(IDC_PRESSURE_SLIDER, res::LoadString(1121));
    d.setToolTip(IDC_SOLVENTS_BUTTON, res::LoadString(1040));
    d.setToolTip(IDC_LINERS_BUTTON, res::LoadString(1057));

    setUpInputs();

    m_solvent = VaporVolumeModel::kBuiltInSolvent;
    showSolvent();

    const SettingsSlots slots = calculators::ReadWindowSettings(m_host);
    restoreUnit(slots[kUnitLine]);
    fillLists(slots);
    recompute();
}

void VaporCalculator::setUpInputs() {
    ui::Dialog& d = *m_dialog;
    struct Start {
        Row row;
        int max, tick, page, position;
    };
    const Start starts[] = {
        {Row::Injection, 100, 5, 10, 10},
        {Row::Temperature, 400, 20, 40, 175},
        {Row::Pressure, 1035, 50, 100, 101},
    };
    for (const Start& s : starts) {
        const RowControls c = ControlsOf(s.row);
        d.setSliderRange(c.slider, 0, s.max);
        d.setSliderTicks(c.slider, s.tick);
        d.setSliderPos(c.slider, s.position);
        d.setSliderPage(c.slider, s.page);
        d.setSliderLine(c.slider, 1);
        d.setSpinRange(c.spin, 0, s.max);
        d.setSpinPos(c.spin, s.position);
    }
    d.setSpinAccel(IDC_PRESSURE_SPIN, kPressureAccel);
    d.setProgressRange(IDC_CAPACITY_BAR, 0, 100);

    d.setText(IDC_INJECTION, "1.0");
    d.setText(IDC_PRESSURE, FormatNumber("%d", d.sliderPos(IDC_PRESSURE_SLIDER)));
    d.setText(IDC_TEMPERATURE, FormatNumber("%d", d.sliderPos(IDC_TEMPERATURE_SLIDER)));
}

void VaporCalculator::restoreUnit(const std::string& unitLine) {
    ui::Dialog& d = *m_dialog;
    const auto unit = RecognizeUnit(unitLine);
    if (!unit) {
        m_host.messageBox("File 'flow.cfg' not found. Using defaults", "Veltrane",
                          ui::MessageIcon::Information);
    }
    // From KPa, the unit in force at this point, as if the user had clicked the button.
    const PressureUnit chosen = unit.value_or(PressureUnit::KPa);
    d.checkRadio(calculators::UnitButton(chosen));
    changeUnit(chosen);
}

void VaporCalculator::fillLists(const SettingsSlots& slots) {
    ui::Dialog& d = *m_dialog;
    m_solvents = SolventsFromText(m_host.readWorkFile(kSolventsFileName));
    m_liners = LinersFromText(m_host.readWorkFile(kLinersFileName));
    d.clearEntries(IDC_SOLVENT_LIST);
    for (std::size_t k = 0; k < OfferedCount(m_solvents); ++k)
        d.addEntry(IDC_SOLVENT_LIST, m_solvents[k].m_name);
    d.clearEntries(IDC_LINER_LIST);
    for (std::size_t k = 0; k < OfferedCount(m_liners); ++k)
        d.addEntry(IDC_LINER_LIST, m_liners[k].m_name);

    // A begins-with search: an empty saved name (a new settings file) picks the first entry,
    // a name no entry begins with picks none and the built-in values stay.
    d.selectByPrefix(IDC_LINER_LIST, slots[kLinerLine]);
    applyLiner();
    d.selectByPrefix(IDC_SOLVENT_LIST, slots[kSolventLine]);
    applySolvent();
}

void VaporCalculator::changeUnit(PressureUnit chosen) {
    ui::Dialog& d = *m_dialog;
    // Only the pressure row follows the unit; the results wait for the next change.
    if (const auto change =
            ChangeUnit(d.text(IDC_PRESSURE), m_unitInForce, chosen, CalculatorWindow::Vapor)) {
        const PressureScale scale = ScaleFor(CalculatorWindow::Vapor, chosen);
        d.setSliderRange(IDC_PRESSURE_SLIDER, scale.m_sliderMin, scale.m_sliderMax);
        d.setSliderTicks(IDC_PRESSURE_SLIDER, scale.m_tickFrequency);
        d.setSpinRange(IDC_PRESSURE_SPIN, scale.m_spinMin, scale.m_spinMax);
        d.setSliderPos(IDC_PRESSURE_SLIDER, change->m_position);
        d.setSpinPos(IDC_PRESSURE_SPIN, change->m_position);
        d.setText(IDC_PRESSURE, change->m_text);
    }
    m_unitInForce = chosen;
}

void VaporCalculator::save() {
    const SettingsSlots slots = calculators::ReadWindowSettings(m_host);
    calculators::SaveWindowSettings(
        m_host, VaporSettingsLines(selectedUnit(), m_dialog->text(IDC_SOLVENT_LIST),
                                   m_dialog->text(IDC_LINER_LIST), slots));
    m_dialog->end(ui::IDOK);
}

}  // namespace veltrane
