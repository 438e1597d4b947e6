// The calculator windows' own files in the work folder: flow.cfg as the host serves it, and
// what the person is told when a file cannot be written.
#pragma once

#include <string>

#include "data/Settings.h"
#include "ui/Host.h"

namespace veltrane::calculators {

SettingsSlots ReadWindowSettings(ui::Host& host);

// "Sorry, can't write file 'flow.cfg'" and the like, as a failure.
void TellCannotWrite(ui::Host& host, const std::string& fileName);

}  // namespace veltrane::calculators
