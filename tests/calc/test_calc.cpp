// veltrane-calc run as a user would: figures as the windows show them, errors, files untouched.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdlib.h>
#include <algorithm>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "app/calc/CalcHost.h"
#include "app/calc/Calculators.h"
#include "app/calc/Cases.h"
#include "column/ColumnCalculator.h"
#include "column/ColumnIds.h"
#include "resources/ResourceIds.h"
#include "tests/support/FakeHost.h"
#include "tests/support/WindowFiles.h"
#include "translate/MethodTranslator.h"
#include "translate/TranslateFields.h"

namespace veltrane::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs a shell command line (arguments already quoted), capturing both streams.
Outcome Shell(const std::string& commandLine, const std::filesystem::path& scratch) {
    const auto errFile = scratch / "stderr.txt";
    Outcome run;
    FILE* pipe = ::popen((commandLine + " 2>'" + errFile.string() + "'").c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = Slurp(errFile);
    return run;
}

class CalcTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string name = std::filesystem::temp_directory_path() / "veltrane_calc_XXXXXX";
        ASSERT_NE(::mkdtemp(name.data()), nullptr);
        folder = name;
        // An ordinary user runs the tool in it too.
        std::filesystem::permissions(
            folder, std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
                        std::filesystem::perms::group_exec | std::filesystem::perms::others_read |
                        std::filesystem::perms::others_exec);
        CopyShippedLists(folder);
        host.layShippedLists();
        lay("flow.cfg", SettingsFileText("KPa", "atm", "Helium", "n-Hexane", "4 mm ID single"));
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
        std::filesystem::remove_all(scratch(), ignored);
    }

    // A file in the tool's folder, and the same file in the window the test opens itself.
    void lay(const std::string& name, const std::string& bytes) {
        std::ofstream(folder / name, std::ios::binary) << bytes;
        host.writeFile(name, bytes);
    }
    std::string onDisk(const std::string& name) { return Slurp(folder / name); }

    // prefix: a command the program is run under (env, setpriv).
    Outcome calc(const std::string& arguments, const std::string& prefix = "") {
        return Shell(
            prefix + "'" + VELTRANE_CALC + "' " + arguments + " --dir '" + folder.string() + "'",
            scratch());
    }

    std::filesystem::path scratch() {
        auto io = folder.parent_path() / (folder.filename().string() + "-io");
        std::filesystem::create_directories(io);
        return io;
    }

    std::filesystem::path folder;  // the tool's
    FakeHost host;                 // opens the same window on the same files
};

TEST_F(CalcTest, TheDefaultColumnFiguresAreTheWindowsOwn) {
    const Outcome run = calc("column");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "gas: Helium\nlength: 30.0\ndiameter: 0.320\ntemperature: 100\ninlet: 68.9\n"
              "inlet-mark: \nflow: 1.65\nflow-mark: \nvelocity: 31.2\noutlet: 101.1\nunit: KPa\n"
              "outlet-mode: atm\nholdup: 1.60 minutes\nvent: 0.0 \nratio: \n"
              "inlet-temperature: 175\ninlet-flow: 1.47\nband-low: 20\nband-high: 40\n");
}

TEST_F(CalcTest, StepsRunInOrderAsAPersonWouldDoThem) {
    const Outcome run = calc("column flow=2 unit=psi temperature=-82");
    ASSERT_EQ(run.status, 0) << run.err;
    // The same steps in the window itself.
    std::map<std::string, std::string> window;
    host.expect(res::IDD_COLUMN, [&](ui::Dialog& d) {
        for (auto [id, text] : {std::pair{column::IDC_FLOW, "2"}}) {
            d.typeInto(id, text);
            d.leave(id);
        }
        d.click(column::IDC_UNIT_PSI);
        d.typeInto(column::IDC_TEMPERATURE, "-82");
        d.leave(column::IDC_TEMPERATURE);
        window["inlet"] = d.text(column::IDC_INLET);
        window["velocity"] = d.text(column::IDC_VELOCITY);
        window["flow"] = d.text(column::IDC_FLOW);
    });
    ColumnCalculator(host).run();
    EXPECT_THAT(run.out, HasSubstr("\ninlet: " + window["inlet"] + "\n"));
    EXPECT_THAT(run.out, HasSubstr("\nvelocity: " + window["velocity"] + "\n"));
    EXPECT_THAT(run.out, HasSubstr("\nflow: " + window["flow"] + "\n"));
    EXPECT_THAT(run.out, HasSubstr("\ntemperature: -85\n"));
    EXPECT_THAT(run.out, HasSubstr("\nunit: psi\n"));
}

