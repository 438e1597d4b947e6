#include "app/calc/Calculators.h"

#include <algorithm>
#include <iterator>

#include "calculators/UnitButtons.h"
#include "column/ColumnCalculator.h"
#include "column/ColumnIds.h"
#include "data/Text.h"
#include "resources/ResourceIds.h"
#include "vapor/VaporCalculator.h"
#include "vapor/VaporIds.h"

namespace veltrane::calc {

namespace {

constexpr PressureUnit kUnits[] = {PressureUnit::KPa, PressureUnit::Psi, PressureUnit::Bar};
constexpr OutletMode kOutletModes[] = {OutletMode::Atm, OutletMode::Vacuum, OutletMode::Other};

std::function<std::string(const ui::Dialog&)> Text(int id) {
    return [id](const ui::Dialog& d) { return d.text(id); };
}

std::string CheckedUnit(const ui::Dialog& d) {
    return std::string(UnitKeyword(calculators::CheckedUnit(d)));
}

std::string CheckedOutletMode(const ui::Dialog& d) {
    for (OutletMode mode : kOutletModes)
        if (d.isChecked(column::OutletButton(mode))) return std::string(OutletKeyword(mode));
    return std::string();
}

std::string LampLevel(const ui::Dialog& d) {
    switch (d.control(vapor::IDC_LAMP).image) {
        case res::IDB_LAMP_RED:
            return "Overload";
        case res::IDB_LAMP_YELLOW:
            return "Caution";
        case res::IDB_LAMP_GREEN:
            return "Normal";
    }
    return "";
}

// Keywords are matched as a person types them, in any case: kpa, PSI, Vac.
bool SameWord(std::string_view a, std::string_view b) {
    return a.size() == b.size() && StartsWithIgnoringCase(a, b);
}

// The files are read once by the host and no step writes one, so putting the window back to
// its snapshot after opening is the same as opening it anew, at a fraction of the cost.
template <typename Window>
void OpenKept(CalcHost& host, const InsideWindow& inside) {
    Window window(host);
    host.setDriver([&](ui::Dialog& dialog) {
        const typename Window::Snapshot opened = window.snapshot();
        OpenWindow open{dialog, [&] { window.restore(opened); }};
        inside(open);
    });
    window.run();
}

// Each control the tool names, once: what a step may do to it and how its figure is read.
enum class Entry { ShownOnly, Typed, Picked };
struct Named {
    const char* name;
    int id;  // 0 for a figure read another way
    Entry entry = Entry::ShownOnly;
    std::function<std::string(const ui::Dialog&)> read = {};  // default: the control's text
};

Calculator Describe(int dialogId, void (*open)(CalcHost&, const InsideWindow&),
                    const std::vector<Named>& shown,
                    std::vector<std::pair<std::string, int>> buttons, bool hasOutletMode) {
    Calculator calculator{dialogId, open, {}, {}, std::move(buttons), hasOutletMode, {}};
    for (const Named& n : shown) {
        if (n.entry == Entry::Typed) calculator.fields.emplace_back(n.name, n.id);
        if (n.entry == Entry::Picked) calculator.lists.emplace_back(n.name, n.id);
        calculator.outputs.emplace_back(n.name, n.read ? n.read : Text(n.id));
    }
    return calculator;
}

}  // namespace

const Calculator& ColumnCalculatorSteps() {
    using namespace column;
    static const Calculator calculator =
        Describe(res::IDD_COLUMN, OpenKept<ColumnCalculator>,
                 {{"gas", IDC_GAS_LIST, Entry::Picked},
                  {"length", IDC_LENGTH, Entry::Typed},
                  {"diameter", IDC_DIAMETER, Entry::Typed},
                  {"temperature", IDC_TEMPERATURE, Entry::Typed},
                  {"inlet", IDC_INLET, Entry::Typed},
                  {"inlet-mark", IDC_INLET_MARK},
                  {"flow", IDC_FLOW, Entry::Typed},
                  {"flow-mark", IDC_FLOW_MARK},
                  {"velocity", IDC_VELOCITY, Entry::Typed},
                  {"outlet", IDC_OUTLET, Entry::Typed},
                  {"unit", 0, Entry::ShownOnly, CheckedUnit},
                  {"outlet-mode", 0, Entry::ShownOnly, CheckedOutletMode},
                  {"holdup", IDC_HOLDUP},
                  {"vent", IDC_VENT_FLOW, Entry::Typed},
                  {"ratio", IDC_SPLIT_RATIO, Entry::Typed},
                  {"inlet-temperature", IDC_INLET_TEMPERATURE, Entry::Typed},
                  {"inlet-flow", IDC_INLET_FLOW},
                  {"band-low", IDC_BAND_LOW},
                  {"band-high", IDC_BAND_HIGH}},
                 {{"flow-ratio", IDC_FLOW_RATIO_BUTTON}}, true);
    return calculator;
}

const Calculator& VaporCalculatorSteps() {
    using namespace vapor;
    static const Calculator calculator =
        Describe(res::IDD_VAPOR, OpenKept<VaporCalculator>,
                 {{"solvent", IDC_SOLVENT_LIST, Entry::Picked},
                  {"boiling-point", IDC_BOILING_POINT},
                  {"density", IDC_DENSITY},
                  {"molecular-weight", IDC_MOLECULAR_WEIGHT},
                  {"volume", IDC_INJECTION, Entry::Typed},
                  {"temperature", IDC_TEMPERATURE, Entry::Typed},
                  {"pressure", IDC_PRESSURE, Entry::Typed},
                  {"unit", 0, Entry::ShownOnly, CheckedUnit},
                  {"vapor", IDC_VAPOR_VOLUME},
                  {"warning", IDC_WARNING},
                  {"capacity", IDC_CAPACITY},
                  {"progress", 0, Entry::ShownOnly,
                   [](const ui::Dialog& d) {
                       return std::to_string(d.control(IDC_CAPACITY_BAR).progress.pos);
                   }},
                  {"level", 0, Entry::ShownOnly, LampLevel},
                  {"overload", IDC_OVERLOAD},
                  {"liner", IDC_LINER_LIST, Entry::Picked},
                  {"liner-volume", IDC_LINER_VOLUME},
                  {"limit-low", IDC_LOWER_LIMIT},
                  {"limit-high", IDC_UPPER_LIMIT}},
                 {}, false);
    return calculator;
}

std::optional<int> Lookup(const std::vector<std::pair<std::string, int>>& table,
                          std::string_view name) {
    for (const auto& [word, id] : table)
        if (word == name) return id;
    return std::nullopt;
}

std::variant<std::vector<Step>, std::string> ParseSteps(const Calculator& calculator,
                                                        const std::vector<std::string>& words) {
    std::vector<Step> steps;
    for (const std::string& word : words) {
        // Texts inside the program are UTF-8; other bytes would reach the output undecoded.
        if (!IsValidUtf8(word)) return "not UTF-8: " + word;
        const std::size_t equals = word.find('=');
        if (equals == std::string::npos) {
            if (const auto button = Lookup(calculator.buttons, word)) {
                steps.push_back({Step::Kind::Button, *button, ""});
                continue;
            }
            return "step without '=': " + word;
        }
        const std::string name = word.substr(0, equals);
        const std::string value = word.substr(equals + 1);
        if (const auto field = Lookup(calculator.fields, name)) {
            steps.push_back({Step::Kind::Field, *field, value});
        } else if (const auto list = Lookup(calculator.lists, name)) {
            // Every entry begins with an empty text: the first would be picked unasked.
            if (value.empty()) return name + "= is empty: give the beginning of an entry";
            steps.push_back({Step::Kind::List, *list, value});
        } else if (name == "unit") {
            const auto* unit =
                std::find_if(std::begin(kUnits), std::end(kUnits),
                             [&](PressureUnit u) { return SameWord(UnitKeyword(u), value); });
            if (unit == std::end(kUnits)) return "unknown unit '" + value + "' (KPa, psi or bar)";
            steps.push_back({Step::Kind::Unit, calculators::UnitButton(*unit), value});
        } else if (name == "outlet-mode" && calculator.hasOutletMode) {
            const auto* mode =
                std::find_if(std::begin(kOutletModes), std::end(kOutletModes),
                             [&](OutletMode m) { return SameWord(OutletKeyword(m), value); });
            if (mode == std::end(kOutletModes))
                return "unknown outlet mode '" + value + "' (atm, vac or oth)";
            steps.push_back({Step::Kind::OutletMode, column::OutletButton(*mode), value});
        } else {
            return "unknown name: " + name;
        }
    }
    return steps;
}

std::optional<std::string> ApplySteps(ui::Dialog& dialog, const std::vector<Step>& steps) {
    for (const Step& step : steps) {
        switch (step.kind) {
            case Step::Kind::Field:
                dialog.typeInto(step.id, step.value);
                dialog.leave(step.id);
                break;
            case Step::Kind::Unit:
            case Step::Kind::OutletMode:
            case Step::Kind::Button:
                dialog.click(step.id);
                break;
            case Step::Kind::List: {
                const auto& items = dialog.control(step.id).combo.items;
                std::size_t k = 0;
                while (k < items.size() && !StartsWithIgnoringCase(items[k], step.value)) ++k;
                if (k == items.size()) return "no entry begins with '" + step.value + "'";
                dialog.selectEntry(step.id, static_cast<int>(k));
                break;
            }
        }
    }
    return std::nullopt;
}

Output Collect(const ui::Dialog& dialog, const Calculator& calculator) {
    Output output;
    for (const auto& [name, read] : calculator.outputs) output.emplace_back(name, read(dialog));
    return output;
}

}  // namespace veltrane::calc
