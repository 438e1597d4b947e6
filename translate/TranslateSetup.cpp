// Opening the method translation window from translate.cfg, switching its unit, saving on OK.
#include "calculators/UnitButtons.h"
#include "calculators/WorkFiles.h"
#include "data/ListFile.h"
#include "data/Numbers.h"
#include "data/Text.h"
#include "data/TextFile.h"
#include "resources/Layouts.h"
#include "translate/MethodTranslator.h"
#include "translate/TranslateFields.h"
#include "translate/TranslatePrintout.h"
#include "ui/HostActions.h"
#include "ui/Printing.h"

namespace veltrane {

using namespace translate;

namespace {

// Which carrier figure a method was set by, so that it opens driven by the same one.
struct DriverWord {
    const char* word;
    CarrierDriver driver;
};
constexpr DriverWord kDriverWords[] = {{"inlet", CarrierDriver::Inlet},
                                       {"flow", CarrierDriver::Flow},
                                       {"velocity", CarrierDriver::Velocity}};

// The entry of a table whose word a saved one is, in any case.
template <typename Table, typename WordOf>
auto Recognized(const Table& table, WordOf wordOf, std::string_view saved)
    -> std::optional<std::decay_t<decltype(*std::begin(table))>> {
    for (const auto& entry : table)
        if (SameWordIgnoringCase(wordOf(entry), saved)) return entry;
    return std::nullopt;
}
std::string_view WordOfChoice(const Choice& choice) {
    return choice.word;
}
std::string_view WordOfDriver(const DriverWord& entry) {
    return entry.word;
}

bool IsCarrierField(int id) {
    for (const MethodIds* method : {&kOriginal, &kNew})
        if (id == method->inlet || id == method->flow || id == method->velocity) return true;
    return false;
}

}  // namespace

MethodTranslator::MethodTranslator(ui::Host& host) : m_host(host) {}

int MethodTranslator::run() {
    ui::Dialog dialog(res::TranslateLayout());
    m_dialog = &dialog;
    bind();
    const int result = m_host.runModal(dialog);
    m_dialog = nullptr;
    return result;
}

void MethodTranslator::bind() {
    ui::Dialog& d = *m_dialog;
    d.onInit([this] { open(); });
    d.onPaint([this](ui::Canvas& canvas) { paint(canvas); });
    for (const TranslateField& field : kTranslateFields)
        d.onLeave(field.id, [this, id = field.id] { leaveField(id); });
    for (const MethodIds* method : {&kOriginal, &kNew}) {
        d.onSelect(method->gasList, [this] { recompute(); });
        for (OutletMode mode : kOutletModes)
            d.onClick(method->outletButton(mode),
                      [this, method, mode] { outletModeChosen(*method, mode); });
    }
    d.onClick(IDC_UNIT_KPA, [this] { changeUnit(PressureUnit::KPa); });
    d.onClick(IDC_UNIT_PSI, [this] { changeUnit(PressureUnit::Psi); });
    d.onClick(IDC_UNIT_BAR, [this] { changeUnit(PressureUnit::Bar); });
    for (const Choice& choice : kControls) d.onClick(choice.id, [this] { recompute(); });
    for (const Choice& choice : kGoals) d.onClick(choice.id, [this] { recompute(); });
    d.onClick(IDC_CHROMATOGRAMS, [this] { showChromatograms(); });
    d.onClick(IDC_HELP, [this] { ui::ShowHelp(m_host, "Translation"); });
    d.onClick(IDC_PRINT, [this] {
        ui::PrintTextPage(m_host, kTranslatePrintout, TranslatePrintLines(*m_dialog, m_warnings));
    });
    d.onClick(ui::IDOK, [this] { save(); });
}

void MethodTranslator::open() {
    ui::Dialog& d = *m_dialog;
    const TranslateSettings saved =
        TranslateSettings::FromText(m_host.readWorkFile(kTranslateSettingsFileName));
    const auto value = [&](const char* name) { return saved.text(name).value_or(""); };

    m_unitInForce = UnitOfKeyword(value("unit")).value_or(PressureUnit::KPa);
    d.checkRadio(calculators::UnitButton(m_unitInForce));

    // A saved figure is taken when it is one number (or an empty ramp field); anything else,
    // or nothing saved, gives the fresh window's text. Bounds hold as when typed.
    for (const TranslateField& field : kTranslateFields) {
        const bool good = saved.number(field.name) ||
                          (field.mayBeEmpty && value(field.name).empty() && saved.text(field.name));
        d.setText(field.id, good ? value(field.name) : field.start);
        holdToBounds(field.id, IsCarrierField(field.id));
    }

    fillGasLists(value("gas"), value("new-gas"));
    m_phase = value("phase");
    m_compounds = value("compounds");
    const std::pair<const char*, const MethodIds*> outlets[] = {{"outlet-mode", &kOriginal},
                                                                {"new-outlet-mode", &kNew}};
    for (const auto& [name, method] : outlets) {
        const OutletMode mode = OutletModeOfKeyword(value(name)).value_or(OutletMode::Atm);
        d.checkRadio(method->outletButton(mode));
        if (mode == OutletMode::Other) {
            d.enable(method->outlet, true);
        } else {
            d.setText(method->outlet, std::string(FixedOutletText(mode, m_unitInForce)));
            d.enable(method->outlet, false);
        }
    }
    const auto control = Recognized(kControls, WordOfChoice, value("control"));
    d.checkRadio(control ? control->id : IDC_CONSTANT_FLOW);
    const auto goal = Recognized(kGoals, WordOfChoice, value("goal"));
    d.checkRadio(goal ? goal->id : IDC_GOAL_FASTER);
    // The figure each carrier was set by, as saved; else the one the control holds.
    const bool flow = selectedControl() == CarrierControl::ConstantFlow;
    const CarrierDriver held = flow ? CarrierDriver::Flow : CarrierDriver::Inlet;
    const auto driver = [&](const char* name) {
        const auto word = Recognized(kDriverWords, WordOfDriver, value(name));
        return word ? word->driver : held;
    };
    m_originalDriver = driver("carrier");
    m_newDriver = driver("new-carrier");
    const auto textOf = [&](const MethodIds& method, CarrierDriver figure) {
        return d.text(figure == CarrierDriver::Inlet  ? method.inlet
                      : figure == CarrierDriver::Flow ? method.flow
                                                      : method.velocity);
    };
    if (textOf(kOriginal, m_originalDriver).empty()) {
        d.setText(kOriginal.flow, "1.20");
        m_originalDriver = CarrierDriver::Flow;
    }
    if (selectedGoal() == IDC_GOAL_SET && textOf(kNew, m_newDriver).empty())
        d.checkRadio(IDC_GOAL_FASTER);
    recompute();
}

void MethodTranslator::fillGasLists(const std::string& savedGas, const std::string& savedNewGas) {
    ui::Dialog& d = *m_dialog;
    m_gases = GasesFromText(m_host.readWorkFile(kGasesFileName));
    const std::size_t offered = OfferedCount(m_gases);
    // Nothing saved: the move this window is most often opened for, helium to hydrogen.
    const std::pair<const MethodIds*, std::string> lists[] = {
        {&kOriginal, savedGas.empty() ? "Helium" : savedGas},
        {&kNew, savedNewGas.empty() ? "Hydrogen" : savedNewGas}};
    for (const auto& [method, wanted] : lists) {
        d.clearEntries(method->gasList);
        for (std::size_t k = 0; k < offered; ++k) d.addEntry(method->gasList, m_gases[k].m_name);
        if (d.selectByPrefix(method->gasList, wanted) < 0 && offered > 0)
            d.setSelection(method->gasList, 0);
    }
}

void MethodTranslator::changeUnit(PressureUnit chosen) {
    ui::Dialog& d = *m_dialog;
    if (chosen == m_unitInForce) return;
    // As in the column window, a unit click rewrites the pressures shown and nothing else: the
    // results stand as computed, and a figure that could not be computed stays "n/a".
    for (const MethodIds* method : {&kOriginal, &kNew}) {
        const OutletMode mode = selectedOutletMode(*method);
        std::vector<int> fields{method->inlet};
        if (mode == OutletMode::Other) fields.push_back(method->outlet);
        for (int id : fields)
            if (d.text(id) != kNotAvailable)
                if (const auto changed =
                        ChangeUnit(d.text(id), m_unitInForce, chosen, CalculatorWindow::Column))
                    d.setText(id, changed->m_text);
        if (mode != OutletMode::Other)
            d.setText(method->outlet, std::string(FixedOutletText(mode, chosen)));
    }
    m_unitInForce = chosen;
}

void MethodTranslator::showChromatograms() {
    TranslatedChromatograms window(m_host, {input(), m_translation, gasOf(kOriginal).m_name,
                                            gasOf(kNew).m_name, m_phase, m_compounds});
    m_chromatograms = &window;
    const int closed = window.run();
    m_chromatograms = nullptr;
    if (closed != ui::IDOK) return;
    m_phase = window.phase();
    m_compounds = window.compounds();
}

void MethodTranslator::save() {
    const ui::Dialog& d = *m_dialog;
    std::vector<std::pair<std::string, std::string>> values{
        {"gas", d.text(kOriginal.gasList)},
        {"new-gas", d.text(kNew.gasList)},
        {"unit", std::string(UnitKeyword(selectedUnit()))},
        {"outlet-mode", std::string(OutletKeyword(selectedOutletMode(kOriginal)))},
        {"new-outlet-mode", std::string(OutletKeyword(selectedOutletMode(kNew)))}};
    for (const Choice& control : kControls)
        if (d.isChecked(control.id)) values.emplace_back("control", control.word);
    for (const Choice& goal : kGoals)
        if (goal.id == selectedGoal()) values.emplace_back("goal", goal.word);
    for (const auto& [name, driver] :
         {std::pair{"carrier", m_originalDriver}, std::pair{"new-carrier", m_newDriver}})
        for (const DriverWord& entry : kDriverWords)
            if (entry.driver == driver) values.emplace_back(name, entry.word);
    for (const TranslateField& field : kTranslateFields)
        values.emplace_back(field.name, d.text(field.id));
    values.emplace_back("phase", m_phase);
    values.emplace_back("compounds", m_compounds);
    if (!m_host.writeWorkFile(kTranslateSettingsFileName, TranslateSettingsLines(values),
                              Durability::Flushed))
        calculators::TellCannotWrite(m_host, kTranslateSettingsFileName);
    m_dialog->end(ui::IDOK);
}

}  // namespace veltrane
