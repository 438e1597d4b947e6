#include "plot/PlotLabels.h"

#include <cstring>

#include "data/Settings.h"
#include "data/Translation.h"

namespace veltrane {

namespace {

PressureLabels Untranslated(PressureUnit unit, PlotScale scale) {
    const bool full = scale == PlotScale::Full;
    switch (unit) {
        case PressureUnit::KPa:
            return full ? PressureLabels{">0", "517.5", "1035", N_("1 Ед. сетки = 69 KPa")}
                        : PressureLabels{">0", "51.75", "103.5", N_("1 Ед. сетки = 6.9 KPa")};
        case PressureUnit::Psi:
            return full ? PressureLabels{"1", "75", "150", N_("1 Ед. сетки = 10 psi")}
                        : PressureLabels{"0.1", "7.5", "15.0", N_("1 Ед. сетки = 1.0 psi")};
        case PressureUnit::Bar:
            return full ? PressureLabels{">0", "5.175", "10.35", N_("1 Ед. сетки = 0.69 bar")}
                        : PressureLabels{">0", "0.517", "1.035", N_("1 Ед. сетки = 0.069 bar")};
    }
    return {};
}

}  // namespace

PressureLabels LabelsFor(PressureUnit unit, PlotScale scale) {
    PressureLabels labels = Untranslated(unit, scale);
    labels.m_legend = Translate(labels.m_legend);
    return labels;
}

std::optional<PressureUnit> PlotUnit(const PlotData& data) {
    // The unit line is recognised exactly as the settings file's unit line is.
    return RecognizeUnit(data.m_unit);
}

std::string AxisTitle(const PlotData& data) {
    return Translate("Кол. входное давление - ") + data.m_unit;
}

std::string ShownDescription(const std::string& line) {
    for (const char* label : kPlotDescriptionLabels) {
        if (line.starts_with(label)) return Translate(label) + line.substr(std::strlen(label));
    }
    return line;
}

}  // namespace veltrane
