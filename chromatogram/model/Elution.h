// A compound's way through a column along an oven program: when it elutes and how wide its
// band has grown by then.
#pragma once

#include <optional>
#include <vector>

#include "chromatogram/model/Diffusion.h"
#include "chromatogram/model/Retention.h"
#include "column/model/FlowModel.h"
#include "translate/model/MethodTranslation.h"

namespace veltrane::chromatogram {

enum class InletControl { ConstantPressure, ConstantFlow, PressureProgram };

// The column, its carrier and the oven: everything a compound's elution depends on but the
// compound.
struct Separation {
    double m_lengthM = 0;
    double m_diameterMm = 0;
    double m_filmUm = 0;
    double m_outletPsiAbsolute = 0;  // as the flow model takes it (ModelOutletPressure)
    ViscosityLine m_gas{0, 0};
    std::optional<Diffusing> m_carrier;  // none: retention times without widths
    InletControl m_control = InletControl::ConstantPressure;
    double m_inletPsiGauge = 0;  // constant pressure, and a pressure program's start
    double m_flowMlPerMin = 0;   // constant flow: the outlet flow held
    // A pressure program: the inlet at the end of each ramp, held through its hold; a ramp
    // without one holds the pressure before it.
    std::vector<double> m_rampInletPsiGauge;
    OvenProgram m_program;  // only its running part counts (see RunningPart)
};

struct Solute {
    RetentionParameters m_retention;
    std::optional<Diffusing> m_molecule;  // none: no width
};

struct Elution {
    bool m_eluted = false;
    double m_retentionS = 0;
    std::optional<double> m_sigmaS;  // the band's standard deviation in time at the outlet
};

// The oven program's running part, with the times its temperature or pressure changes course.
class OvenClock {
public:
    explicit OvenClock(const OvenProgram& program);
    double temperatureC(double timeS) const;
    double lengthS() const { return m_lengthS; }
    // The first time after `timeS` at which the program changes course; none after its end.
    std::optional<double> nextBreak(double timeS) const;
    // Which stretch a time lies in: 0 the initial hold, 2N−1 ramp N, 2N its hold.
    int stretch(double timeS) const;
    double stretchStart(int stretch) const;
    double stretchEnd(int stretch) const;

private:
    OvenProgram m_program;
    std::vector<double> m_breaks;  // the end of each stretch
    double m_lengthS = 0;
};

// The gauge inlet pressure (psi) at a moment of the run.
double InletPsiGauge(const Separation& separation, const OvenClock& clock, double timeS);

// The hold-up time (s) under the conditions of a moment of the run: an unretained compound's
// time through the column, as the column window computes it; infinite when the carrier does
// not flow.
double HoldUpS(const Separation& separation, const OvenClock& clock, double timeS);

// Whether a compound comes out, when, and how wide. One still in the column by the later of
// ten times the program's length and a hundred hold-up times at its end does not elute.
Elution Elute(const Separation& separation, const OvenClock& clock, const Solute& solute);

}  // namespace veltrane::chromatogram