TEST_F(CalcTest, TranslateFiguresAreThoseOfTheWindowGivenTheSameSteps) {
    using namespace translate;
    const Outcome run = calc(
        "translate unit=psi control=pressure new-gas=nitro goal=optimum rate2=5 final2=300 "
        "hold2=2 new-outlet-mode=vac");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    std::map<std::string, std::string> window;
    host.expect(res::IDD_TRANSLATE, [&](ui::Dialog& d) {
        d.click(IDC_UNIT_PSI);
        d.click(IDC_CONSTANT_PRESSURE);
        const auto& gases = d.control(kNew.gasList).combo.items;
        d.selectEntry(kNew.gasList,
                      int(std::find(gases.begin(), gases.end(), "Nitrogen") - gases.begin()));
        d.click(IDC_GOAL_OPTIMUM);
        for (auto [id, text] : {std::pair{RateId(1), "5"}, {FinalId(1), "300"}, {HoldId(1), "2"}}) {
            d.typeInto(id, text);
            d.leave(id);
        }
        d.click(kNew.outletVac);
        const std::pair<const char*, int> shown[] = {{"inlet", kOriginal.inlet},
                                                     {"velocity", kOriginal.velocity},
                                                     {"holdup", kOriginal.holdUp},
                                                     {"new-gas", kNew.gasList},
                                                     {"new-outlet", kNew.outlet},
                                                     {"new-inlet", kNew.inlet},
                                                     {"new-velocity", kNew.velocity},
                                                     {"new-holdup", kNew.holdUp},
                                                     {"factor", IDC_FACTOR},
                                                     {"speed-gain", IDC_SPEED_GAIN},
                                                     {"final-factor", IDC_FINAL_FACTOR},
                                                     {"new-initial-hold", IDC_NEW_INITIAL_HOLD},
                                                     {"new-rate2", NewRateId(1)},
                                                     {"new-hold2", NewHoldId(1)},
                                                     {"new-run-time", IDC_NEW_RUN_TIME},
                                                     {"warnings", IDC_WARNINGS}};
        for (const auto& [name, id] : shown) window[name] = d.text(id);
    });
    MethodTranslator(host).run();
    ASSERT_EQ(window["new-gas"], "Nitrogen");
    std::map<std::string, std::string> printed;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t colon = line.find(": ");
        if (window.count(line.substr(0, colon)))
            printed[line.substr(0, colon)] = line.substr(colon + 2);
    }
    EXPECT_EQ(printed, window);
    EXPECT_THAT(run.out, HasSubstr("\nunit: psi\ncontrol: pressure\n"));
    EXPECT_THAT(run.out, HasSubstr("\nnew-outlet-mode: vac\n"));
    EXPECT_THAT(run.out, HasSubstr("\ngoal: optimum\n"));
    EXPECT_THAT(run.out, HasSubstr("\nrate2: 5\nfinal2: 300\nhold2: 2\n"));
}

// Each figure the window keeps in translate.cfg is typed by the same name.
TEST_F(CalcTest, EveryTranslateFieldIsTypedByItsSettingsName) {
    const calc::Calculator& translate = calc::TranslateCalculatorSteps();
    for (const translate::TranslateField& field : translate::kTranslateFields)
        EXPECT_EQ(calc::Lookup(translate.fields, field.name), field.id) << field.name;
    EXPECT_EQ(translate.fields.size(), translate::kTranslateFields.size());
}

TEST_F(CalcTest, ValuesTypedWithTheDecimalCommaGiveThePointsFigures) {
    const struct {
        const char* comma;
        const char* point;
        const char* shown;
    } rows[] = {
        {"column length=15,5 diameter=0,25", "column length=15.5 diameter=0.25", "length: 15.5\n"},
        {"column unit=bar inlet=0,705 vent=20,5", "column unit=bar inlet=0.705 vent=20.5",
         "inlet: 0.705\n"},
        {"vapor unit=psi pressure=1,5 volume=2,5", "vapor unit=psi pressure=1.5 volume=2.5",
         "pressure: 1.5\n"},
    };
    for (const auto& row : rows) {
        const Outcome comma = calc(row.comma);
        ASSERT_EQ(comma.status, 0) << comma.err;
        EXPECT_EQ(comma.out, calc(row.point).out) << row.comma;
        EXPECT_THAT(comma.out, HasSubstr(row.shown)) << row.comma;
    }
}

