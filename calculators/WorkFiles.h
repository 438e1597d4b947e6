// The calculator windows' own files in the work folder: flow.cfg as the host serves it, and
// what the person is told when a file cannot be written.
#pragma once

#include <string>
#include <vector>

#include "data/Settings.h"
#include "ui/Host.h"

namespace veltrane::calculators {

SettingsSlots ReadWindowSettings(ui::Host& host);

// Saves the window's flow.cfg lines on OK; a save that fails is told (the window closes all the
// same, and the person learns that the choices were not kept).
void SaveWindowSettings(ui::Host& host, const std::vector<std::string>& lines);

// "Sorry, can't write file 'flow.cfg'" and the like, as a failure.
void TellCannotWrite(ui::Host& host, const std::string& fileName);

}  // namespace veltrane::calculators
