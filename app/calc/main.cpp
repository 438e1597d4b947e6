// veltrane-calc: the calculator windows driven from the command line, headless.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/Process.h"
#include "app/calc/Calculators.h"
#include "app/calc/Cases.h"
#include "app/calc/OutputForms.h"
#include "column/ColumnIds.h"
#include "data/Text.h"
#include "data/TextFile.h"
#include "plot/PlotData.h"
#include "plot/PlotFile.h"

namespace {

using namespace veltrane;

// What --numbers and --line do, in the tool's help and each calculator's.
constexpr const char* kFigureOptions =
    "--numbers prints an output that is a decimal number with blanks around it or a unit\n"
    "(minutes, ul, %) after it as the bare number, its digits as shown: \"0.719 minutes\"\n"
    "as 0.719, \"25 %\" as 25, \"0.0 \" as 0.0. Other texts (infinite, n/a, names) stay as\n"
    "they are; in JSON every output stays a string.\n"
    "--line, with --batch, begins each row with the number of the input line it answers:\n"
    "a first CSV column line, a first JSON key \"line\" (a JSON number).\n";

constexpr const char* kUsage =
    "usage: veltrane-calc column|translate|vapor|chromatogram [--dir DIR] [--json|--csv]\n"
    "                     [--numbers] [STEP ...]\n"
    "       veltrane-calc column|translate|vapor --batch [--dir DIR] [--json|--csv] [--numbers]\n"
    "                     [--line] [STEP ...] < CASES\n"
    "       veltrane-calc column|translate|vapor [--dir DIR] [--json|--csv] [--numbers]\n"
    "                     [STEP ...] --sweep NAME=FROM:TO:STEP [--sweep ...]\n"
    "       veltrane-calc translate --chromatograms [--dir DIR] [--json|--csv] [STEP ...]\n"
    "       veltrane-calc plot [--dir DIR] [--json|--csv] [STEP ...]\n"
    "       veltrane-calc column|plot|translate|vapor|chromatogram --help\n"
    "       veltrane-calc --help | --version\n"
    "\n"
    "Opens a calculator window in DIR (default: the current folder) as the program does,\n"
    "applies each STEP in order as a person would, and prints what the window shows.\n"
    "Nothing in DIR is created or changed, except plot.xy by plot.\n"
    "\n"
    "--batch reads one case a line from standard input: steps as on the command line, a\n"
    "value with blanks in quotes; empty lines and lines starting with # are skipped. Each\n"
    "case starts from the window as freshly opened, then the STEPs given, then its own.\n"
    "--sweep makes one case for each value FROM, FROM+STEP, ... up to TO of a field, typed\n"
    "after the STEPs; several sweeps make a grid, the last one varying fastest. FROM, TO\n"
    "and STEP may be written with the decimal comma (0,5).\n"
    "A batch or sweep prints CSV (a header row, then a row a case) unless --json asks for\n"
    "JSON Lines. A bad batch line is named on standard error as \"line N: reason\" and\n"
    "skipped, and the exit status is then 2. chromatogram prints a row a compound, as CSV\n"
    "even for one case; among many cases each row begins with the case's number, case.\n"
    "The batch and sweep forms take chromatogram as they take column.\n"
    "translate --chromatograms takes the translation's steps and phase and compounds, and\n"
    "prints a row a compound of both methods' predicted chromatograms, as chromatogram does.\n";

constexpr const char* kUsageEnd =
    "plot prints plot.xy as it is written; --csv prints its points (pressure,velocity),\n"
    "--json its description and points as one JSON object.\n"
    "\n"
    "Exit status: 0 done, 1 failed (plot.xy not written, output not written), 2 bad usage.\n"
    "See veltrane-calc column --help (plot, translate, vapor, chromatogram) for each\n"
    "calculator's steps and outputs.\n";

// A message may quote what was typed: shown escaped, never as raw bytes or control codes.
int Fail(const std::string& message) {
    std::cerr << "veltrane-calc: " << EscapedForMessage(message) << '\n';
    return 2;
}

template <typename Table>
std::string Joined(const Table& names) {
    std::string text;
    for (const auto& [name, id] : names) text += " " + name;
    return text;
}

// Names after a blank each, in lines of at most 90 characters that begin with indent.
template <typename Table>
std::string Wrapped(const Table& names, const std::string& indent) {
    std::string text = indent;
    std::size_t width = indent.size();
    for (const auto& [name, value] : names) {
        if (width + name.size() + 1 > 90) {
            text += "\n" + indent;
            width = indent.size();
        }
        text += " " + name;
        width += name.size() + 1;
    }
    return text + "\n";
}

// The columns of a calculator of many rows, and the options every calculator's help ends with.
std::string RowNames(const calc::Calculator& calculator) {
    std::vector<std::pair<std::string, int>> names;
    for (const std::string& name : calculator.rowNames) names.emplace_back(name, 0);
    return Wrapped(names, " ") + "\n" + kFigureOptions;
}

// A calculator's own help, made from the tables the steps are parsed with.
std::string CalculatorHelp(const std::string& command, const calc::Calculator& calculator) {
    const bool plot = command == "plot";
    const std::string again = "       veltrane-calc " + command;
    std::string text = "usage: veltrane-calc " + command + " [--dir DIR] [--json|--csv] ";
    text += plot ? "[STEP ...]\n" : "[--numbers] [STEP ...]\n";
    if (!plot) {
        text += again + " --batch [--dir DIR] [--json|--csv] [--numbers] [--line]\n";
        text += "                     [STEP ...] < CASES\n";
        text += again + " [--dir DIR] [--json|--csv] [--numbers] [STEP ...]\n";
        text += "                     --sweep NAME=FROM:TO:STEP ...\n";
    }
    text +=
        "\nSteps, done in order as a person would:\n  NAME=VALUE  type VALUE into a field "
        "and leave it:\n";
    // The steps of the window the calculator's own opens are named with its own.
    auto fields = calculator.fields;
    auto lists = calculator.lists;
    if (calculator.inner) {
        fields.insert(fields.end(), calculator.inner->fields.begin(),
                      calculator.inner->fields.end());
        lists.insert(lists.end(), calculator.inner->lists.begin(), calculator.inner->lists.end());
    }
    text += Wrapped(fields, std::string(13, ' '));
    text +=
        "  NAME=TEXT   pick the first entry beginning with TEXT (any case):" + Joined(lists) + "\n";
    // NAME=WORD|WORD in a column as wide as the longest needs.
    std::vector<std::string> chosen;
    std::size_t column = 25;
    for (const calc::RadioChoice& choice : calculator.choices) {
        std::string words = choice.name + "=";
        for (std::size_t k = 0; k < choice.words.size(); ++k)
            words += (k ? "|" : "") + choice.words[k].first;
        column = std::max(column, words.size());
        chosen.push_back(std::move(words));
    }
    for (std::size_t k = 0; k < chosen.size(); ++k)
        text += "  " + chosen[k] + std::string(column - chosen[k].size() + 1, ' ') +
                calculator.choices[k].help + " (any case)\n";
    for (const auto& [name, id] : calculator.buttons)
        text += "  " + name + "  press the button of that name\n";
    if (plot) {
        text +=
            "\nThen presses Plot, which writes plot.xy in DIR, and prints plot.xy as written.\n"
            "--csv prints its points instead: a header row pressure,velocity, then a row a\n"
            "point, the numbers as in plot.xy. --json prints one JSON object: diameter,\n"
            "temperature, length, outlet, unit, gas, band-low and band-high (strings, without\n"
            "plot.xy's labels), then points, a list of [pressure, velocity] numbers.\n"
            "When plot.xy cannot be written: the notice on standard error, exit status 1.\n";
        return text;
    }
    if (calculator.inner) {
        text +=
            "\nThen presses Chromatograms. A row a compound, in the original method's elution\n"
            "order, in these columns (a CSV column or JSON key each): both retention times in\n"
            "minutes, ratio = new-retention / (G x retention), both resolutions to the compound\n"
            "before it in its own method; note is \"does not elute\" (in either method), \"order\n"
            "changed\" (it now comes out before a compound that came before it) or \"critical\n"
            "pair\" (resolution below 1.5 in the new method only):\n";
        return text + RowNames(calculator);
    }
    if (calculator.rows) {
        text +=
            "\nA row a compound, in elution order (those that do not elute last), in these\n"
            "columns (a CSV column or JSON key each): retention in minutes, sigma and width\n"
            "at half height in seconds, resolution to the compound before it; note is\n"
            "\"critical pair\" (resolution below 1.5) or \"does not elute\" (no figures):\n";
        return text + RowNames(calculator);
    }
    text += "\nOutputs, in this order (NAME: VALUE lines; a CSV column or JSON key each):\n";
    return text + Wrapped(calculator.outputs, " ") + "\n" + kFigureOptions;
}

// The output reached its reader, or the user is told it did not.
int Finish(int status) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::cerr << "veltrane-calc: the output could not be written\n";
        return 1;
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    UseBinaryStandardStreams();
    const std::vector<std::string> args = ProgramArguments(argc, argv);
    if (args.empty())
        return Fail("no command (column, plot, translate, vapor or chromatogram); see --help");
    const std::string& command = args[0];
    if (command == "--help" || command == "-h") {
        std::cout << kUsage << kFigureOptions << kUsageEnd;
        return Finish(0);
    }
    if (command == "--version") {
        std::cout << "veltrane-calc " VELTRANE_VERSION "\n";
        return Finish(0);
    }
    if (command != "column" && command != "plot" && command != "translate" && command != "vapor" &&
        command != "chromatogram")
        return Fail("unknown command: " + command);
    const bool plot = command == "plot";
    const bool chromatograms = command == "translate" &&
                               std::find(args.begin(), args.end(), "--chromatograms") != args.end();
    const calc::Calculator& calculator = chromatograms        ? calc::TranslatedCalculatorSteps()
                                         : command == "vapor" ? calc::VaporCalculatorSteps()
                                         : command == "translate" ? calc::TranslateCalculatorSteps()
                                         : command == "chromatogram"
                                             ? calc::ChromatogramCalculatorSteps()
                                             : calc::ColumnCalculatorSteps();

