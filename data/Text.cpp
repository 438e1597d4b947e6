#include "data/Text.h"

#include <cstdio>

namespace veltrane {
namespace {

using Decoded = DecodedChar;

Decoded DecodeFront(std::string_view bytes) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead < 0x80) return {lead, 1, true};
    std::size_t length = 0;
    char32_t codePoint = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        minimum = 0x10000;
    } else {
        return {0xFFFD, 1, false};
    }
    if (bytes.size() < length) return {0xFFFD, 1, false};
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[i]);
        if ((next & 0xC0) != 0x80) return {0xFFFD, 1, false};
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return {0xFFFD, 1, false};
    }
    return {codePoint, length, true};
}

char32_t FoldCase(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 0x20;
    if (c >= 0x0410 && c <= 0x042F) return c + 0x20;  // А..Я
    if (c >= 0x0400 && c <= 0x040F) return c + 0x50;  // Ѐ..Џ, Ё among them
    return c;
}

}  // namespace

DecodedChar DecodeUtf8Front(std::string_view bytes) {
    return DecodeFront(bytes);
}

bool IsValidUtf8(std::string_view bytes) {
    while (!bytes.empty()) {
        const Decoded d = DecodeFront(bytes);
        if (!d.valid) return false;
        bytes.remove_prefix(d.length);
    }
    return true;
}

std::string EscapedForMessage(std::string_view bytes) {
    std::string text;
    while (!bytes.empty()) {
        const Decoded d = DecodeFront(bytes);
        if (d.valid && d.codePoint >= 0x20 && d.codePoint != 0x7F) {
            text += bytes.substr(0, d.length);
        } else {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(bytes[0]));
            text += escape;
        }
        bytes.remove_prefix(d.length);
    }
    return text;
}

std::size_t CharCount(std::string_view utf8) {
    std::size_t count = 0;
    while (!utf8.empty()) {
        utf8.remove_prefix(DecodeFront(utf8).length);
        ++count;
    }
    return count;
}

std::string FirstChars(std::string_view utf8, std::size_t n) {
    std::size_t bytes = 0;
    for (std::size_t count = 0; count < n && bytes < utf8.size(); ++count) {
        bytes += DecodeFront(utf8.substr(bytes)).length;
    }
    return std::string(utf8.substr(0, bytes));
}

std::string Joined(const std::vector<std::string>& parts, std::string_view between) {
    std::string joined;
    for (const std::string& part : parts) joined.append(joined.empty() ? "" : between).append(part);
    return joined;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    while (!prefix.empty()) {
        if (text.empty()) return false;
        const Decoded p = DecodeFront(prefix);
        const Decoded t = DecodeFront(text);
        if (p.valid != t.valid) return false;
        if (p.valid ? FoldCase(p.codePoint) != FoldCase(t.codePoint) : prefix[0] != text[0]) {
            return false;
        }
        prefix.remove_prefix(p.length);
        text.remove_prefix(t.length);
    }
    return true;
}

}  // namespace veltrane
