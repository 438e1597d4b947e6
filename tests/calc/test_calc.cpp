// veltrane-calc run as a user would: figures as the windows show them, errors, files untouched.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "column/ColumnCalculator.h"
#include "column/ColumnIds.h"
#include "resources/ResourceIds.h"
#include "tests/support/FakeHost.h"
#include "tests/support/WindowFiles.h"

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
        CopyShippedLists(host.workFolder());
        host.writeFile("flow.cfg",
                       SettingsFileText("KPa", "atm", "Helium", "n-Hexane", "4 mm ID single"));
    }

    Outcome calc(const std::string& arguments) {
        return Shell(std::string("'") + VELTRANE_CALC + "' " + arguments + " --dir '" +
                         host.workFolder().string() + "'",
                     scratch());
    }

    std::filesystem::path scratch() {
        auto folder =
            host.workFolder().parent_path() / (host.workFolder().filename().string() + "-io");
        std::filesystem::create_directories(folder);
        return folder;
    }

    FakeHost host;  // only for its scratch folder and, below, to open the same window
};

TEST_F(CalcTest, TheDefaultColumnFiguresAreTheWindowsOwn) {
    const Outcome run = calc("column");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "gas: Helium\nlength: 30.0\ndiameter: 0.320\ntemperature: 100\ninlet: 68.9\n"
              "inlet-mark: \nflow: 1.65\nflow-mark: \nvelocity: 31.2\noutlet: 101.1\nunit: KPa\n"
              "outlet-mode: atm\nholdup: 1.60 minutes\nvent: 0.0 \nratio: \n"
              "inlet-temperature: 175\ninlet-flow: 1.61\nband-low: 20\nband-high: 40\n");
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
        "command -v python3 >/dev/null && python3 -c 'import json,sys; "
        "[print(k + \": \" + v) for k, v in json.load(open(sys.argv[1])).items()]' '" +
            jsonFile.string() + "'",
        scratch());
    if (parsed.status != 0) GTEST_SKIP() << "no python3 to parse the JSON with";
    EXPECT_EQ(parsed.out, plain.out);
}

TEST_F(CalcTest, PlotWritesPlotXyAndPrintsItAsUtf8) {
    const Outcome run = calc("plot unit=psi");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_THAT(run.out, StartsWith("вд(mm) = 0.320\nТемп(C) = 100\nДлина (m) = 30.0\n"
                                    "Давл.вых. = 14.7\npsi\n  Г-Н   = Helium\n20\n40\n1.0   "));
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 158);
    EXPECT_THAT(host.readFile("plot.xy"), StartsWith("\xE2\xE4(mm) = 0.320\r\n"));
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
        "plot --json",             // plot prints the file, not figures
        "vapor flow-ratio",        // a column button
    };
    for (const char* mistake : mistakes) {
        const Outcome run = calc(mistake);
        EXPECT_EQ(run.status, 2) << mistake;
        EXPECT_EQ(run.out, "") << mistake;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << mistake << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(host.workFolder() / "plot.xy"));
}

TEST_F(CalcTest, TheSettingsFileIsNeverWritten) {
    const std::string before = host.readFile("flow.cfg");
    ASSERT_EQ(calc("column unit=bar outlet-mode=oth gas=hydro").status, 0);
    ASSERT_EQ(calc("vapor unit=psi solvent=tolu").status, 0);
    EXPECT_EQ(host.readFile("flow.cfg"), before);
}

TEST_F(CalcTest, AMissingSettingsFileIsANoticeAndTheRunGoesOn) {
    std::filesystem::remove(host.workFolder() / "flow.cfg");
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

}  // namespace
}  // namespace veltrane::testing
