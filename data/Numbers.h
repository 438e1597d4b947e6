// Turning texts into numbers and numbers into texts by the C rules, whatever the user's locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace veltrane {

// The two rules by which a text is a number; neither takes hex, "inf" or "nan", and a number
// too large for a double reads as the largest finite one of its sign.
//
// The field rule (the atof rule), for fields, list files, flow.cfg and veltrane-calc values:
// leading blanks skipped, the longest leading decimal number (sign, digits, point, exponent)
// taken, 0 when there is none.
double ReadNumber(std::string_view text);

// A decimal number as a person types it: a Russian analyst writes the decimal comma by habit,
// so a text holding exactly one comma and no point has its comma read as the point. Every
// other text is returned as it is.
std::string WithDecimalPoint(std::string_view text);

// The atof rule on what a person typed or edited by hand (fields, list files, veltrane-calc
// values): ReadNumber(WithDecimalPoint(text)). The program's own files and texts, which are
// always written with the point, are read with ReadNumber.
double ReadTypedNumber(std::string_view text);

// The whole-text rule, for sweep bounds and translate.cfg values: the whole text one decimal
// number (a lone decimal comma read as the point, see WithDecimalPoint), with nothing before or
// after it; nothing otherwise, and the caller takes its default.
std::optional<double> ReadWholeNumber(std::string_view text);

// The atoi rule: leading blanks skipped, an optional sign and the digits after it, 0 when
// there are none. A number beyond the range of int is held at the nearest end.
int ReadInteger(std::string_view text);

// What a figure shows when it could not be computed.
inline constexpr const char* kNotAvailable = "n/a";

// printf with one argument, always with "." as the decimal point. A value that is not finite
// (printf would write inf or nan) is kNotAvailable.
std::string FormatNumber(const char* printfFormat, double value);
std::string FormatNumber(const char* printfFormat, int value);

}  // namespace veltrane
