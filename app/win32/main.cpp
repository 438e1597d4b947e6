// The Windows program's entry point: the launcher on the native Windows host until it closes.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "app/Launcher.h"
#include "app/Process.h"
#include "data/Translation.h"
#include "ui/win32/Win32.h"
#include "ui/win32/Win32Host.h"
#include "ui/win32/Win32Text.h"

namespace {

constexpr const char* kUsage =
    "usage: veltrane [--lang ru|en]\n"
    "       veltrane --help | --version\n"
    "\n"
    "A calculator for gas chromatography: column pressure and flow, the velocity plot, and\n"
    "solvent vapor volume. Works in the current folder (gases.txt, solvents.txt, liners.txt,\n"
    "flow.cfg, plot.xy).\n"
    "\n"
    "  --lang ru|en  the windows' language; without it, the language of Windows' display\n"
    "  --help        this text\n"
    "  --version     the program's version\n";

// A program with windows has no console of its own: an answer goes to the console it was
// started from, or, started from the desktop, into a message box.
void Answer(const std::string& text, bool error) {
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::FILE* stream = nullptr;
        if (_wfreopen_s(&stream, L"CONOUT$", L"w", error ? stderr : stdout) == 0 && stream) {
            std::fputs(text.c_str(), stream);
            std::fflush(stream);
            return;
        }
    }
    // Under Wine, and with redirected streams, the standard handles are already there.
    if (GetStdHandle(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE) != nullptr &&
        GetFileType(GetStdHandle(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE)) !=
            FILE_TYPE_UNKNOWN) {
        std::fputs(text.c_str(), error ? stderr : stdout);
        std::fflush(error ? stderr : stdout);
        return;
    }
    MessageBoxW(nullptr, veltrane::win32::Wide(text).c_str(), L"Veltrane",
                MB_OK | (error ? MB_ICONEXCLAMATION : MB_ICONINFORMATION));
}

// --help and --version answer alone, whatever else is on the line.
std::optional<int> AnswerQuestion(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            Answer(kUsage, false);
        } else if (argument == "--version") {
            Answer("veltrane " VELTRANE_VERSION "\n", false);
        } else {
            continue;
        }
        return 0;
    }
    return std::nullopt;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const std::vector<std::string> arguments = veltrane::ProgramArguments(0, nullptr);
    if (const auto answered = AnswerQuestion(arguments)) return *answered;
    std::vector<char*> argv{const_cast<char*>("veltrane")};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    const auto language = veltrane::ReadLanguageArgument(argv);
    if (!language.error.empty()) {
        Answer("veltrane: " + language.error +
                   "\nusage: veltrane [--lang ru|en]; see veltrane --help\n",
               true);
        return 2;
    }
    veltrane::win32::Win32Host host(instance);
    veltrane::ChooseLanguage(veltrane::CatalogFolder(host.programFile()), language.language);
    veltrane::Launcher launcher(host);
    launcher.run();
    return 0;
}
