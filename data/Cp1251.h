// Converting between the program's UTF-8 strings and the Windows Cyrillic code page 1251 of its
// files.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace veltrane {

// Every byte becomes its character; the one byte the code page leaves unassigned becomes "?".
std::string Cp1251ToUtf8(std::string_view bytes);

// A character the code page cannot hold, or a malformed byte, becomes "?".
std::string Utf8ToCp1251(std::string_view utf8);

// The text in the code page, or nothing when any character does not fit or a byte is malformed.
std::optional<std::string> Utf8ToCp1251Exactly(std::string_view utf8);

}  // namespace veltrane
