// What veltrane-calc can do to each calculator window: its field names, lists and outputs.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "app/calc/CalcHost.h"
#include "ui/Dialog.h"

namespace veltrane::calc {

using Output = std::vector<std::pair<std::string, std::string>>;

// A calculator window held open for many cases: reopen() puts the window and its logic back
// exactly as they stood when it had just opened.
struct OpenWindow {
    ui::Dialog& dialog;
    std::function<void()> reopen;
};
using InsideWindow = std::function<void(OpenWindow& window)>;

// NAME=WORD clicks the radio button of that word, in any case: unit=psi, goal=Optimum.
struct RadioChoice {
    std::string name;
    std::string what;  // the choice as a wrong word is refused: "unknown outlet mode 'air'"
    std::string help;  // what clicking one does, in the help: "click an outlet condition"
    std::vector<std::pair<std::string, int>> words;  // each word and its radio button
};

struct Calculator {
    int dialogId;
    // Opens the window modally as the launcher does and runs inside in it.
    void (*open)(CalcHost& host, const InsideWindow& inside);
    std::vector<std::pair<std::string, int>> fields;   // NAME=VALUE types into and leaves
    std::vector<std::pair<std::string, int>> lists;    // NAME=TEXT picks an entry
    std::vector<std::pair<std::string, int>> buttons;  // a bare word presses the button
    std::vector<RadioChoice> choices;
    std::vector<std::pair<std::string, std::function<std::string(const ui::Dialog&)>>> outputs;
    // A calculator whose case is many rows (the chromatogram: a row a compound) prints these
    // instead of its outputs, under these names.
    std::vector<std::string> rowNames = {};
    std::function<std::vector<Output>(const ui::Dialog&)> rows = {};
    // A calculator whose figures are in a window its own opens (translate --chromatograms):
    // the steps on `inner`'s names go to that window, which the button `opener` opens once the
    // others are done; the case is that window's rows.
    const Calculator* inner = nullptr;
    int opener = 0;
};

const Calculator& ColumnCalculatorSteps();
const Calculator& VaporCalculatorSteps();
const Calculator& TranslateCalculatorSteps();
const Calculator& ChromatogramCalculatorSteps();
// translate --chromatograms: the translation's steps, then both methods' chromatograms.
const Calculator& TranslatedCalculatorSteps();

// One step as a person would do it, already checked against the window's names.
struct Step {
    enum class Kind { Field, Choice, List, Button };
    Kind kind;
    int id;              // field, list or button id; the radio button for a Choice
    std::string value;   // typed text, or the list entry's beginning
    bool inner = false;  // a step in the window the calculator's own opens
};

// The id a name stands for in one of a calculator's tables (fields, lists, buttons).
std::optional<int> Lookup(const std::vector<std::pair<std::string, int>>& table,
                          std::string_view name);

// The steps of a command line, or the message naming the first one that is wrong.
std::variant<std::vector<Step>, std::string> ParseSteps(const Calculator& calculator,
                                                        const std::vector<std::string>& words);

// Applies the steps in order; a message when a list has no entry that begins with the text.
std::optional<std::string> ApplySteps(ui::Dialog& dialog, const std::vector<Step>& steps);

Output Collect(const ui::Dialog& dialog, const Calculator& calculator);
// A case's rows: the outputs as one row, or the rows of a calculator of many.
std::vector<Output> CollectRows(const ui::Dialog& dialog, const Calculator& calculator);

}  // namespace veltrane::calc
