#include "app/calc/Calculators.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "column/ColumnIds.h"
#include "data/Text.h"
#include "resources/ResourceIds.h"
#include "resources/UnitButtons.h"
#include "vapor/VaporIds.h"

namespace veltrane::calc {

namespace {

constexpr PressureUnit kUnits[] = {PressureUnit::KPa, PressureUnit::Psi, PressureUnit::Bar};
constexpr OutletMode kOutletModes[] = {OutletMode::Atm, OutletMode::Vacuum, OutletMode::Other};

std::function<std::string(const ui::Dialog&)> Text(int id) {
    return [id](const ui::Dialog& d) { return d.text(id); };
}

std::string CheckedUnit(const ui::Dialog& d) {
    return std::string(UnitKeyword(res::CheckedUnit(d)));
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

std::optional<int> Lookup(const std::vector<std::pair<std::string, int>>& table,
                          const std::string& name) {
    for (const auto& [word, id] : table)
        if (word == name) return id;
    return std::nullopt;
}

}  // namespace

const Calculator& ColumnCalculatorSteps() {
    using namespace column;
    static const Calculator calculator{
        res::IDD_COLUMN,
        {{"length", IDC_LENGTH},
         {"diameter", IDC_DIAMETER},
         {"temperature", IDC_TEMPERATURE},
         {"inlet", IDC_INLET},
         {"flow", IDC_FLOW},
         {"velocity", IDC_VELOCITY},
         {"outlet", IDC_OUTLET},
         {"inlet-temperature", IDC_INLET_TEMPERATURE},
         {"vent", IDC_VENT_FLOW},
         {"ratio", IDC_SPLIT_RATIO}},
        {{"gas", IDC_GAS_LIST}},
        {{"flow-ratio", IDC_FLOW_RATIO_BUTTON}},
        true,
        {{"gas", Text(IDC_GAS_LIST)},
         {"length", Text(IDC_LENGTH)},
         {"diameter", Text(IDC_DIAMETER)},
         {"temperature", Text(IDC_TEMPERATURE)},
         {"inlet", Text(IDC_INLET)},
         {"inlet-mark", Text(IDC_INLET_MARK)},
         {"flow", Text(IDC_FLOW)},
         {"flow-mark", Text(IDC_FLOW_MARK)},
         {"velocity", Text(IDC_VELOCITY)},
         {"outlet", Text(IDC_OUTLET)},
         {"unit", CheckedUnit},
         {"outlet-mode", CheckedOutletMode},
         {"holdup", Text(IDC_HOLDUP)},
         {"vent", Text(IDC_VENT_FLOW)},
         {"ratio", Text(IDC_SPLIT_RATIO)},
         {"inlet-temperature", Text(IDC_INLET_TEMPERATURE)},
         {"inlet-flow", Text(IDC_INLET_FLOW)},
         {"band-low", Text(IDC_BAND_LOW)},
         {"band-high", Text(IDC_BAND_HIGH)}},
    };
    return calculator;
}

const Calculator& VaporCalculatorSteps() {
    using namespace vapor;
    static const Calculator calculator{
        res::IDD_VAPOR,
        {{"volume", IDC_INJECTION}, {"temperature", IDC_TEMPERATURE}, {"pressure", IDC_PRESSURE}},
        {{"solvent", IDC_SOLVENT_LIST}, {"liner", IDC_LINER_LIST}},
        {},
        false,
        {{"solvent", Text(IDC_SOLVENT_LIST)},
         {"boiling-point", Text(IDC_BOILING_POINT)},
         {"density", Text(IDC_DENSITY)},
         {"molecular-weight", Text(IDC_MOLECULAR_WEIGHT)},
         {"volume", Text(IDC_INJECTION)},
         {"temperature", Text(IDC_TEMPERATURE)},
         {"pressure", Text(IDC_PRESSURE)},
         {"unit", CheckedUnit},
         {"vapor", Text(IDC_VAPOR_VOLUME)},
         {"warning", Text(IDC_WARNING)},
         {"capacity", Text(IDC_CAPACITY)},
         {"progress",
          [](const ui::Dialog& d) {
              return std::to_string(d.control(IDC_CAPACITY_BAR).progress.pos);
          }},
         {"level", LampLevel},
         {"overload", Text(IDC_OVERLOAD)},
         {"liner", Text(IDC_LINER_LIST)},
         {"liner-volume", Text(IDC_LINER_VOLUME)},
         {"limit-low", Text(IDC_LOWER_LIMIT)},
         {"limit-high", Text(IDC_UPPER_LIMIT)}},
    };
    return calculator;
}

std::variant<std::vector<Step>, std::string> ParseSteps(const Calculator& calculator,
                                                        const std::vector<std::string>& words) {
    std::vector<Step> steps;
    for (const std::string& word : words) {
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
            steps.push_back({Step::Kind::List, *list, value});
        } else if (name == "unit") {
            const auto* unit =
                std::find_if(std::begin(kUnits), std::end(kUnits),
                             [&](PressureUnit u) { return UnitKeyword(u) == value; });
            if (unit == std::end(kUnits)) return "unknown unit '" + value + "' (KPa, psi or bar)";
            steps.push_back({Step::Kind::Unit, res::UnitButton(*unit), value});
        } else if (name == "outlet-mode" && calculator.hasOutletMode) {
            const auto* mode =
                std::find_if(std::begin(kOutletModes), std::end(kOutletModes),
                             [&](OutletMode m) { return OutletKeyword(m) == value; });
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

std::string AsLines(const Output& output) {
    std::string text;
    for (const auto& [name, value] : output) text += name + ": " + value + "\n";
    return text;
}

std::string AsJson(const Output& output) {
    auto quoted = [](const std::string& s) {
        std::string q = "\"";
        for (const char c : s) {
            switch (c) {
                case '"':
                    q += "\\\"";
                    break;
                case '\\':
                    q += "\\\\";
                    break;
                case '\n':
                    q += "\\n";
                    break;
                case '\r':
                    q += "\\r";
                    break;
                case '\t':
                    q += "\\t";
                    break;
                default:
                    if (static_cast<unsigned char>(c) < 0x20) {
                        char buffer[8];
                        std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
                        q += buffer;
                    } else {
                        q += c;
                    }
            }
        }
        return q + "\"";
    };
    std::string json = "{";
    for (std::size_t k = 0; k < output.size(); ++k) {
        json += (k ? ", " : "") + quoted(output[k].first) + ": " + quoted(output[k].second);
    }
    return json + "}\n";
}

}  // namespace veltrane::calc
