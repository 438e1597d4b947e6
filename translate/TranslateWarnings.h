// The method translation's warnings in words: English in both languages, as the printout and
// veltrane-calc give them.
#pragma once

#include <string>
#include <vector>

#include "translate/model/MethodTranslation.h"

namespace veltrane {

std::string WarningText(const TranslationWarning& warning);

// The window's warnings line: every warning, "; " between them.
std::string WarningsLine(const std::vector<TranslationWarning>& warnings);

}  // namespace veltrane
