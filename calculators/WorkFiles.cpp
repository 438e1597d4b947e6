#include "calculators/WorkFiles.h"

namespace veltrane::calculators {

SettingsSlots ReadWindowSettings(ui::Host& host) {
    return SettingsFromText(host.readWorkFile(kSettingsFileName));
}

void SaveWindowSettings(ui::Host& host, const std::vector<std::string>& lines) {
    if (!host.writeWorkFile(kSettingsFileName, lines, Durability::Flushed))
        TellCannotWrite(host, kSettingsFileName);
}

void TellCannotWrite(ui::Host& host, const std::string& fileName) {
    host.messageBox("Sorry, can't write file '" + fileName + "'", "Veltrane",
                    ui::MessageIcon::Exclamation);
}

}  // namespace veltrane::calculators
