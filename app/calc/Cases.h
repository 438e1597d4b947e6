// Many cases of one calculator in one run: read from a batch, or made by sweeping fields.
#pragma once

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/calc/CalcHost.h"
#include "app/calc/Calculators.h"
#include "app/calc/OutputForms.h"

namespace veltrane::calc {

// Runs cases in a calculator's window, each from the window as freshly opened in one
// folder, whose files are read once; a notice the window shows is printed the first time only.
class CaseRunner {
public:
    CaseRunner(const Calculator& calculator, std::filesystem::path folder, std::ostream& notices);

    // Opens the window and calls body in it, which runs the cases; closes it without saving.
    void open(const std::function<void()>& body);
    // Inside body: the window's figures after the first steps and then the others, or why a
    // step failed.
    std::variant<std::vector<Output>, std::string> run(const std::vector<Step>& first,
                                                       const std::vector<Step>& then = {});

    const Calculator& calculator() const { return m_calculator; }
    const CalcHost& host() const { return m_host; }

private:
    const Calculator& m_calculator;
    CalcHost m_host;
    OpenWindow* m_window = nullptr;  // while open
    bool m_asOpened = false;         // no case has run in the window yet
};

// The words of a batch line, split at blanks as a shell would: quotes (single or double)
// keep blanks inside a word and are dropped. A message when a quote is left open.
std::variant<std::vector<std::string>, std::string> SplitWords(std::string_view line);

// Reads cases from input, one a line (empty lines and lines starting with # skipped), and
// prints each good one's figures after the fixed steps and its own, with its line number when
// printing asks for it. A bad line is named on errors as "line N: reason" and skipped.
// Returns 2 when a line was bad, else 0.
inline constexpr std::size_t kMaxLineBytes = 64 * 1024;
int RunBatch(CaseRunner& runner, const std::vector<Step>& fixed, std::FILE* input,
             std::FILE* output, std::ostream& errors, const Printing& printing);

// One --sweep NAME=FROM:TO:STEP: the values FROM + i*STEP up to TO, as texts.
struct Sweep {
    Step step;  // the field step, its value filled in for each case
    std::vector<std::string> values;
};
inline constexpr std::size_t kMaxCases = 1'000'000;
std::variant<Sweep, std::string> ParseSweep(const Calculator& calculator,
                                            std::string_view sweepText);

// Prints one case for each combination of the sweeps' values, the last sweep varying fastest;
// the sweep values are typed after the fixed steps. A message when the grid is too large.
std::variant<std::monostate, std::string> RunSweeps(CaseRunner& runner,
                                                    const std::vector<Step>& fixed,
                                                    std::vector<Sweep> sweeps, std::FILE* output,
                                                    const Printing& printing);

}  // namespace veltrane::calc
