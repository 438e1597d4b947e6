#include "data/Cp1251.h"

#include <array>

#include "data/Text.h"

namespace veltrane {
namespace {

// The characters of bytes 0x80 to 0xFF; 0 marks 0x98, which the code page leaves unassigned.
// A table of our own rather than the system's converter: one code path on every system, and
// no dependency for a mapping that never changes.
constexpr std::array<char16_t, 128> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  // C0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  // C8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  // D0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  // D8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  // E0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  // E8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  // F0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  // F8
};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The byte of a character, or nothing when the code page cannot hold it.
std::optional<char> ByteOf(char32_t c) {
    if (c < 0x80) return static_cast<char>(c);
    for (std::size_t k = 0; k < kUpperHalf.size(); ++k)
        if (kUpperHalf[k] != 0 && kUpperHalf[k] == c) return static_cast<char>(0x80 + k);
    return std::nullopt;
}

enum class Unconvertible { Mark, Fail };

// A character the code page cannot hold, or a malformed byte, becomes "?" (Mark) or ends the
// conversion (Fail).
std::optional<std::string> ToCp1251(std::string_view utf8, Unconvertible policy) {
    std::string out;
    while (!utf8.empty()) {
        const DecodedChar d = DecodeUtf8Front(utf8);
        const std::optional<char> byte = d.valid ? ByteOf(d.codePoint) : std::nullopt;
        if (!byte && policy == Unconvertible::Fail) return std::nullopt;
        out += byte.value_or('?');
        utf8.remove_prefix(d.length);
    }
    return out;
}

}  // namespace

std::string Cp1251ToUtf8(std::string_view bytes) {
    std::string out;
    for (const char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        const char32_t c = byte < 0x80 ? byte : kUpperHalf[byte - 0x80];
        AppendUtf8(out, byte >= 0x80 && c == 0 ? U'?' : c);
    }
    return out;
}

std::string Utf8ToCp1251(std::string_view utf8) {
    return *ToCp1251(utf8, Unconvertible::Mark);
}

std::optional<std::string> Utf8ToCp1251Exactly(std::string_view utf8) {
    return ToCp1251(utf8, Unconvertible::Fail);
}

}  // namespace veltrane
