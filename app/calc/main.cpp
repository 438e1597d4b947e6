// veltrane-calc: the calculator windows driven from the command line, headless.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/calc/CalcHost.h"
#include "app/calc/Calculators.h"
#include "column/ColumnCalculator.h"
#include "column/ColumnIds.h"
#include "data/TextFile.h"
#include "plot/PlotData.h"
#include "vapor/VaporCalculator.h"

namespace {

using namespace veltrane;

constexpr const char* kUsage =
    "usage: veltrane-calc column [--dir DIR] [--json] [STEP ...]\n"
    "       veltrane-calc plot   [--dir DIR] [STEP ...]\n"
    "       veltrane-calc vapor  [--dir DIR] [--json] [STEP ...]\n"
    "       veltrane-calc --help\n"
    "\n"
    "Opens a calculator window in DIR (default: the current folder) as the program does,\n"
    "applies each STEP in order as a person would, and prints what the window shows.\n"
    "flow.cfg is read but never written.\n"
    "\n"
    "Steps:\n"
    "  NAME=VALUE       type VALUE into a field and leave it\n"
    "                   column: length diameter temperature inlet flow velocity outlet\n"
    "                           inlet-temperature vent ratio\n"
    "                   vapor:  volume temperature pressure\n"
    "  unit=KPa|psi|bar click a pressure unit\n"
    "  outlet-mode=atm|vac|oth   (column) click an outlet condition\n"
    "  gas=TEXT, solvent=TEXT, liner=TEXT   pick the first entry beginning with TEXT\n"
    "  flow-ratio       (column) press the Flow/Ratio button\n"
    "\n"
    "plot applies its steps to the column window, presses Plot (writing plot.xy in DIR)\n"
    "and prints plot.xy.\n";

int Fail(const std::string& message) {
    std::cerr << "veltrane-calc: " << message << '\n';
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return Fail("no command (column, plot or vapor); see --help");
    const std::string& command = args[0];
    if (command == "--help" || command == "-h") {
        std::cout << kUsage;
        return 0;
    }
    if (command != "column" && command != "plot" && command != "vapor")
        return Fail("unknown command: " + command);

    std::filesystem::path folder = ".";
    bool json = false;
    std::vector<std::string> words;
    for (std::size_t k = 1; k < args.size(); ++k) {
        if (args[k] == "--dir") {
            if (++k == args.size()) return Fail("--dir needs a folder");
            folder = args[k];
        } else if (args[k] == "--json" && command != "plot") {
            json = true;
        } else if (args[k].rfind("--", 0) == 0) {
            return Fail("unknown option: " + args[k]);
        } else {
            words.push_back(args[k]);
        }
    }
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        return Fail("no such folder: " + folder.string());

    const calc::Calculator& calculator =
        command == "vapor" ? calc::VaporCalculatorSteps() : calc::ColumnCalculatorSteps();
    auto parsed = calc::ParseSteps(calculator, words);
    if (auto* message = std::get_if<std::string>(&parsed)) return Fail(*message);
    const auto& steps = std::get<std::vector<calc::Step>>(parsed);

    std::string failure;
    std::string output;
    bool plotted = false;
    calc::CalcHost host(
        folder, calculator.dialogId,
        [&](ui::Dialog& dialog) {
            if (auto problem = calc::ApplySteps(dialog, steps)) {
                failure = *problem;
                return;
            }
            if (command == "plot") {
                dialog.click(column::IDC_PLOT);
                plotted = true;
                return;
            }
            const calc::Output figures = calc::Collect(dialog, calculator);
            output = json ? calc::AsJson(figures) : calc::AsLines(figures);
        },
        std::cerr);

    if (command == "vapor")
        VaporCalculator(host).run();
    else
        ColumnCalculator(host).run();
    if (!failure.empty()) return Fail(failure);

    if (plotted) {
        for (const std::string& line : ReadTextLines(folder / kPlotFileName).m_lines)
            std::cout << line << '\n';
    } else {
        std::cout << output;
    }
    return 0;
}
