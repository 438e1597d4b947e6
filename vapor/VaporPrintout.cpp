#include "vapor/VaporPrintout.h"

#include <cmath>

#include "calculators/FiguresPrintout.h"
#include "data/Numbers.h"
#include "data/Text.h"
#include "vapor/VaporIds.h"

namespace veltrane {

using namespace vapor;
using calculators::PrintedUnitLabel;

namespace {

// Drops the zeros that end a number's fraction (before any exponent), keeping the point.
std::string WithoutTrailingZeros(const std::string& text) {
    const std::size_t exponent = text.find('e');
    std::string mantissa = text.substr(0, exponent);
    const std::string rest = exponent == std::string::npos ? "" : text.substr(exponent);
    if (mantissa.find('.') != std::string::npos) {
        while (!mantissa.empty() && mantissa.back() == '0') mantissa.pop_back();
    }
    return mantissa + rest;
}

}  // namespace

std::string PrintedProperty(double value) {
    if (value == 0) return "0.";
    const double magnitude = std::fabs(value);
    const bool fixed = magnitude >= 0.1 && magnitude < 1e7;
    return WithoutTrailingZeros(FormatNumber(fixed ? "%#.7g" : "%#.6e", value));
}

std::vector<std::string> VaporPrintLines(const ui::Dialog& w, const SolventProperties& solvent) {
    auto value = [&](int id, std::size_t limit) { return calculators::PrintedText(w, id, limit); };
    return calculators::FitToPage({
        "Orvanex Pressure/Flow Calculator Version A.02.02",
        "Vapor volume calculations",
        " ",
        value(IDC_SOLVENT_LIST, 39),
        "Boiling pt.(C): " + PrintedProperty(solvent.m_boilingPointC),
        "Density (g/ml): " + PrintedProperty(solvent.m_density),
        "Mol. wt. (amu): " + PrintedProperty(solvent.m_molecularWeight),
        " ",
        "Vapor volume (ul): " + value(IDC_VAPOR_VOLUME, 9),
        "Volume (ul): " + value(IDC_INJECTION, 5),
        "Temp. (C): " + value(IDC_TEMPERATURE, 5),
        "Pressure" + PrintedUnitLabel(w) + value(IDC_PRESSURE, 5),
        "  ",
        "Inlet liner: " + value(IDC_LINER_LIST, 39),
        "Inlet volume (ul): " + value(IDC_LINER_VOLUME, 39),
        "Liner capacity (%): " + value(IDC_CAPACITY, 39),
    });
}

}  // namespace veltrane
