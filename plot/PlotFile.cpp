#include "plot/PlotFile.h"

#include <cctype>
#include <cmath>

#include "data/Numbers.h"
#include "data/Text.h"
#include "data/TextFile.h"

namespace veltrane {

namespace {

constexpr std::size_t kControlTextLimit = 39;

double Number(const std::string& text) {
    return ReadTypedNumber(FirstChars(text, kControlTextLimit));
}

// True when the token starts as a decimal number does, as a C scanf of a double would accept
// it (but never hex, inf or nan).
bool StartsWithNumber(std::string_view token) {
    std::size_t i = 0;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) ++i;
    if (i < token.size() && token[i] == '.') ++i;
    return i < token.size() && std::isdigit(static_cast<unsigned char>(token[i]));
}

// The point tokens after the description lines: whitespace-separated, up to the first token
// that is not a number and at most two per point.
std::vector<std::string> PointTokens(const std::vector<std::string>& lines, std::size_t first) {
    std::vector<std::string> tokens;
    for (std::size_t k = first; k < lines.size(); ++k) {
        const std::string& text = lines[k];
        std::size_t i = 0;
        while (i < text.size()) {
            if (std::isspace(static_cast<unsigned char>(text[i]))) {
                ++i;
                continue;
            }
            std::size_t end = i;
            while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end]))) ++end;
            const std::string_view token(text.data() + i, end - i);
            if (!StartsWithNumber(token)) return tokens;
            tokens.emplace_back(token);
            if (tokens.size() == 2 * kPlotMaxPoints) return tokens;
            i = end;
        }
    }
    return tokens;
}

}  // namespace

std::vector<std::string> PlotFileLines(const CurveInputs& in) {
    std::vector<std::string> lines{
        kPlotDescriptionLabels[0] + FirstChars(in.m_diameterText, kControlTextLimit),
        kPlotDescriptionLabels[1] + FirstChars(in.m_temperatureText, kControlTextLimit),
        kPlotDescriptionLabels[2] + FirstChars(in.m_lengthText, kControlTextLimit),
        kPlotDescriptionLabels[3] + FirstChars(in.m_outletText, kControlTextLimit),
        std::string(UnitKeyword(in.m_unit)),
        kPlotDescriptionLabels[4] + FirstChars(in.m_gasText, kControlTextLimit),
        FirstChars(in.m_optimumLowText, kPlotLimitLimit),
        FirstChars(in.m_optimumHighText, kPlotLimitLimit),
    };
    const double outletPsi = in.m_outletMode == OutletMode::Atm
                                 ? kAtmospherePsi
                                 : AbsoluteToPsi(Number(in.m_outletText), in.m_unit);
    ColumnConditions c{Number(in.m_lengthText),
                       Number(in.m_diameterText),
                       Number(in.m_temperatureText),
                       0,
                       outletPsi,
                       in.m_viscosity};
    for (double p = 1.0; p <= 150.0; p += 1.0) {
        c.m_inletPsiGauge = p;
        lines.push_back(FormatNumber("%-4.1f", p) + "  " +
                        FormatNumber("%-4.1f", AverageVelocity(c)));
    }
    return lines;
}

PlotFileText ReadPlotFileText(std::string_view text) {
    const TextLines file = SplitLines(text);
    const std::vector<std::string>& lines = file.m_lines;
    PlotFileText read;
    for (std::size_t k = 0; k < kPlotDescriptionLines; ++k)
        read.m_description.push_back(k < lines.size() ? lines[k] : "");
    const std::vector<std::string> tokens = PointTokens(lines, kPlotDescriptionLines);
    for (std::size_t k = 0; k + 1 < tokens.size(); k += 2)
        read.m_points.emplace_back(tokens[k], tokens[k + 1]);
    return read;
}

PlotData PlotDataFromText(std::string_view text) {
    const PlotFileText file = ReadPlotFileText(text);
    const std::vector<std::string>& lines = file.m_description;

    PlotData data;
    std::string* texts[] = {&data.m_diameter, &data.m_temperature, &data.m_length,
                            &data.m_outlet,   &data.m_unit,        &data.m_gas};
    for (std::size_t k = 0; k < 6; ++k) *texts[k] = FirstChars(lines[k], kPlotLineLimit);
    data.m_optimumLow = ReadInteger(FirstChars(lines[6], kPlotLimitLimit));
    data.m_optimumHigh = ReadInteger(FirstChars(lines[7], kPlotLimitLimit));

    // The window reads whole numbers, each truncated toward zero.
    for (const auto& [pressure, velocity] : file.m_points)
        data.m_points.push_back(
            {std::trunc(ReadNumber(pressure)), std::trunc(ReadNumber(velocity))});
    return data;
}

}  // namespace veltrane
