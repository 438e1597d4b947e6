#include "app/calc/OutputForms.h"

#include <cstdio>
#include <string_view>

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

}  // namespace

std::string Formatted(const Output& output, Form form) {
    std::string text;
    for (std::size_t k = 0; k < output.size(); ++k) {
        const auto& [name, value] = output[k];
        switch (form) {
            case Form::Lines:
                text += name + ": " + value + "\n";
                break;
            case Form::Json:
                text += k ? ", " : "{";
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
    if (form == Form::Json) text += output.empty() ? "{}" : "}";
    if (form != Form::Lines) text += '\n';
    return text;
}

std::string Heading(const Calculator& calculator, Form form) {
    if (form != Form::Csv) return {};
    std::string row;
    for (const auto& [name, read] : calculator.outputs) {
        if (!row.empty()) row += ',';
        AppendCsvField(row, name);
    }
    return row + '\n';
}

}  // namespace veltrane::calc
