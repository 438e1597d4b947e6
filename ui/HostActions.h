// The host calls every window makes the same way: help at a keyword, the editor on a list.
#pragma once

#include <filesystem>
#include <string>

#include "ui/Host.h"

namespace veltrane::ui {

// The help file is the program file with ".html" in place of its extension; in another language
// than Russian, "-<language>.html" ("veltrane-en.html").
std::filesystem::path HelpFileFor(const std::filesystem::path& programFile,
                                  const std::string& language = "");

// Opens help, in the language of the windows, at a keyword ("" for the contents); tells the user
// when no viewer takes it, even when that is known only after the asking window has closed.
void ShowHelp(Host& host, const std::string& keyword);

// Starts the text editor on a list file of the working folder, without waiting for it; tells
// the user when the editor cannot be started.
void EditList(Host& host, const std::string& fileName);

}  // namespace veltrane::ui
