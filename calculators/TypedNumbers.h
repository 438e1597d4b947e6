// What leaving a number field does first in every calculator window: a decimal comma becomes
// the point, so that the field shows the number the results are computed from.
#pragma once

#include <string>

#include "data/Numbers.h"
#include "ui/Dialog.h"

namespace veltrane::calculators {

inline void PutDecimalPoint(ui::Dialog& window, int edit) {
    const std::string& typed = window.text(edit);
    std::string pointed = WithDecimalPoint(typed);
    if (pointed != typed) window.setText(edit, pointed);
}

}  // namespace veltrane::calculators