TEST_F(CalcTest, AVelocityStepSolvesTheInletPressure) {
    // Vacuum outlet: solved in closed form, below one atmosphere at this low velocity.
    const Outcome run = calc("column gas=nitro outlet-mode=vac velocity=20");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_THAT(run.out, HasSubstr("gas: Nitrogen\n"));
    EXPECT_THAT(run.out, HasSubstr("\ninlet: -49.1\n"));
    EXPECT_THAT(run.out, HasSubstr("\nvelocity: 20\n"));
    EXPECT_THAT(run.out, HasSubstr("\noutlet: 0.0 \n"));
}

TEST_F(CalcTest, VaporFiguresAndTheirJsonFormCarryTheSameTexts) {
    const Outcome lines = calc("vapor solvent=water liner=2mm temperature=90 unit=psi");
    EXPECT_EQ(lines.status, 2) << "no liner begins with 2mm";
    const Outcome plain = calc("vapor solvent=water liner=2 temperature=120");
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_THAT(plain.out, HasSubstr("solvent: Water\nboiling-point: 100\n"));
    EXPECT_THAT(plain.out, HasSubstr("\nvapor: n/a\nwarning: Inlet temp too close to solvent "
                                     "boiling point\n"));
    EXPECT_THAT(plain.out, HasSubstr("\nlevel: Normal\n"));

    const Outcome json = calc("vapor solvent=water liner=2 temperature=120 --json");
    ASSERT_EQ(json.status, 0) << json.err;
    // Turn the JSON back into lines with an independent parser, when one is at hand.
    const auto jsonFile = scratch() / "out.json";
    std::ofstream(jsonFile) << json.out;
    const Outcome parsed = Shell(
        "python3 -c 'import json,sys; "
        "[print(k + \": \" + v) for k, v in json.load(open(sys.argv[1])).items()]' '" +
            jsonFile.string() + "'",
        scratch());
    ASSERT_EQ(parsed.status, 0) << parsed.err;
    EXPECT_EQ(parsed.out, plain.out);
}

TEST_F(CalcTest, PlotWritesPlotXyAndPrintsItAsUtf8) {
    const Outcome run = calc("plot unit=psi");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_THAT(run.out, StartsWith("вд(mm) = 0.320\nТемп(C) = 100\nДлина (m) = 30.0\n"
                                    "Давл.вых. = 14.7\npsi\n  Г-Н   = Helium\n20\n40\n1.0   "));
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 158);
    EXPECT_THAT(onDisk("plot.xy"), StartsWith("\xE2\xE4(mm) = 0.320\r\n"));
}

TEST_F(CalcTest, PlotAsCsvAndJsonReadsBackAsPlotXyHasIt) {
    ASSERT_EQ(Shell("command -v python3", scratch()).status, 0) << "scripts/deps.sh installs it";
    const Outcome file = calc("plot unit=psi outlet-mode=vac");
    ASSERT_EQ(file.status, 0) << file.err;
    // plot.xy's point lines, after its eight description lines, with one blank between.
    std::istringstream lines(file.out);
    std::string line, points;
    for (int k = 0; k < 8; ++k) std::getline(lines, line);
    while (std::getline(lines, line)) {
        std::string pressure, velocity;
        std::istringstream(line) >> pressure >> velocity;
        points += pressure + " " + velocity + "\n";
    }
    ASSERT_EQ(std::count(points.begin(), points.end(), '\n'), 150);
    // Python prints the description and then the points as plot.xy has them.
    const std::string read =
        "import csv, json, sys\n"
        "if sys.argv[1] == 'csv':\n"
        "    rows = list(csv.reader(open(sys.argv[2], newline='')))\n"
        "    print(rows[0])\n"
        "    points = rows[1:]\n"
        "else:\n"
        "    plot = json.load(open(sys.argv[2]))\n"
        "    points = plot.pop('points')\n"
        "    print(plot)\n"
        "    if any(type(n) is not float for point in points for n in point): sys.exit('text')\n"
        "for p, v in points: print(p, v)\n";
    const auto script = scratch() / "read_plot.py";
    std::ofstream(script) << read;
    const struct {
        std::string form, description;
    } forms[] = {{"csv", "['pressure', 'velocity']"},
                 {"json",
                  "{'diameter': '0.320', 'temperature': '100', 'length': '30.0', 'outlet': "
                  "'0.0 ', 'unit': 'psi', 'gas': 'Helium', 'band-low': '20', 'band-high': '40'}"}};
    for (const auto& [form, description] : forms) {
        const auto output = scratch() / ("plot." + form);
        const Outcome run =
            calc("plot unit=psi outlet-mode=vac --" + form + " > '" + output.string() + "'");
        ASSERT_EQ(run.status, 0) << run.err;
        const Outcome parsed = Shell(
            "python3 '" + script.string() + "' " + form + " '" + output.string() + "'", scratch());
        ASSERT_EQ(parsed.status, 0) << parsed.err;
        EXPECT_EQ(parsed.out, description + "\n" + points) << form;
    }
}