    std::filesystem::path folder = ".";
    calc::Printing printing;
    bool formChosen = false;
    bool batch = false;
    std::vector<std::string> sweepTexts;
    std::vector<std::string> words;
    for (std::size_t k = 1; k < args.size(); ++k) {
        const std::string& arg = args[k];
        if (arg == "--chromatograms" && chromatograms) {
            continue;
        } else if (arg == "--help" || arg == "-h") {
            std::cout << CalculatorHelp(chromatograms ? command + " --chromatograms" : command,
                                        calculator);
            return Finish(0);
        } else if (arg == "--dir" || arg == "--sweep") {
            if (++k == args.size()) return Fail(arg + " needs a value");
            if (arg == "--dir")
                folder = PathFromUtf8(args[k]);
            else
                sweepTexts.push_back(args[k]);
        } else if (arg == "--json" || arg == "--csv") {
            if (formChosen) return Fail("choose one of --json and --csv");
            printing.form = arg == "--json" ? calc::Form::Json : calc::Form::Csv;
            formChosen = true;
        } else if (arg == "--batch" && !plot) {
            batch = true;
        } else if (arg == "--numbers" && !plot) {
            printing.bareNumbers = true;
        } else if (arg == "--line" && !plot) {
            printing.lineNumbers = true;
        } else if (arg.rfind("--", 0) == 0) {
            return Fail("unknown option for " + command + ": " + arg);
        } else {
            words.push_back(arg);
        }
    }
    if (plot && !sweepTexts.empty()) return Fail("unknown option for plot: --sweep");
    if (batch && !sweepTexts.empty()) return Fail("choose one of --batch and --sweep");
    if (printing.lineNumbers && !batch) return Fail("--line numbers the lines of --batch only");
    const bool manyCases = batch || !sweepTexts.empty();
    // Many cases print as a table, and so does one case of many rows.
    if ((manyCases || calculator.rows) && !formChosen) printing.form = calc::Form::Csv;

    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        return Fail("no such folder: " + Utf8OfPath(folder));

