// Pressure units: conversions between them and to the models' units, and how each window shows
// them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "data/CalculatorWindow.h"
#include "data/OutletMode.h"

namespace veltrane {

enum class PressureUnit { KPa, Psi, Bar };

inline constexpr double kAtmospherePsi = 14.696;
inline constexpr double kDynPerSquareCmPerPsi = 68950.0;
inline constexpr double kPsiPerDynPerSquareCm = 1.4503263234227701e-05;

// Every unit, in the order of the windows' radio buttons.
inline constexpr PressureUnit kPressureUnits[] = {PressureUnit::KPa, PressureUnit::Psi,
                                                  PressureUnit::Bar};

// "KPa", "psi" or "bar", as the settings and plot files write them.
std::string_view UnitKeyword(PressureUnit unit);

// The unit whose keyword a word is, in any case: "PSI" is psi.
std::optional<PressureUnit> UnitOfKeyword(std::string_view word);

// The factor that takes a shown pressure from one unit to another; 1 for the same unit. The
// six factors are fixed constants, not derived from one another, so a round trip need not
// give back the number it started from.
double UnitFactor(PressureUnit from, PressureUnit to);

// A shown gauge pressure (above one atmosphere) as absolute psi.
double GaugeToAbsolutePsi(double value, PressureUnit unit);
// A shown absolute pressure as psi; no atmosphere is added.
double AbsoluteToPsi(double value, PressureUnit unit);

inline double PsiToDynPerSquareCm(double psi) {
    return psi * kDynPerSquareCmPerPsi;
}
inline double DynPerSquareCmToPsi(double dyn) {
    return dyn * kPsiPerDynPerSquareCm;
}

// The text the column outlet pressure field shows for one atmosphere or vacuum in a unit;
// empty for Other, whose pressure the user sets.
std::string_view FixedOutletText(OutletMode mode, PressureUnit unit);

// How a window's pressure slider and spin button represent a pressure in a unit:
// position = value × scale.
struct PressureScale {
    double m_scale;
    int m_sliderMin;
    int m_sliderMax;
    int m_tickFrequency;
    std::optional<int> m_pageSize;  // the vapor window keeps the page size it has
    int m_spinMin;
    int m_spinMax;
    const char* m_format;  // printf format of the pressure text
};

PressureScale ScaleFor(CalculatorWindow window, PressureUnit unit);

// The nearest whole position, halves going up: floor(value × scale + 0.5), held within int.
int NearestPosition(double value, double scale);

std::string FormatPressure(CalculatorWindow window, PressureUnit unit, double value);

// The highest gauge inlet pressure a typed field keeps in a unit (300 psi), and the text it is
// replaced by above it. A computed inlet pressure above it is one no inlet can give.
struct InletLimit {
    double m_value;
    const char* m_text;
};
InletLimit HighestInlet(PressureUnit unit);
inline constexpr double kHighestInletPsi = 300;
// What a typical split/splitless inlet holds (gauge psi): a method above it needs a
// high-pressure inlet, which is worth a warning but not a refusal.
inline constexpr double kTypicalInletLimitPsi = 150;

// What a pressure shows after its unit changes.
struct UnitChange {
    double m_value;
    int m_position;
    std::string m_text;
};

// Converts the shown text of a pressure field (its first 24 characters read as a number)
// from the unit in force to the chosen unit. Nothing changes when they are the same unit.
std::optional<UnitChange> ChangeUnit(std::string_view fieldText, PressureUnit inForce,
                                     PressureUnit chosen, CalculatorWindow window);

}  // namespace veltrane
