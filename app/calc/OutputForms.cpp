#include "app/calc/OutputForms.h"

#include <cstdio>
#include <iterator>
#include <regex>
#include <string_view>

#include "data/Numbers.h"

namespace veltrane::calc {
namespace {

void AppendJsonString(std::string& json, std::string_view text) {
    json += '"';
    for (const char c : text) {
        switch (c) {
            case '"':
                json += "\\\"";
                break;
            case '\\':
                json += "\\\\";
                break;
            case '\n':
                json += "\\n";
                break;
            case '\r':
                json += "\\r";
                break;
            case '\t':
                json += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char buffer[8];
                    std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
                    json += buffer;
                } else {
                    json += c;
                }
        }
    }
    json += '"';
}

// RFC 4180 quoting. A field with a blank at either end is quoted as well: some readers trim
// unquoted fields, and a window text such as the vent flow's "0.0 " must come back whole.
void AppendCsvField(std::string& row, std::string_view field) {
    const bool quoted = field.find_first_of(",\"\r\n") != std::string_view::npos ||
                        (!field.empty() && (field.front() == ' ' || field.back() == ' ' ||
                                            field.front() == '\t' || field.back() == '\t'));
    if (!quoted) {
        row += field;
        return;
    }
    row += '"';
    for (const char c : field) {
        if (c == '"') row += '"';
        row += c;
    }
    row += '"';
}

// The number a figure shows, its digits as shown, when the figure is a decimal number with
// blanks around it or one of the units the windows write ("minutes", "ul", "%") after it:
// "0.719 minutes" 0.719, "372%" 372, " 5." 5., "0.0 " 0.0. Any other figure as it is:
// "infinite", "n/a", "2 mm ID straight", "15,5".
std::string_view BareNumber(std::string_view figure) {
    constexpr std::string_view kBlanks = " \t";
    constexpr std::string_view kUnits[] = {"minutes", "ul", "%"};
    const auto trimmed = [&](std::string_view text) {
        const std::size_t first = text.find_first_not_of(kBlanks);
        if (first == std::string_view::npos) return std::string_view();
        return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
    };
    std::string_view number = trimmed(figure);
    for (const std::string_view unit : kUnits) {
        if (number.ends_with(unit)) {
            number = trimmed(number.substr(0, number.size() - unit.size()));
            break;
        }
    }
    // A decimal comma is not a point here: "15,5" is shown as the window shows it.
    const bool decimal =
        number.find(',') == std::string_view::npos && ReadWholeNumber(number).has_value();
    return decimal ? number : figure;
}

}  // namespace

std::string Formatted(const Output& output, const Printing& printing, std::size_t line) {
    std::string text;
    if (printing.lineNumbers && printing.form == Form::Json)
        text = "{\"line\": " + std::to_string(line);
    if (printing.lineNumbers && printing.form == Form::Csv) text = std::to_string(line) + ',';
    for (std::size_t k = 0; k < output.size(); ++k) {
        const std::string& name = output[k].first;
        const std::string_view value =
            printing.bareNumbers ? BareNumber(output[k].second) : output[k].second;
        switch (printing.form) {
            case Form::Lines:
                text += name + ": ";
                text += value;
                text += '\n';
                break;
            case Form::Json:
                text += text.empty() ? "{" : ", ";
                AppendJsonString(text, name);
                text += ": ";
                AppendJsonString(text, value);
                break;
            case Form::Csv:
                if (k) text += ',';
                AppendCsvField(text, value);
                break;
        }
    }
    if (printing.form == Form::Json) text += text.empty() ? "{}" : "}";
    if (printing.form != Form::Lines) text += '\n';
    return text;
}

std::string FormattedRows(const std::vector<Output>& rows, const Printing& printing,
                          std::size_t line, std::size_t caseNumber) {
    std::string text;
    for (const Output& row : rows) {
        if (caseNumber == 0) {
            text += Formatted(row, printing, line);
            continue;
        }
        Output numbered{{"case", std::to_string(caseNumber)}};
        numbered.insert(numbered.end(), row.begin(), row.end());
        text += Formatted(numbered, printing, line);
    }
    return text;
}

std::string Heading(const Calculator& calculator, const Printing& printing, bool manyCases) {
    if (printing.form != Form::Csv) return {};
    std::vector<std::string> names;
    if (calculator.rows) {
        if (manyCases) names.push_back("case");
        names.insert(names.end(), calculator.rowNames.begin(), calculator.rowNames.end());
    } else {
        for (const auto& [name, read] : calculator.outputs) names.push_back(name);
    }
    std::string row = printing.lineNumbers ? "line" : "";
    for (const std::string& name : names) {
        if (!row.empty()) row += ',';
        AppendCsvField(row, name);
    }
    return row + '\n';
}

std::optional<std::string> PlotFormatted(const PlotFileText& plot, Form form) {
    std::string text;
    if (form == Form::Csv) {
        text = "pressure,velocity\n";
        for (const auto& [pressure, velocity] : plot.m_points) {
            AppendCsvField(text, pressure);
            text += ',';
            AppendCsvField(text, velocity);
            text += '\n';
        }
        return text;
    }
    constexpr const char* kKeys[] = {"diameter", "temperature", "length",   "outlet",
                                     "unit",     "gas",         "band-low", "band-high"};
    static_assert(std::size(kKeys) == kPlotDescriptionLines);
    for (std::size_t k = 0; k < kPlotDescriptionLines; ++k) {
        std::string_view value = plot.m_description[k];
        for (const std::string_view label : kPlotDescriptionLabels) {
            if (value.starts_with(label)) {
                value.remove_prefix(label.size());
                break;
            }
        }
        text += k ? ", " : "{";
        AppendJsonString(text, kKeys[k]);
        text += ": ";
        AppendJsonString(text, value);
    }
    text += ", \"points\": [";
    static const std::regex jsonNumber(R"(-?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?)");
    for (const auto& [pressure, velocity] : plot.m_points) {
        if (!std::regex_match(pressure, jsonNumber) || !std::regex_match(velocity, jsonNumber))
            return std::nullopt;
        if (text.back() != '[') text += ", ";
        text += "[" + pressure + ", " + velocity + "]";
    }
    return text + "]}\n";
}

}  // namespace veltrane::calc
