// The program's entry point: a Qt application running the launcher until it closes.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>

#include "app/Launcher.h"
#include "data/Translation.h"
#include "ui/qt/AppSetup.h"
#include "ui/qt/QtHost.h"

namespace {

bool Set(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Qt aborts when its platform cannot start; without any display we say so and stop instead.
bool HasDisplay() {
    return Set("DISPLAY") || Set("WAYLAND_DISPLAY") || Set("QT_QPA_PLATFORM");
}

constexpr const char* kUsage =
    "usage: veltrane [--lang ru|en]\n"
    "       veltrane --help | --version\n"
    "\n"
    "A calculator for gas chromatography: column pressure and flow, the velocity plot, and\n"
    "solvent vapor volume. Works in the current folder (gases.txt, solvents.txt, liners.txt,\n"
    "flow.cfg, plot.xy).\n"
    "\n"
    "  --lang ru|en  the windows' language; without it, the locale's (LANGUAGE, LC_ALL,\n"
    "                LC_MESSAGES, LANG)\n"
    "  --help        this text\n"
    "  --version     the program's version\n";

// --help and --version answer alone, whatever else is on the line.
std::optional<int> AnswerQuestion(std::span<char* const> arguments) {
    for (std::size_t k = 1; k < arguments.size(); ++k) {
        const std::string_view argument = arguments[k] ? arguments[k] : "";
        if (argument == "--help" || argument == "-h") {
            std::fputs(kUsage, stdout);
        } else if (argument == "--version") {
            std::puts("veltrane " VELTRANE_VERSION);
        } else {
            continue;
        }
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    if (const auto answered = AnswerQuestion(std::span(argv, argc))) return *answered;
    const auto language = veltrane::ReadLanguageArgument(std::span(argv, argc));
    if (!language.error.empty()) {
        std::fprintf(stderr, "veltrane: %s\nusage: veltrane [--lang ru|en]; see veltrane --help\n",
                     language.error.c_str());
        return 2;
    }
    if (!HasDisplay()) {
        std::fputs("veltrane: no display available\n", stderr);
        return 1;
    }
    // Our own arguments are read above: Qt sees the program name only.
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    veltrane::qt::SetUpApplication();

    veltrane::qt::QtHost host;
    veltrane::ChooseLanguage(veltrane::CatalogFolder(host.programFile()), language.language);
    veltrane::Launcher launcher(host);
    launcher.run();
    return 0;
}
