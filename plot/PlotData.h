// The plot window's copy of plot.xy: the description lines, the optimum band and the points.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "data/Translation.h"

namespace veltrane {

// Inlet pressure (psi gauge) and average velocity (cm/s), both read back as whole numbers.
struct PlotPoint {
    double m_pressure = 0;
    double m_velocity = 0;
};

struct PlotData {
    std::string m_diameter;     // "вд(mm) = 0.320"
    std::string m_temperature;  // "Темп(C) = 100"
    std::string m_length;       // "Длина (m) = 30.0"
    std::string m_outlet;       // "Давл.вых. = 101.1"
    std::string m_unit;         // "KPa", "psi" or "bar"
    std::string m_gas;          // "  Г-Н   = Helium"
    int m_optimumLow = 0;       // cm/s
    int m_optimumHigh = 0;      // cm/s
    std::vector<PlotPoint> m_points;
};

inline constexpr const char* kPlotFileName = "plot.xy";
inline constexpr std::size_t kPlotDescriptionLines = 8;  // before the points
// The labels that begin the description lines: diameter, temperature, length, outlet, gas.
inline constexpr const char* kPlotDescriptionLabels[] = {
    N_("вд(mm) = "), N_("Темп(C) = "), N_("Длина (m) = "), N_("Давл.вых. = "), N_("  Г-Н   = ")};
inline constexpr std::size_t kPlotLineLimit = 24;  // characters kept of a description line
inline constexpr std::size_t kPlotLimitLimit = 9;  // characters kept of a band limit line
inline constexpr std::size_t kPlotMaxPoints = 160;

// Which part of the pressure axis the window shows.
enum class PlotScale { Full, Tenth };

}  // namespace veltrane
