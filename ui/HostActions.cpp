#include "ui/HostActions.h"

#include "data/Translation.h"

namespace veltrane::ui {

std::filesystem::path HelpFileFor(const std::filesystem::path& programFile,
                                  const std::string& language) {
    std::filesystem::path help = programFile;
    help.replace_extension(".html");
    if (!language.empty())
        help.replace_filename(programFile.stem().string() + "-" + language + ".html");
    return help;
}

// The host outlives every window, so a report that arrives after the asking window has
// closed still has somewhere to go.
void ShowHelp(Host& host, const std::string& keyword) {
    const std::filesystem::path program = host.programFile();
    host.openHelp(HelpFileFor(program, TextLanguage()), keyword,
                  [&host, caption = program.stem().string()] {
                      host.messageBox("Failed to launch help.", caption, MessageIcon::Exclamation);
                  });
}

void EditList(Host& host, const std::string& fileName) {
    host.startEditor(host.workFolder() / fileName, [&host] {
        host.messageBox("Sorry, Notepad could not be started.", "Veltrane",
                        MessageIcon::Exclamation);
    });
}

}  // namespace veltrane::ui
