#include "app/calc/Calculators.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

#include "calculators/UnitButtons.h"
#include "chromatogram/ChromatogramFields.h"
#include "chromatogram/ChromatogramWindow.h"
#include "column/ColumnCalculator.h"
#include "column/ColumnIds.h"
#include "data/Numbers.h"
#include "data/Text.h"
#include "resources/ResourceIds.h"
#include "translate/MethodTranslator.h"
#include "translate/TranslateFields.h"
#include "translated/TranslatedChromatograms.h"
#include "vapor/VaporCalculator.h"
#include "vapor/VaporIds.h"

namespace veltrane::calc {

namespace {

std::function<std::string(const ui::Dialog&)> Text(int id) {
    return [id](const ui::Dialog& d) { return d.text(id); };
}

RadioChoice UnitChoice() {
    RadioChoice choice{"unit", "unit", "click a pressure unit", {}};
    for (PressureUnit unit : kPressureUnits)
        choice.words.emplace_back(UnitKeyword(unit), calculators::UnitButton(unit));
    return choice;
}

RadioChoice OutletModeChoice(std::string name, const std::function<int(OutletMode)>& button) {
    RadioChoice choice{std::move(name), "outlet mode", "click an outlet condition", {}};
    for (OutletMode mode : kOutletModes)
        choice.words.emplace_back(OutletKeyword(mode), button(mode));
    return choice;
}

template <typename Choices>
RadioChoice WordsChoice(std::string name, std::string help, const Choices& choices) {
    RadioChoice choice{name, name, std::move(help), {}};
    for (const translate::Choice& c : choices) choice.words.emplace_back(c.word, c.id);
    return choice;
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

// The files are read once by the host and no step writes one, so putting the window back to
// its snapshot after opening is the same as opening it anew, at a fraction of the cost.
// A window whose figures are read from its logic, not its texts, is watched while open.
template <typename Window>
void OpenKept(CalcHost& host, const InsideWindow& inside, const Window** watched) {
    Window window(host);
    if (watched) *watched = &window;
    host.setDriver([&](ui::Dialog& dialog) {
        const typename Window::Snapshot opened = window.snapshot();
        OpenWindow open{dialog, [&] { window.restore(opened); }};
        inside(open);
    });
    window.run();
    if (watched) *watched = nullptr;
}
template <typename Window>
void OpenKept(CalcHost& host, const InsideWindow& inside) {
    OpenKept<Window>(host, inside, nullptr);
}

// Each control the tool names, once: what a step may do to it and how its figure is read.
enum class Entry { ShownOnly, Typed, Picked, Chosen };
struct Named {
    std::string name;
    int id;  // 0 for a figure read another way
    Entry entry = Entry::ShownOnly;
    std::function<std::string(const ui::Dialog&)> read = {};  // default: the control's text
    std::optional<RadioChoice> choice = {};                   // for Chosen
};

// A choice of radio buttons, shown as the word of the one checked.
Named Chosen(RadioChoice choice) {
    const auto words = choice.words;
    std::string name = choice.name;
    return {std::move(name), 0, Entry::Chosen,
            [words](const ui::Dialog& d) {
                for (const auto& [word, id] : words)
                    if (d.isChecked(id)) return word;
                return std::string();
            },
            std::move(choice)};
}

Calculator Describe(int dialogId, void (*open)(CalcHost&, const InsideWindow&),
                    const std::vector<Named>& shown,
                    std::vector<std::pair<std::string, int>> buttons) {
    Calculator calculator{dialogId, open, {}, {}, std::move(buttons), {}, {}};
    for (const Named& n : shown) {
        if (n.entry == Entry::Typed) calculator.fields.emplace_back(n.name, n.id);
        if (n.entry == Entry::Picked) calculator.lists.emplace_back(n.name, n.id);
        if (n.entry == Entry::Chosen) calculator.choices.push_back(*n.choice);
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
                  Chosen(UnitChoice()),
                  Chosen(OutletModeChoice("outlet-mode", column::OutletButton)),
                  {"holdup", IDC_HOLDUP},
                  {"vent", IDC_VENT_FLOW, Entry::Typed},
                  {"ratio", IDC_SPLIT_RATIO, Entry::Typed},
                  {"inlet-temperature", IDC_INLET_TEMPERATURE, Entry::Typed},
                  {"inlet-flow", IDC_INLET_FLOW},
                  {"band-low", IDC_BAND_LOW},
                  {"band-high", IDC_BAND_HIGH}},
                 {{"flow-ratio", IDC_FLOW_RATIO_BUTTON}});
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
                  Chosen(UnitChoice()),
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
                 {});
    return calculator;
}

const Calculator& TranslateCalculatorSteps() {
    using namespace translate;
    // A typed field by the name translate.cfg knows it by.
    const auto typed = [](int id) {
        for (const TranslateField& field : kTranslateFields)
            if (field.id == id) return Named{field.name, id, Entry::Typed};
        throw std::logic_error("no typed field " + std::to_string(id) + " in the window");
    };
    const auto outletMode = [](std::string name, const MethodIds& method) {
        return Chosen(OutletModeChoice(
            std::move(name), [&method](OutletMode mode) { return method.outletButton(mode); }));
    };
    static const Calculator calculator = [&] {
        std::vector<Named> shown = {
            {"gas", kOriginal.gasList, Entry::Picked},
            typed(kOriginal.length),
            typed(kOriginal.diameter),
            typed(kOriginal.film),
            outletMode("outlet-mode", kOriginal),
            typed(kOriginal.outlet),
            Chosen(UnitChoice()),
            Chosen(WordsChoice("control", "click the carrier figure held constant", kControls)),
            typed(kOriginal.inlet),
            typed(kOriginal.flow),
            typed(kOriginal.velocity),
            {"holdup", kOriginal.holdUp},
            {"phase-ratio", kOriginal.phaseRatio},
            {"new-gas", kNew.gasList, Entry::Picked},
            typed(kNew.length),
            typed(kNew.diameter),
            typed(kNew.film),
            outletMode("new-outlet-mode", kNew),
            typed(kNew.outlet),
            Chosen(WordsChoice("goal", "click the goal of the translation", kGoals)),
            typed(IDC_FASTER),
            typed(kNew.inlet),
            typed(kNew.flow),
            typed(kNew.velocity),
            {"new-holdup", kNew.holdUp},
            {"new-phase-ratio", kNew.phaseRatio},
            {"factor", IDC_FACTOR},
            {"speed-gain", IDC_SPEED_GAIN},
            {"final-factor", IDC_FINAL_FACTOR},
            typed(IDC_INITIAL),
            typed(IDC_INITIAL_HOLD),
            {"new-initial-hold", IDC_NEW_INITIAL_HOLD}};
        for (int k = 0; k < kRamps; ++k)
            for (int id : {RateId(k), FinalId(k), HoldId(k)}) shown.push_back(typed(id));
        // The new final temperatures are the original's: the window shows none.
        for (int k = 0; k < kRamps; ++k) {
            shown.push_back({"new-rate" + std::to_string(k + 1), NewRateId(k)});
            shown.push_back({"new-hold" + std::to_string(k + 1), NewHoldId(k)});
        }
        shown.push_back({"run-time", IDC_RUN_TIME});
        shown.push_back({"new-run-time", IDC_NEW_RUN_TIME});
        shown.push_back({"warnings", IDC_WARNINGS});
        return Describe(res::IDD_TRANSLATE, OpenKept<MethodTranslator>, shown, {});
    }();
    return calculator;
}

namespace {

// The chromatogram window open for veltrane-calc: its rows come from the figures it computed,
// to the digits printed, not from the rounder texts its table shows.
const ChromatogramWindow* g_chromatogram = nullptr;

void OpenChromatogram(CalcHost& host, const InsideWindow& inside) {
    OpenKept(host, inside, &g_chromatogram);
}

// A figure of a row, divided by scale (60 for seconds as minutes); empty when there is none.
std::string RowFigure(const std::optional<double>& value, const char* format, double scale = 1) {
    return value ? FormatNumber(format, *value / scale) : std::string();
}

std::vector<Output> ChromatogramRows(const ChromatogramResult& result) {
    std::vector<Output> rows;
    for (const chromatogram::Peak& peak : result.m_prediction.m_peaks) {
        const auto figure = [](const std::optional<double>& value, const char* format) {
            return RowFigure(value, format);
        };
        const bool eluted = peak.m_elution.m_eluted;
        rows.push_back(
            {{"compound", result.m_names[peak.m_solute]},
             {"retention", eluted ? FormatNumber("%.3f", peak.m_elution.m_retentionS / 60) : ""},
             {"sigma", eluted ? figure(peak.m_elution.m_sigmaS, "%.3f") : ""},
             {"width", eluted ? figure(peak.m_widthS, "%.3f") : ""},
             {"resolution", eluted ? figure(peak.m_resolution, "%.2f") : ""},
             {"note", !eluted           ? "does not elute"
                      : peak.m_critical ? "critical pair"
                                        : ""}});
    }
    return rows;
}

}  // namespace

const Calculator& ChromatogramCalculatorSteps() {
    using namespace chromatogram;
    static const Calculator calculator = [] {
        std::vector<Named> shown = {{"gas", IDC_GAS_LIST, Entry::Picked},
                                    Chosen(OutletModeChoice("outlet-mode", OutletButton)),
                                    Chosen(UnitChoice())};
        RadioChoice control{"control", "control", "click how the inlet is held", {}};
        for (const ControlChoice& c : kControls) control.words.emplace_back(c.word, c.id);
        shown.push_back(Chosen(std::move(control)));
        for (const ChromatogramField& field : kChromatogramFields)
            shown.push_back({field.name, field.id, Entry::Typed});
        shown.push_back({"phase", IDC_PHASE_LIST, Entry::Picked});
        shown.push_back({"compounds", IDC_COMPOUNDS, Entry::Typed});
        Calculator described = Describe(res::IDD_CHROMATOGRAM, OpenChromatogram, shown, {});
        described.rowNames = {"compound", "retention", "sigma", "width", "resolution", "note"};
        described.rows = [](const ui::Dialog&) {
            return g_chromatogram ? ChromatogramRows(g_chromatogram->result())
                                  : std::vector<Output>{};
        };
        return described;
    }();
    return calculator;
}

namespace {

// The translation window open for veltrane-calc, whose chromatograms window gives the rows.
const MethodTranslator* g_translator = nullptr;

void OpenTranslator(CalcHost& host, const InsideWindow& inside) {
    OpenKept(host, inside, &g_translator);
}

std::vector<Output> TranslatedRows(const TranslatedResult& result) {
    std::vector<Output> rows;
    for (const translated::ComparedCompound& c : result.m_compared)
        rows.push_back({{"compound", result.m_original.m_names[c.m_solute]},
                        {"retention", RowFigure(c.m_retentionS, "%.3f", 60)},
                        {"new-retention", RowFigure(c.m_newRetentionS, "%.3f", 60)},
                        {"ratio", RowFigure(c.m_ratio, "%.4f")},
                        {"resolution", RowFigure(c.m_resolution, "%.2f")},
                        {"new-resolution", RowFigure(c.m_newResolution, "%.2f")},
                        {"note", NoteText(NoteOf(c, result.m_translated), true)}});
    return rows;
}

// The chromatograms window's own steps and rows.
const Calculator& TranslatedWindowSteps() {
    static const Calculator calculator = [] {
        Calculator described = Describe(res::IDD_TRANSLATED, nullptr,
                                        {{"phase", translated::IDC_PHASE_LIST, Entry::Picked},
                                         {"compounds", translated::IDC_COMPOUNDS, Entry::Typed}},
                                        {});
        described.rowNames = {"compound",   "retention",      "new-retention", "ratio",
                              "resolution", "new-resolution", "note"};
        described.rows = [](const ui::Dialog&) {
            const TranslatedChromatograms* shown =
                g_translator ? g_translator->chromatograms() : nullptr;
            return shown ? TranslatedRows(shown->result()) : std::vector<Output>{};
        };
        return described;
    }();
    return calculator;
}

}  // namespace

const Calculator& TranslatedCalculatorSteps() {
    static const Calculator calculator = [] {
        Calculator described = TranslateCalculatorSteps();
        described.open = OpenTranslator;
        described.inner = &TranslatedWindowSteps();
        described.opener = translate::IDC_CHROMATOGRAMS;
        described.rowNames = described.inner->rowNames;
        described.rows = described.inner->rows;
        return described;
    }();
    return calculator;
}

std::optional<int> Lookup(const std::vector<std::pair<std::string, int>>& table,
                          std::string_view name) {
    for (const auto& [word, id] : table)
        if (word == name) return id;
    return std::nullopt;
}

namespace {

const RadioChoice* ChoiceNamed(const Calculator& calculator, std::string_view name) {
    for (const RadioChoice& choice : calculator.choices)
        if (choice.name == name) return &choice;
    return nullptr;
}

// The words as a sentence lists them: "KPa, psi or bar".
std::string WordsOf(const RadioChoice& choice) {
    std::string text;
    for (std::size_t k = 0; k < choice.words.size(); ++k) {
        if (k > 0) text += k + 1 == choice.words.size() ? " or " : ", ";
        text += choice.words[k].first;
    }
    return text;
}

// Whether a calculator knows a step's name.
bool Knows(const Calculator& calculator, std::string_view name) {
    return Lookup(calculator.fields, name) || Lookup(calculator.lists, name) ||
           Lookup(calculator.buttons, name) || ChoiceNamed(calculator, name);
}

}  // namespace

std::variant<std::vector<Step>, std::string> ParseSteps(const Calculator& calculator,
                                                        const std::vector<std::string>& words) {
    std::vector<Step> steps;
    for (const std::string& word : words) {
        // A name of the window the calculator's own opens is a step there.
        const std::string named = word.substr(0, word.find('='));
        if (calculator.inner && !Knows(calculator, named) && Knows(*calculator.inner, named)) {
            auto inner = ParseSteps(*calculator.inner, {word});
            if (auto* message = std::get_if<std::string>(&inner)) return std::move(*message);
            for (Step& step : std::get<std::vector<Step>>(inner)) {
                step.inner = true;
                steps.push_back(std::move(step));
            }
            continue;
        }
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
        } else if (const auto* choice = ChoiceNamed(calculator, name)) {
            const auto clicked = std::find_if(
                choice->words.begin(), choice->words.end(), [&](const auto& choiceWord) {
                    return SameWordIgnoringCase(choiceWord.first, value);
                });
            if (clicked == choice->words.end())
                return "unknown " + choice->what + " '" + value + "' (" + WordsOf(*choice) + ")";
            steps.push_back({Step::Kind::Choice, clicked->second, value});
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
            case Step::Kind::Choice:
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

std::vector<Output> CollectRows(const ui::Dialog& dialog, const Calculator& calculator) {
    if (calculator.rows) return calculator.rows(dialog);
    return {Collect(dialog, calculator)};
}

}  // namespace veltrane::calc
