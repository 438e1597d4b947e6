// A property a fuzz target checks: when it fails, the run stops as on a crash and keeps the input.
#pragma once

namespace veltrane::fuzz {

inline void Check(bool held) {
    if (!held) __builtin_trap();
}

}  // namespace veltrane::fuzz