TEST_F(CalcTest, MistakesAreNamedOnOneLineWithStatusTwoAndNothingWritten) {
    const char* mistakes[] = {
        "cylinder",                // unknown command
        "column colour=red",       // unknown name
        "column length",           // no "="
        "column unit=atm",         // not a unit
        "column outlet-mode=air",  // not a mode
        "vapor outlet-mode=vac",   // no such name in the vapor window
        "column gas=xenon",        // no entry begins with it
        "plot --numbers",          // plot prints the file, not figures
        "vapor flow-ratio",        // a column button
        "column gas=",             // an empty text begins every entry
        "vapor liner= solvent=w",
        "column --line",  // numbers batch lines only
        "vapor --line --sweep volume=1:2:1",
        "translate goal=fastest",         // not a goal
        "translate control=Flows",        // nor a control
        "translate new-outlet-mode=air",  // nor an outlet mode
        "translate new-gas=xenon",        // no entry begins with it
        "translate flow-ratio",           // a column button
        "translate temperature=100",      // a column field
    };
    for (const char* mistake : mistakes) {
        const Outcome run = calc(mistake);
        EXPECT_EQ(run.status, 2) << mistake;
        EXPECT_EQ(run.out, "") << mistake;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << mistake << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "plot.xy"));
}

TEST_F(CalcTest, TheSettingsFileIsNeverWritten) {
    const std::string before = onDisk("flow.cfg");
    ASSERT_EQ(calc("column unit=bar outlet-mode=oth gas=hydro").status, 0);
    ASSERT_EQ(calc("vapor unit=psi solvent=tolu").status, 0);
    EXPECT_EQ(onDisk("flow.cfg"), before);
    // translate.cfg: neither created when missing nor changed when there.
    ASSERT_EQ(calc("translate unit=bar new-gas=nitro goal=optimum length=15").status, 0);
    EXPECT_FALSE(std::filesystem::exists(folder / kTranslateSettingsFileName));
    lay("translate.cfg", "unit=psi\ngoal=times\nlength=25\n");
    const Outcome run = calc("translate unit=bar goal=set new-flow=2 length=15");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_THAT(run.out, HasSubstr("\nlength: 15\n"));
    EXPECT_EQ(onDisk("translate.cfg"), "unit=psi\ngoal=times\nlength=25\n");
}

TEST_F(CalcTest, ItsHostRefusesEveryWriteButPlotXy) {
    std::ostringstream notices;
    calc::CalcHost calcHost(folder, 0, {}, notices);
    for (const char* name : {"flow.cfg", "gases.txt", "new.cfg"})
        EXPECT_FALSE(calcHost.writeWorkFile(name, {"x"}, Durability::Flushed)) << name;
    EXPECT_EQ(onDisk("flow.cfg"),
              SettingsFileText("KPa", "atm", "Helium", "n-Hexane", "4 mm ID single"));
    EXPECT_FALSE(std::filesystem::exists(folder / "new.cfg"));
    EXPECT_TRUE(calcHost.writeWorkFile("plot.xy", {"x"}, Durability::Scratch));
    EXPECT_EQ(onDisk("plot.xy"), "x\r\n");
}

// A batch puts the window back to its snapshot between cases: each case's figures are those
// of the window opened anew.
TEST_F(CalcTest, AWindowPutBackToItsSnapshotIsTheWindowOpenedAnew) {
    const std::pair<const calc::Calculator*, std::vector<std::string>> calculators[] = {
        {&calc::ColumnCalculatorSteps(), {"gas=hydro", "unit=bar", "velocity=45", "vent=9"}},
        {&calc::VaporCalculatorSteps(), {"solvent=water", "unit=psi", "volume=4", "liner=2"}},
        // A typed new carrier changes what the window solves for, beyond its texts.
        {&calc::TranslateCalculatorSteps(),
         {"gas=nitro", "unit=psi", "new-velocity=40", "rate2=5", "control=pressure"}}};
    for (const auto& [calculator, words] : calculators) {
        std::ostringstream notices;
        calc::CaseRunner runner(*calculator, folder, notices);
        const auto steps = std::get<std::vector<calc::Step>>(calc::ParseSteps(*calculator, words));
        std::vector<calc::Output> outputs;
        runner.open([&] {
            const auto opened = std::get<0>(runner.run({})).front();
            outputs.push_back(std::get<0>(runner.run(steps)).front());
            outputs.push_back(std::get<0>(runner.run({})).front());
            EXPECT_EQ(outputs.back(), opened);
            outputs.push_back(std::get<0>(runner.run(steps)).front());
        });
        ASSERT_EQ(outputs.size(), 3u);
        EXPECT_EQ(outputs[0], outputs[2]);
        EXPECT_NE(outputs[0], outputs[1]);
    }
}

