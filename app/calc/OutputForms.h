// The forms veltrane-calc prints a window's figures in: NAME: VALUE lines, JSON, CSV.
#pragma once

#include <string>

#include "app/calc/Calculators.h"

namespace veltrane::calc {

enum class Form { Lines, Json, Csv };

// One case in the form asked for, ending with a line break. Lines gives one line per output;
// Json one object on one line (so a batch is JSON Lines); Csv one row of the values.
std::string Formatted(const Output& output, Form form);

// What precedes the cases: the CSV header row of the output names; nothing for the others.
std::string Heading(const Calculator& calculator, Form form);

}  // namespace veltrane::calc
