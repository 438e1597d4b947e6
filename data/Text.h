// Counting, cutting and comparing UTF-8 texts by characters rather than bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace veltrane {

// The character at the front of UTF-8 bytes, which must not be empty: a byte that is not part
// of a well-formed sequence (overlong, a surrogate, cut short) is one invalid character.
struct DecodedChar {
    char32_t codePoint;
    std::size_t length;
    bool valid;
};
DecodedChar DecodeUtf8Front(std::string_view bytes);

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view bytes);

// The text safe to show on one line of a terminal: each byte that is not part of a
// well-formed sequence, and each ASCII control character, written as \xNN ("caf\xE9").
std::string EscapedForMessage(std::string_view bytes);

// The number of characters; a byte that is not part of a well-formed sequence counts as one.
std::size_t CharCount(std::string_view utf8);

// The first n characters, never splitting a character.
std::string FirstChars(std::string_view utf8, std::size_t n);

// Texts joined with a separator between them: "A / B, C / D".
std::string Joined(const std::vector<std::string>& parts, std::string_view between);

// Whether text begins with prefix, with Latin and Cyrillic letters compared regardless of
// case; other characters must match exactly. An empty prefix begins every text.
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);

// Whether two words are the same but for case, as a keyword is matched when a person types it
// (kpa, PSI, Vac).
inline bool SameWordIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && StartsWithIgnoringCase(a, b);
}

}  // namespace veltrane