TEST_F(CalcTest, AMissingSettingsFileIsANoticeAndTheRunGoesOn) {
    std::filesystem::remove(folder / "flow.cfg");
    const Outcome run = calc("column");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "notice: File 'flow.cfg' not found. Using defaults\n");
    EXPECT_THAT(run.out, StartsWith("gas: Helium\n"));
}

TEST_F(CalcTest, HelpSaysHowToUseIt) {
    const Outcome run = Shell(std::string("'") + VELTRANE_CALC + "' --help", scratch());
    EXPECT_EQ(run.status, 0);
    EXPECT_THAT(run.out, StartsWith("usage: veltrane-calc column"));
}

// Lists the files of a folder, names only, sorted.
std::vector<std::string> FilesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(CalcTest, NothingButPlotXyIsEverLeftInTheFolder) {
    const auto empty = scratch() / "empty";
    std::filesystem::create_directories(empty);
    const struct {
        const char* command;
        std::vector<std::string> left;
    } runs[] = {{"column", {}}, {"vapor", {}}, {"translate", {}}, {"plot", {"plot.xy"}}};
    for (const auto& run : runs) {
        const Outcome outcome = Shell(std::string("'") + VELTRANE_CALC + "' " + run.command +
                                          " --dir '" + empty.string() + "'",
                                      scratch());
        EXPECT_EQ(outcome.status, 0) << run.command << outcome.err;
        EXPECT_EQ(FilesIn(empty), run.left) << run.command;
    }
}

