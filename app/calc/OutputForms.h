// The forms veltrane-calc prints a window's figures in: NAME: VALUE lines, JSON, CSV.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "app/calc/Calculators.h"
#include "plot/PlotFile.h"

namespace veltrane::calc {

enum class Form { Lines, Json, Csv };

struct Printing {
    Form form = Form::Lines;
    bool bareNumbers = false;  // --numbers: each figure that is a number printed as the number
    bool lineNumbers = false;  // --line: a batch row begins with the input line it answers
};

// The number a figure shows, its digits as shown, when the figure is a decimal number with
// blanks around it or one of the units the windows write ("minutes", "ul", "%") after it:
// "0.719 minutes" 0.719, "372%" 372, " 5." 5., "0.0 " 0.0. Any other figure as it is:
// "infinite", "n/a", "2 mm ID straight", "15,5".
std::string_view BareNumber(std::string_view figure);

// One case as printing asks, ending with a line break; line is the input line it answers.
// Lines gives one line per output; Json one object on one line (so a batch is JSON Lines),
// every figure a string and the line a number; Csv one row of the values.
std::string Formatted(const Output& output, const Printing& printing, std::size_t line = 0);

// What precedes the cases: the CSV header row of the output names; nothing for the others.
std::string Heading(const Calculator& calculator, const Printing& printing);

// plot.xy as CSV (a header row, then a row a point, as written) or as one JSON object (the
// description lines without their labels, then the points, JSON numbers as written).
// Nothing when a point is not written as a JSON number.
std::optional<std::string> PlotFormatted(const PlotFileText& plot, Form form);

}  // namespace veltrane::calc
