// Opening the predicted chromatogram window from chromatogram.cfg, switching its unit, saving
// on OK.
#include "calculators/UnitButtons.h"
#include "calculators/WorkFiles.h"
#include "chromatogram/ChromatogramFields.h"
#include "chromatogram/ChromatogramPrintout.h"
#include "chromatogram/ChromatogramWindow.h"
#include "data/ListFile.h"
#include "data/Numbers.h"
#include "data/Text.h"
#include "data/TranslateSettings.h"
#include "data/Translation.h"
#include "resources/Layouts.h"
#include "ui/HostActions.h"

namespace veltrane {

using namespace chromatogram;

ChromatogramWindow::ChromatogramWindow(ui::Host& host) : m_host(host) {}

int ChromatogramWindow::run() {
    ui::Dialog dialog(res::ChromatogramLayout());
    m_dialog = &dialog;
    bind();
    const int result = m_host.runModal(dialog);
    m_dialog = nullptr;
    return result;
}

void ChromatogramWindow::bind() {
    ui::Dialog& d = *m_dialog;
    d.onInit([this] { open(); });
    d.onPaint([this](ui::Canvas& canvas) { paint(canvas); });
    for (const ChromatogramField& field : kChromatogramFields)
        d.onLeave(field.id, [this, id = field.id] { leaveField(id); });
    d.onLeave(IDC_COMPOUNDS, [this] { recompute(); });
    d.onSelect(IDC_GAS_LIST, [this] { recompute(); });
    d.onSelect(IDC_PHASE_LIST, [this] { recompute(); });
    for (OutletMode mode : kOutletModes)
        d.onClick(OutletButton(mode), [this, mode] { outletModeChosen(mode); });
    for (const ControlChoice& choice : kControls) d.onClick(choice.id, [this] { controlChosen(); });
    d.onClick(IDC_UNIT_KPA, [this] { changeUnit(PressureUnit::KPa); });
    d.onClick(IDC_UNIT_PSI, [this] { changeUnit(PressureUnit::Psi); });
    d.onClick(IDC_UNIT_BAR, [this] { changeUnit(PressureUnit::Bar); });
    d.onClick(IDC_COMPOUNDS_BUTTON, [this] { ui::EditList(m_host, kCompoundsFileName); });
    d.onClick(IDC_HELP, [this] { ui::ShowHelp(m_host, "Chromatogram"); });
    d.onClick(IDC_PRINT, [this] { PrintChromatogram(m_host, *m_dialog, m_result); });
    d.onClick(ui::IDOK, [this] { save(); });
}

void ChromatogramWindow::open() {
    ui::Dialog& d = *m_dialog;
    const TranslateSettings saved =
        TranslateSettings::FromText(m_host.readWorkFile(kChromatogramSettingsFileName));
    const auto value = [&](const char* name) { return saved.text(name).value_or(""); };

    d.setTableColumns(IDC_PEAKS, {{"#", 14, ui::TextAlign::Right},
                                  {Translate("Вещество"), 150, ui::TextAlign::Left},
                                  {Translate("Время (min)"), 50, ui::TextAlign::Right},
                                  {Translate("Ширина (s)"), 50, ui::TextAlign::Right},
                                  {"R", 35, ui::TextAlign::Right},
                                  {Translate("Примечание"), 90, ui::TextAlign::Left}});
    m_unitInForce = UnitOfKeyword(value("unit")).value_or(PressureUnit::KPa);
    d.checkRadio(calculators::UnitButton(m_unitInForce));
    // A saved figure is taken when it is one number (or an empty field that may be empty);
    // anything else, or nothing saved, gives the fresh window's text. Bounds hold as when typed.
    for (const ChromatogramField& field : kChromatogramFields) {
        const bool good = saved.number(field.name) ||
                          (field.mayBeEmpty && value(field.name).empty() && saved.text(field.name));
        std::string text = good ? value(field.name) : field.start;
        // The fresh window's inlet is 25 psi, in the unit in force.
        if (!good && field.id == IDC_INLET)
            text = FormatPressure(CalculatorWindow::Column, m_unitInForce,
                                  25.0 * UnitFactor(PressureUnit::Psi, m_unitInForce));
        d.setText(field.id, text);
        holdToBounds(field.id);
    }
    d.setText(IDC_COMPOUNDS, value("compounds"));

    fillLists(value("gas"), value("phase"));
    const OutletMode mode = OutletModeOfKeyword(value("outlet-mode")).value_or(OutletMode::Atm);
    d.checkRadio(OutletButton(mode));
    if (mode != OutletMode::Other)
        d.setText(IDC_OUTLET, std::string(FixedOutletText(mode, m_unitInForce)));
    d.enable(IDC_OUTLET, mode == OutletMode::Other);
    int control = IDC_CONSTANT_PRESSURE;
    for (const ControlChoice& choice : kControls)
        if (SameWordIgnoringCase(choice.word, value("control"))) control = choice.id;
    d.checkRadio(control);
    controlChosen();
}

void ChromatogramWindow::fillLists(const std::string& savedGas, const std::string& savedPhase) {
    ui::Dialog& d = *m_dialog;
    m_gases = GasesFromText(m_host.readWorkFile(kGasesFileName));
    d.clearEntries(IDC_GAS_LIST);
    const std::size_t offered = OfferedCount(m_gases);
    for (std::size_t k = 0; k < offered; ++k) d.addEntry(IDC_GAS_LIST, m_gases[k].m_name);
    if (d.selectByPrefix(IDC_GAS_LIST, savedGas.empty() ? "Helium" : savedGas) < 0 && offered > 0)
        d.setSelection(IDC_GAS_LIST, 0);

    m_compounds = CompoundsFromText(m_host.readWorkFile(kCompoundsFileName));
    d.clearEntries(IDC_PHASE_LIST);
    const std::vector<std::string> phases = PhasesOf(m_compounds);
    for (const std::string& phase : phases) d.addEntry(IDC_PHASE_LIST, phase);
    if (d.selectByPrefix(IDC_PHASE_LIST, savedPhase) < 0 && !phases.empty())
        d.setSelection(IDC_PHASE_LIST, 0);
}

void ChromatogramWindow::changeUnit(PressureUnit chosen) {
    ui::Dialog& d = *m_dialog;
    if (chosen == m_unitInForce) return;
    // A unit click rewrites the pressures shown and nothing else: the results stand.
    std::vector<int> fields{IDC_INLET};
    for (int k = 0; k < kRamps; ++k) fields.push_back(InletId(k));
    const OutletMode mode = selectedOutletMode();
    if (mode == OutletMode::Other) fields.push_back(IDC_OUTLET);
    for (int id : fields)
        if (!d.text(id).empty())
            if (const auto changed =
                    ChangeUnit(d.text(id), m_unitInForce, chosen, CalculatorWindow::Column))
                d.setText(id, changed->m_text);
    if (mode != OutletMode::Other)
        d.setText(IDC_OUTLET, std::string(FixedOutletText(mode, chosen)));
    m_unitInForce = chosen;
}

void ChromatogramWindow::save() {
    const ui::Dialog& d = *m_dialog;
    std::vector<std::pair<std::string, std::string>> values{
        {"gas", d.text(IDC_GAS_LIST)},
        {"phase", d.text(IDC_PHASE_LIST)},
        {"unit", std::string(UnitKeyword(selectedUnit()))},
        {"outlet-mode", std::string(OutletKeyword(selectedOutletMode()))}};
    for (const ControlChoice& control : kControls)
        if (d.isChecked(control.id)) values.emplace_back("control", control.word);
    for (const ChromatogramField& field : kChromatogramFields)
        values.emplace_back(field.name, d.text(field.id));
    values.emplace_back("compounds", d.text(IDC_COMPOUNDS));
    if (!m_host.writeWorkFile(kChromatogramSettingsFileName, TranslateSettingsLines(values),
                              Durability::Flushed))
        calculators::TellCannotWrite(m_host, kChromatogramSettingsFileName);
    m_dialog->end(ui::IDOK);
}

}  // namespace veltrane