TEST_F(CalcTest, APlotThatCannotBeWrittenPrintsNothingAndFails) {
    namespace fs = std::filesystem;
    // A read-only folder, then a read-only plot.xy in a folder anyone may write in.
    for (const bool readOnlyFile : {false, true}) {
        lay("plot.xy", "an older curve\r\n");
        fs::permissions(folder, readOnlyFile ? fs::perms::all : fs::perms::owner_write,
                        readOnlyFile ? fs::perm_options::replace : fs::perm_options::remove);
        if (readOnlyFile)
            fs::permissions(folder / "plot.xy", fs::perms::owner_read | fs::perms::others_read);
        // Root writes where it likes all the same: run as an ordinary user then.
        const Outcome run =
            calc("plot length=15",
                 ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "");
        fs::permissions(folder,
                        fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
        EXPECT_EQ(run.status, 1) << readOnlyFile;
        EXPECT_EQ(run.out, "") << readOnlyFile;
        EXPECT_EQ(run.err, "notice: Sorry, can't write file 'plot.xy'\n") << readOnlyFile;
        EXPECT_EQ(onDisk("plot.xy"), "an older curve\r\n") << readOnlyFile;
        fs::remove(folder / "plot.xy");
    }
}

TEST_F(CalcTest, WordsInAnyCaseVersionAndEachCalculatorsHelp) {
    const struct {
        std::string arguments;
        std::string shows;
    } runs[] = {
        {"column unit=kpa", "\nunit: KPa\n"},
        {"column unit=PSI outlet-mode=Vac", "\nunit: psi\noutlet-mode: vac\n"},
        {"vapor unit=BAR", "\nunit: bar\n"},
        {"--version", "veltrane-calc " VELTRANE_VERSION "\n"},
        {"column --help", "usage: veltrane-calc column"},
        {"column --help", " inlet-flow band-low band-high\n"},
        {"plot --help", "usage: veltrane-calc plot"},
        {"plot --help", " a list of [pressure, velocity] numbers.\n"},
        {"vapor --help", "\n--numbers prints an output that is a decimal number"},
        // A single call as CSV: the header row, then the row.
        {"column --csv", "inlet-flow,band-low,band-high\nHelium,30.0,0.320,100,68.9,"},
        {"translate --csv", "new-run-time,warnings\nHelium,30.0,0.250,"},
        {"--help", "\n--line, with --batch, begins each row"},
        {"translate goal=OPTIMUM control=Pressure new-outlet-mode=Vac",
         "\nnew-outlet-mode: vac\nnew-outlet: 0.0 \ngoal: optimum\n"},
        {"translate --help", "\n  goal=times|faster|optimum|set click the goal"},
        {"translate --help", " new-run-time warnings\n"},
        {"--help", "\n       veltrane-calc column|plot|translate|vapor|chromatogram --help\n"},
        {"vapor -h",
         "\n  NAME=TEXT   pick the first entry beginning with TEXT (any case): "
         "solvent liner\n"},
    };
    for (const auto& run : runs) {
        const Outcome outcome = calc(run.arguments);
        EXPECT_EQ(outcome.status, 0) << run.arguments << outcome.err;
        EXPECT_THAT(outcome.out, HasSubstr(run.shows)) << run.arguments;
    }
}

TEST_F(CalcTest, ABatchPrintsTheGoodLinesAndNamesTheBadOnes) {
    std::filesystem::remove(folder / "flow.cfg");
    const auto cases = scratch() / "cases.txt";
    std::ofstream(cases) << "length=15\n"
                            "# a comment\n"
                            "\n"
                            "colour=red\n"
                            "  unit=psi   'inlet=20'\r\n"
                            "gas=\"Hel\n"
                            "gas=xenon\n"
                            "gas=nitro temperature=\"50\"\n";
    const Outcome run = calc("column --batch outlet-mode=oth < '" + cases.string() + "'");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err,
              "notice: File 'flow.cfg' not found. Using defaults\n"
              "line 4: unknown name: colour\n"
              "line 6: a quote (\") is not closed\n"
              "line 7: no entry begins with 'xenon'\n");
    std::vector<std::string> rows;
    for (std::istringstream lines(run.out); std::getline(lines, rows.emplace_back());) {
    }
    rows.pop_back();
    ASSERT_EQ(rows.size(), 4u) << run.out;
    EXPECT_THAT(rows[0], StartsWith("gas,length,diameter,temperature,inlet,"));
    EXPECT_THAT(rows[1], StartsWith("Helium,15,0.320,100,"));
    EXPECT_THAT(rows[2], StartsWith("Helium,30.0,0.320,100,20,"));
    EXPECT_THAT(rows[3], StartsWith("Nitrogen,30.0,0.320,50,"));
    EXPECT_THAT(rows[3], HasSubstr(",oth,"));
}

TEST_F(CalcTest, BadBatchLinesAndWordsAreQuotedWithStrayBytesEscaped) {
    const auto cases = scratch() / "bad.txt";
    std::ofstream(cases) << "length=15\ngas=\xC3\xA9t\xE9\ngas=\n";
    const Outcome batch = calc("column --batch < '" + cases.string() + "'");
    EXPECT_EQ(batch.status, 2);
    EXPECT_EQ(batch.err,
              "line 2: not UTF-8: gas=\xC3\xA9t\\xE9\nline 3: gas= is "
              "empty: give the beginning of an entry\n");
    const Outcome word = calc("column \"$(printf 'colour\\033[2J=\\377')\"");
    EXPECT_EQ(word.status, 2);
    EXPECT_EQ(word.err, "veltrane-calc: not UTF-8: colour\\x1B[2J=\\xFF\n");
}

TEST_F(CalcTest, SweepsMakeAGridWithTheLastVaryingFastest) {
    const Outcome run = calc("vapor --sweep volume=0.1:0.3:0.1 --sweep temperature=150:170:20");
    ASSERT_EQ(run.status, 0) << run.err;
    std::string volumesAndTemperatures;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, ',');) fields.push_back(cell);
        volumesAndTemperatures += fields.at(4) + "/" + fields.at(5) + " ";
    }
    EXPECT_EQ(volumesAndTemperatures,
              "volume/temperature 0.1/150 0.1/170 0.2/150 0.2/170 0.3/150 0.3/170 ");
}

TEST_F(CalcTest, SweepBoundsMayBeTypedWithTheDecimalComma) {
    const Outcome run = calc("column --sweep length=10:11:0,5 --sweep diameter=0,25:0,25:1");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_THAT(run.out, HasSubstr("\nHelium,10,0.25,"));
    EXPECT_THAT(run.out, HasSubstr("\nHelium,10.5,0.25,"));
    EXPECT_THAT(run.out, HasSubstr("\nHelium,11,0.25,"));
    EXPECT_EQ(calc("column --sweep length=10:11:0,5,0").status, 2) << "two commas";
    EXPECT_EQ(calc("column --sweep length=1,000.5:2000:1").status, 2) << "a comma and a point";
}

