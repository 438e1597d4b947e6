// veltrane-calc's batches against separate calls: cases a second through the built program.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/WindowFiles.h"

extern char** environ;

namespace {

constexpr int kBatchCases = 100'000;
constexpr int kSeparateCalls = 200;

// Runs veltrane-calc with stdin from a file and stdout to /dev/null; its exit status, or -1.
int RunCalc(std::vector<std::string> arguments, const std::string& input) {
    arguments.insert(arguments.begin(), VELTRANE_CALC);
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, input.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, VELTRANE_CALC, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

double Seconds(const std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Cases a second of one batch of `cases`, and of separate calls with the first case's steps.
bool Measure(const char* title, const std::string& calculator, const std::string& folder,
             const std::vector<std::string>& cases) {
    const std::string input = folder + "/" + calculator + "-cases.txt";
    std::ofstream(input) << [&] {
        std::string text;
        for (const std::string& line : cases) text += line + "\n";
        return text;
    }();
    auto start = std::chrono::steady_clock::now();
    if (RunCalc({calculator, "--batch", "--dir", folder}, input) != 0) {
        std::fprintf(stderr, "%s: the batch failed\n", title);
        return false;
    }
    const double batchRate = double(cases.size()) / Seconds(start);

    start = std::chrono::steady_clock::now();
    for (int k = 0; k < kSeparateCalls; ++k) {
        if (RunCalc({calculator, cases[k % cases.size()], "--dir", folder}, "/dev/null") != 0) {
            std::fprintf(stderr, "%s: a separate call failed\n", title);
            return false;
        }
    }
    const double callRate = kSeparateCalls / Seconds(start);
    std::printf("%-44s %9.0f cases/s in a batch, %6.0f/s as separate calls: %5.0fx\n", title,
                batchRate, callRate, batchRate / callRate);
    return true;
}

}  // namespace

int main() {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("bench-calc-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    veltrane::testing::CopyShippedLists(folder);
    // An Other outlet, so the velocity typed is solved by search.
    std::ofstream(folder / "flow.cfg", std::ios::binary)
        << veltrane::testing::SettingsFileText("KPa", "oth", "Helium", "Water", "4 mm");

    std::vector<std::string> column, vapor, translate;
    for (int k = 0; k < kBatchCases; ++k) {
        column.push_back("velocity=" + std::to_string(15 + k % 60) +
                         " length=" + std::to_string(10 + k % 50));
        vapor.push_back("volume=" + std::to_string(1 + k % 5) +
                        " temperature=" + std::to_string(150 + k % 150));
        translate.push_back("new-velocity=" + std::to_string(20 + k % 40) +
                            " new-length=" + std::to_string(10 + k % 20));
    }
    const bool measured =
        Measure("column, Other outlet, velocity and length", "column", folder, column) &&
        Measure("vapor, volume and temperature", "vapor", folder, vapor) &&
        Measure("translate, new velocity and length", "translate", folder, translate);
    std::filesystem::remove_all(folder);
    return measured ? 0 : 1;
}
