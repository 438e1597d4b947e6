#include "ui/HostActions.h"

namespace veltrane::ui {

std::filesystem::path HelpFileFor(const std::filesystem::path& programFile) {
    std::filesystem::path help = programFile;
    help.replace_extension(".html");
    return help;
}

void ShowHelp(Host& host, const std::string& keyword) {
    const std::filesystem::path program = host.programFile();
    if (!host.openHelp(HelpFileFor(program), keyword)) {
        host.messageBox("Failed to launch help.", program.stem().string(),
                        MessageIcon::Exclamation);
    }
}

void EditList(Host& host, const std::string& fileName) {
    if (!host.startEditor(host.workFolder() / fileName)) {
        host.messageBox("Sorry, Notepad could not be started.", "Veltrane",
                        MessageIcon::Exclamation);
    }
}

}  // namespace veltrane::ui
