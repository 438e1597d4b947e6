// A property a fuzz target checks: when it fails, the run stops as on a crash and keeps the input.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace veltrane::fuzz {

inline void Check(bool held) {
    if (!held) __builtin_trap();
}

// Stops the run as a failed Check does, first saying what was done and seen, so that the
// finding reads as a case a person can repeat.
[[noreturn]] inline void Fail(const std::string& what) {
    std::fprintf(stderr, "\n== fuzz check failed: %s\n", what.c_str());
    __builtin_trap();
}

// The checks are left out of the fuzzer's coverage: their comparisons over every shown text are
// no progress into the program, and would cost most of each run.
#define FUZZ_CHECKER __attribute__((no_sanitize("coverage")))

// Whether a shown text holds a figure that is not finite, as printf writes one: "inf", "-inf",
// "nan", "-nan", "INF", "nan(0x8)", in any case, as a word of its own. Letters joined to it make
// another word ("infinite" for a carrier that does not flow, a name such as "Nonane").
FUZZ_CHECKER inline bool ShowsNonFinite(std::string_view text) {
    std::size_t k = 0;
    while (k < text.size()) {
        const std::size_t start = k;
        char word[9] = {};  // the word's letters in lower case, as far as they fit
        for (; k < text.size(); ++k) {
            const char lower = static_cast<char>(text[k] | 0x20);
            if (lower < 'a' || lower > 'z') break;
            if (k - start < 8) word[k - start] = lower;
        }
        if (k == start) {
            ++k;
            continue;
        }
        const std::string_view letters(word, k - start < 9 ? k - start : 9);
        if (letters == "inf" || letters == "nan" || letters == "infinity") return true;
    }
    return false;
}

}  // namespace veltrane::fuzz
