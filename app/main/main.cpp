// The program's entry point: a Qt application running the launcher until it closes.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <span>

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

}  // namespace

int main(int argc, char** argv) {
    const auto language = veltrane::ReadLanguageArgument(std::span(argv, argc));
    if (!language.error.empty()) {
        std::fprintf(stderr, "veltrane: %s\nusage: veltrane [--lang ru|en]\n",
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
