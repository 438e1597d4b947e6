// Turning texts into numbers and numbers into texts by the C rules, whatever the user's locale.
#pragma once

#include <string>
#include <string_view>

namespace veltrane {

// The atof rule: leading blanks skipped, the longest leading decimal number (sign, digits,
// point, exponent) taken, 0 when there is none. Never hex, "inf" or "nan".
double ReadNumber(std::string_view text);

// A decimal number as a person types it: a Russian analyst writes the decimal comma by habit,
// so a text holding exactly one comma and no point has its comma read as the point. Every
// other text is returned as it is.
std::string WithDecimalPoint(std::string_view text);

// The atof rule on what a person typed or edited by hand (fields, list files, veltrane-calc
// values): ReadNumber(WithDecimalPoint(text)). The program's own files and texts, which are
// always written with the point, are read with ReadNumber.
double ReadTypedNumber(std::string_view text);

// The atoi rule: leading blanks skipped, an optional sign and the digits after it, 0 when
// there are none. A number beyond the range of int is held at the nearest end.
int ReadInteger(std::string_view text);

// printf with one argument, always with "." as the decimal point.
std::string FormatNumber(const char* printfFormat, double value);
std::string FormatNumber(const char* printfFormat, int value);

}  // namespace veltrane
