#include "data/PressureUnit.h"

#include <climits>
#include <cmath>

#include "data/Numbers.h"
#include "data/Text.h"

namespace veltrane {

std::string_view UnitKeyword(PressureUnit unit) {
    switch (unit) {
        case PressureUnit::KPa:
            return "KPa";
        case PressureUnit::Psi:
            return "psi";
        case PressureUnit::Bar:
            return "bar";
    }
    return "KPa";
}

std::optional<PressureUnit> UnitOfKeyword(std::string_view word) {
    for (PressureUnit unit : kPressureUnits)
        if (SameWordIgnoringCase(UnitKeyword(unit), word)) return unit;
    return std::nullopt;
}

double UnitFactor(PressureUnit from, PressureUnit to) {
    using enum PressureUnit;
    if (from == to) return 1.0;
    if (from == Psi) return to == KPa ? 6.895 : 0.06895;
    if (from == Bar) return to == KPa ? 100.0 : 14.504;
    return to == Psi ? 0.145032632 : 0.01;
}

double GaugeToAbsolutePsi(double value, PressureUnit unit) {
    return AbsoluteToPsi(value, unit) + kAtmospherePsi;
}

double AbsoluteToPsi(double value, PressureUnit unit) {
    switch (unit) {
        case PressureUnit::KPa:
            return value * 0.145032632;
        case PressureUnit::Psi:
            return value;
        case PressureUnit::Bar:
            return value * 14.504;
    }
    return value;
}

std::string_view FixedOutletText(OutletMode mode, PressureUnit unit) {
    const bool bar = unit == PressureUnit::Bar;
    switch (mode) {
        case OutletMode::Atm:
            return bar ? "1.011" : unit == PressureUnit::KPa ? "101.1" : "14.7";
        case OutletMode::Vacuum:
            return bar ? "0.000" : "0.0";
        case OutletMode::Other:
            return "";
    }
    return "";
}

PressureScale ScaleFor(CalculatorWindow window, PressureUnit unit) {
    if (window == CalculatorWindow::Column) {
        switch (unit) {
            case PressureUnit::KPa:
                return {10.0, 10, 10350, 518, 1035, 10, 10350, "%#3.1f"};
            case PressureUnit::Psi:
                return {10.0, 10, 1500, 75, 150, 10, 1500, "%#3.1f"};
            case PressureUnit::Bar:
                return {1000.0, 10, 10350, 518, 1035, 10, 10350, "%#3.3f"};
        }
    }
    switch (unit) {
        case PressureUnit::KPa:
            return {1.0, 0, 1035, 52, std::nullopt, 0, 1035, "%#3.0f"};
        case PressureUnit::Psi:
            return {10.0, 0, 1500, 75, std::nullopt, 0, 1500, "%#3.1f"};
        case PressureUnit::Bar:
            return {100.0, 0, 1035, 52, std::nullopt, 0, 1035, "%#3.2f"};
    }
    return {1.0, 0, 1035, 52, std::nullopt, 0, 1035, "%#3.0f"};
}

int NearestPosition(double value, double scale) {
    const double position = std::floor(value * scale + 0.5);
    if (std::isnan(position)) return 0;
    if (position >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (position <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(position);
}

InletLimit HighestInlet(PressureUnit unit) {
    switch (unit) {
        case PressureUnit::KPa:
            return {2068.5, "2068.5"};
        case PressureUnit::Psi:
            return {kHighestInletPsi, "300"};
        case PressureUnit::Bar:
            return {20.685, "20.685"};
    }
    return {2068.5, "2068.5"};
}

std::string FormatPressure(CalculatorWindow window, PressureUnit unit, double value) {
    return FormatNumber(ScaleFor(window, unit).m_format, value);
}

std::optional<UnitChange> ChangeUnit(std::string_view fieldText, PressureUnit inForce,
                                     PressureUnit chosen, CalculatorWindow window) {
    if (inForce == chosen) return std::nullopt;
    const double value = ReadTypedNumber(FirstChars(fieldText, 24)) * UnitFactor(inForce, chosen);
    const PressureScale scale = ScaleFor(window, chosen);
    return UnitChange{value, NearestPosition(value, scale.m_scale),
                      FormatNumber(scale.m_format, value)};
}

}  // namespace veltrane