TEST_F(CalcTest, NumbersPrintsANumberWithoutItsUnitOrPaddingAndLeavesOtherTexts) {
    const struct {
        std::string arguments;
        std::vector<std::string> shows;
    } runs[] = {
        {"column", {"\nholdup: 1.60\n", "\nvent: 0.0\nratio: \n", "\ninlet: 68.9\n"}},
        {"column length=1000 inlet=1", {"\nholdup: infinite\n"}},
        {"column inlet=0.5", {"\nvelocity: 0.2\n", "\nholdup: 250.\n"}},
        {"column gas=hydro length=15 unit=psi inlet=20", {"\nholdup: 0.0929\n"}},
        {"vapor solvent=aceto liner=\"4 mm ID st\"",
         {"\nvapor: 251\n", "\ncapacity: 25\n", "\nliner: 4 mm ID straight\n"}},
        {"vapor solvent=meth liner=2 volume=2",
         {"\ncapacity: 371\n", "\noverload: O v e r l o a d\n", "\nliner: 2 mm ID straight\n"}},
        {"vapor solvent=aceto liner=\"4 mm ID st\" volume=0.01",
         {"\nvapor: 3\n", "\ncapacity: 0\n"}},  // "3   ul", "0  %"
        {"vapor pressure=5 unit=psi unit=kpa", {"\npressure: 5.\n"}},
        {"vapor solvent=water liner=2 temperature=120", {"\nvapor: n/a\n"}},
        {"translate", {"\nfactor: 0.500\n", "\nnew-holdup: 0.881\n"}},
        {"translate control=pressure new-inlet=0", {"\nfactor: n/a\n", "\nnew-holdup: infinite\n"}},
    };
    for (const auto& run : runs) {
        const Outcome outcome = calc(run.arguments + " --numbers");
        EXPECT_EQ(outcome.status, 0) << run.arguments << outcome.err;
        for (const std::string& shown : run.shows)
            EXPECT_THAT(outcome.out, HasSubstr(shown)) << run.arguments;
    }
}

// What the translation once invented where it had nothing to show, each a row: the figure is
// now "n/a" (or the window's own word) and the warnings say why.
TEST_F(CalcTest, TheTranslationShowsNoFigureItDidNotSolve) {
    const struct {
        std::string arguments;
        std::string translateCfg;
        std::vector<std::string> shows;
    } runs[] = {
        {"outlet-mode=oth outlet=68.9 velocity=0.5",
         "",
         {"\nholdup: n/a\n", "\nfactor: n/a\n", "\nnew-run-time: n/a\n",
          "\nwarnings: No inlet pressure gives the original method's flow or velocity\n"}},
        {"flow=0",
         "",
         {"\nholdup: infinite\n", "\nnew-holdup: n/a\n",
          "No factor: the original method's carrier gas does not flow"}},
        {"unit=psi new-length=500 new-diameter=0.001 new-film=0.001 film=0.0625 faster=100",
         "",
         {"\nnew-inlet: n/a\n", "\nfactor: n/a\n",
          "No inlet pressure gives the new method's target"}},
        {"control=pressure new-gas=argon",
         "",
         {"\nfinal-factor: 0.520\n",
          "Factor drifts by over 2% along the program (constant pressure)"}},
        {"rate1=1e-307", "", {"\nrun-time: n/a\n"}},
        {"rate2=5", "", {"\nrun-time: 31.00\n", "\nnew-rate2: \n"}},
        {"rate2=5 final2=280", "", {"\nrun-time: 31.00\n", "Ramp 2 does not climb"}},
        {"inlet=92.8 unit=psi unit=kpa", "", {"\ninlet: 93.1\n", "\nholdup: 1.762\n"}},
        {"", "carrier=inlet\ninlet=1e300\n", {"\ninlet: 2068.5\n", "\nflow: 205.71\n"}},
        {"", "carrier=inlet\ninlet=inf\n", {"\ninlet: 92.8\n", "\nflow: 1.20\n"}},
    };
    for (const auto& run : runs) {
        lay("translate.cfg", run.translateCfg);
        const Outcome outcome = calc("translate " + run.arguments);
        EXPECT_EQ(outcome.status, 0) << run.arguments << outcome.err;
        for (const std::string& shown : run.shows)
            EXPECT_THAT(outcome.out, HasSubstr(shown)) << run.arguments;
        EXPECT_THAT(outcome.out, ::testing::Not(::testing::ContainsRegex("(inf|nan)\n")));
    }
}

