// The forms veltrane-calc prints a window's figures in: NAME: VALUE lines, JSON, CSV.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "app/calc/Calculators.h"
#include "plot/PlotFile.h"

namespace veltrane::calc {

enum class Form { Lines, Json, Csv };

struct Printing {
    Form form = Form::Lines;
    bool bareNumbers = false;  // --numbers: "0.719 minutes" printed as 0.719
    bool lineNumbers = false;  // --line: a batch row begins with the input line it answers
};

// One case as printing asks, ending with a line break; line is the input line it answers.
// Lines gives one line per output; Json one object on one line (so a batch is JSON Lines),
// every figure a string and the line a number; Csv one row of the values.
std::string Formatted(const Output& output, const Printing& printing, std::size_t line = 0);

// A case's rows as printing asks; each begins with the case's number when one is given (from
// 1: a calculator of many rows a case, among many cases).
std::string FormattedRows(const std::vector<Output>& rows, const Printing& printing,
                          std::size_t line, std::size_t caseNumber);

// What precedes the cases: the CSV header row of the output names (with "case" first for a
// calculator of many rows a case, when there are many cases); nothing for the others.
std::string Heading(const Calculator& calculator, const Printing& printing, bool manyCases = false);

// plot.xy as CSV (a header row, then a row a point, as written) or as one JSON object (the
// description lines without their labels, then the points, JSON numbers as written).
// Nothing when a point is not written as a JSON number.
std::optional<std::string> PlotFormatted(const PlotFileText& plot, Form form);

}  // namespace veltrane::calc