    auto parsed = calc::ParseSteps(calculator, words);
    if (auto* message = std::get_if<std::string>(&parsed)) return Fail(*message);
    auto& steps = std::get<std::vector<calc::Step>>(parsed);
    std::vector<calc::Sweep> sweeps;
    for (const std::string& sweepText : sweepTexts) {
        auto sweep = calc::ParseSweep(calculator, sweepText);
        if (auto* message = std::get_if<std::string>(&sweep)) return Fail(*message);
        sweeps.push_back(std::move(std::get<calc::Sweep>(sweep)));
    }
    if (plot) steps.push_back({calc::Step::Kind::Button, column::IDC_PLOT, ""});

    calc::CaseRunner runner(calculator, folder, std::cerr);
    int status = -1;
    runner.open([&] {
        // The steps of the command line alone: the single case, or the check that every case
        // of a batch or sweep can begin with them.
        const auto result = runner.run(steps);
        if (auto* message = std::get_if<std::string>(&result)) {
            status = Fail(*message);
        } else if (batch) {
            status = Finish(calc::RunBatch(runner, steps, stdin, stdout, std::cerr, printing));
        } else if (!sweeps.empty()) {
            auto swept = calc::RunSweeps(runner, steps, std::move(sweeps), stdout, printing);
            if (auto* refusal = std::get_if<std::string>(&swept))
                status = Fail(*refusal);
            else
                status = Finish(0);
        } else if (!plot) {
            // A single case as CSV is a table of one row: the header names its columns.
            std::fputs(calc::Heading(calculator, printing).c_str(), stdout);
            std::fputs(calc::FormattedRows(std::get<0>(result), printing, 0, 0).c_str(), stdout);
            status = Finish(0);
        }
    });
    if (status >= 0) return status;
    if (!plot) return Fail("the window did not open");

    // The plot window opens only once plot.xy is written; else the notice has said why.
    if (runner.host().otherWindowsOpened() == 0) return 1;
    const std::string text = ReadTextFile(folder / kPlotFileName, MissingFile::ReadAsEmpty);
    const TextLines file = SplitLines(text);
    if (printing.form == calc::Form::Lines && !file.m_lines.empty()) {
        for (const std::string& line : file.m_lines) std::printf("%s\n", line.c_str());
        return Finish(0);
    }
    if (printing.form != calc::Form::Lines) {
        const PlotFileText plotText = ReadPlotFileText(text);
        // Every line after the description is a point: none may go missing from the table.
        const auto formatted =
            plotText.m_points.size() + kPlotDescriptionLines == file.m_lines.size()
                ? calc::PlotFormatted(plotText, printing.form)
                : std::nullopt;
        if (formatted) {
            std::fputs(formatted->c_str(), stdout);
            return Finish(0);
        }
    }
    std::cerr << "veltrane-calc: plot.xy could not be read back\n";
    return 1;
}
