#include "data/Numbers.h"

#include <cerrno>
#include <cfloat>
#include <charconv>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdio>

namespace veltrane {
namespace {

bool IsBlank(char c) {
    // The "C" locale's isspace, spelled out so that the user's locale cannot widen it.
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SkipBlanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    return i;
}

// Runs printf and puts the point back where the C runtime's locale wrote its own decimal
// point, so that a decimal comma of the user's locale never reaches a shown number, on every
// system and whatever the locale (the formats here never group thousands). The formats come
// from the program's own tables of "%.3f"-like texts, never from a person or a file, so printf
// is given one it cannot check here.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
template <typename Value>
std::string FormatWithPoint(const char* printfFormat, Value value) {
    std::string result(64, '\0');
    int length = std::snprintf(result.data(), result.size(), printfFormat, value);
    if (length >= static_cast<int>(result.size())) {
        result.assign(static_cast<std::size_t>(length) + 1, '\0');
        length = std::snprintf(result.data(), result.size(), printfFormat, value);
    }
    result.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    const std::string_view point = std::localeconv()->decimal_point;
    if (!point.empty() && point != ".") {
        const std::size_t at = result.find(point);
        // Put together anew: GCC 12 warns of an overlap that cannot happen in replace().
        if (at != std::string::npos)
            result = result.substr(0, at) + "." + result.substr(at + point.size());
    }
    return result;
}
#pragma GCC diagnostic pop

// The longest decimal number at the start of text after its blanks: its value and where it
// ends (0 when there is none). A number too large for a double is the largest finite one of
// its sign, so that a field's bounds hold it as they hold any large value; one too small is 0.
struct Scanned {
    double value = 0.0;
    std::size_t end = 0;
};

Scanned ScanNumber(std::string_view text) {
    std::size_t i = SkipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t mantissaStart = i;
    // Where the decimal point would sit relative to the first significant digit decides, on
    // overflow, whether the number was huge or tiny.
    long magnitude = 0;
    bool seenSignificant = false;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        if (text[i] != '0') seenSignificant = true;
        if (seenSignificant) ++magnitude;
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            if (text[i] != '0') seenSignificant = true;
            if (!seenSignificant) --magnitude;
            ++i;
            ++digits;
        }
    }
    if (digits == 0) return {};
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            negativeExponent = text[j] == '-';
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            long exponent = 0;
            while (j < text.size() && IsDigit(text[j])) {
                if (exponent < 100000) exponent = exponent * 10 + (text[j] - '0');
                ++j;
            }
            magnitude += negativeExponent ? -exponent : exponent;
            end = j;
        }
    }
    double value = 0.0;
    const char* first = text.data() + mantissaStart;
    const char* last = text.data() + end;
    const auto [ptr, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        value = seenSignificant && magnitude > 0 ? DBL_MAX : 0.0;
    } else if (error != std::errc() || ptr != last) {
        value = 0.0;
    }
    return {negative ? -value : value, end};
}

}  // namespace

double ReadNumber(std::string_view text) {
    return ScanNumber(text).value;
}

std::optional<double> ReadWholeNumber(std::string_view text) {
    const std::string pointed = WithDecimalPoint(text);
    if (pointed.empty() || IsBlank(pointed.front())) return std::nullopt;
    const Scanned number = ScanNumber(pointed);
    if (number.end != pointed.size()) return std::nullopt;
    return number.value;
}

std::string WithDecimalPoint(std::string_view text) {
    std::string result(text);
    const std::size_t comma = result.find(',');
    if (comma != std::string::npos && result.find(',', comma + 1) == std::string::npos &&
        result.find('.') == std::string::npos)
        result[comma] = '.';
    return result;
}

double ReadTypedNumber(std::string_view text) {
    return ReadNumber(WithDecimalPoint(text));
}

int ReadInteger(std::string_view text) {
    std::size_t i = SkipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    while (i < text.size() && IsDigit(text[i])) {
        if (value <= static_cast<long long>(INT_MAX) + 1) value = value * 10 + (text[i] - '0');
        ++i;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

std::string FormatNumber(const char* printfFormat, double value) {
    // printf's inf and nan are not figures a person can use; no window shows them.
    if (!std::isfinite(value)) return kNotAvailable;
    return FormatWithPoint(printfFormat, value);
}

std::string FormatNumber(const char* printfFormat, int value) {
    return FormatWithPoint(printfFormat, value);
}

}  // namespace veltrane