TEST_F(CalcTest, BatchRowsReadBackAsCsvAndJsonLinesAreTheSingleCallsFigures) {
    ASSERT_EQ(Shell("command -v python3", scratch()).status, 0) << "scripts/deps.sh installs it";
    const std::vector<std::string> cases = {
        "column velocity=45 length=12.5",
        "column unit=bar gas=hydro inlet=1.5 \"vent=12\"",
        "column outlet-mode=oth outlet=50 velocity=25",
        "column diameter=0.53 flow=7 flow-ratio",
        "vapor solvent=aceto liner=\"4 mm ID s\" volume=2.5",
        "vapor unit=psi pressure=30 temperature=90",
        "translate goal=times new-gas=hel",
        "translate control=pressure inlet=100 goal=optimum",
        "translate unit=bar new-diameter=0.1 new-film=0.1 faster=3 rate2=4 final2=320",
    };
    // Python turns a CSV or JSON Lines file back into NAME: VALUE lines, a blank line a case;
    // in JSON every figure must be a string and the line a number.
    const std::string toLines =
        "import csv, json, sys\n"
        "rows = (csv.DictReader(open(sys.argv[2], newline='')) if sys.argv[1] == 'csv'\n"
        "        else [json.loads(line) for line in open(sys.argv[2])])\n"
        "for row in rows:\n"
        "    for k, v in row.items():\n"
        "        if type(v) is not (int if k == 'line' and sys.argv[1] == 'json' else str):\n"
        "            sys.exit(k + ' is ' + repr(v))\n"
        "    print(''.join(f'{k}: {v}\\n' for k, v in row.items()))\n";
    const auto script = scratch() / "to_lines.py";
    std::ofstream(script) << toLines;
    // The same with --numbers, and with --line each row names its line (the first a comment).
    const struct {
        std::string single, batch;
    } options[] = {{"", ""}, {" --numbers", " --numbers --line"}};
    for (const auto& option : options) {
        for (const std::string calculator : {"column", "vapor", "translate"}) {
            std::string expected;
            const auto input = scratch() / (calculator + ".txt");
            std::ofstream batch(input);
            batch << "# a case a line\n";
            int line = 1;
            for (const std::string& words : cases) {
                if (words.rfind(calculator + " ", 0) != 0) continue;
                batch << words.substr(calculator.size() + 1) << "\n";
                const Outcome single = calc(words + option.single);
                ASSERT_EQ(single.status, 0) << words << single.err;
                if (option.batch.ends_with("--line"))
                    expected += "line: " + std::to_string(++line) + "\n";
                expected += single.out + "\n";
            }
            batch.close();
            for (const std::string form : {"csv", "json"}) {
                const auto output = scratch() / (calculator + "." + form);
                const Outcome run = calc(calculator + " --batch --" + form + option.batch + " < '" +
                                         input.string() + "' > '" + output.string() + "'");
                ASSERT_EQ(run.status, 0) << run.err;
                const Outcome parsed = Shell(
                    "python3 '" + script.string() + "' " + form + " '" + output.string() + "'",
                    scratch());
                ASSERT_EQ(parsed.status, 0) << parsed.err;
                EXPECT_EQ(parsed.out, expected) << calculator << " --" << form << option.batch;
            }
        }
    }
}

// Scripts read veltrane-calc's output: it never follows the windows' language.
TEST_F(CalcTest, OutputIsTheSameInEveryLanguage) {
    const std::string locales = VELTRANE_TEST_LOCALES;
    const char* environments[] = {
        "LC_ALL=C.UTF-8 LANGUAGE=en",
        "LC_ALL=ru_RU.UTF-8 LANGUAGE=en",
        "LC_ALL=en_US.UTF-8",
    };
    for (const char* command : {"column --json unit=psi", "vapor", "plot --help", "--help"}) {
        const Outcome c = calc(command, "env LC_ALL=C ");
        for (const char* environment : environments) {
            const Outcome other =
                calc(command, "env LOCPATH='" + locales + "' " + environment + " ");
            EXPECT_EQ(other.out, c.out) << environment << " " << command;
            EXPECT_EQ(other.status, c.status) << environment << " " << command;
        }
        EXPECT_EQ(c.err, "");
    }
}

}  // namespace
}  // namespace veltrane::testing
