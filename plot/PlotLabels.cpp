#include "plot/PlotLabels.h"

#include "data/Settings.h"

namespace veltrane {

PressureLabels LabelsFor(PressureUnit unit, PlotScale scale) {
    const bool full = scale == PlotScale::Full;
    switch (unit) {
        case PressureUnit::KPa:
            return full ? PressureLabels{">0", "517.5", "1035", "1 Ед. сетки = 69 KPa"}
                        : PressureLabels{">0", "51.75", "103.5", "1 Ед. сетки = 6.9 KPa"};
        case PressureUnit::Psi:
            return full ? PressureLabels{"1", "75", "150", "1 Ед. сетки = 10 psi"}
                        : PressureLabels{"0.1", "7.5", "15.0", "1 Ед. сетки = 1.0 psi"};
        case PressureUnit::Bar:
            return full ? PressureLabels{">0", "5.175", "10.35", "1 Ед. сетки = 0.69 bar"}
                        : PressureLabels{">0", "0.517", "1.035", "1 Ед. сетки = 0.069 bar"};
    }
    return {};
}

std::optional<PressureUnit> PlotUnit(const PlotData& data) {
    // The unit line is recognised exactly as the settings file's unit line is.
    return RecognizeUnit(data.m_unit);
}

std::string AxisTitle(const PlotData& data) {
    return "Кол. входное давление - " + data.m_unit;
}

}  // namespace veltrane
