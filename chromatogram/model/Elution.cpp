#include "chromatogram/model/Elution.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "data/PressureUnit.h"

namespace veltrane::chromatogram {

namespace {

constexpr double kCmPerM = 100.0;
// A step takes the band at most this share of the time it has spent so far, and no step is
// longer than a kMinSteps-th of the column.
constexpr double kShare = 0.02;
constexpr int kMinSteps = 64;
// The stationary phase's diffusion coefficient, as a share of the gas's.
constexpr double kStationaryShare = 1e-4;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The carrier at one moment of the run.
struct Moment {
    double temperatureC = 0;
    double inlet = 0;   // psi, absolute
    double outlet = 0;  // psi, absolute
    // u(x)·p(x), the same all along the column (cm/s × psi); 0 when the carrier does not flow.
    double flowConstant = 0;
};

Moment MomentOf(const Separation& s, const OvenClock& clock, double timeS) {
    Moment m;
    m.temperatureC = clock.temperatureC(timeS);
    const double gauge = InletPsiGauge(s, clock, timeS);
    m.inlet = gauge + kAtmospherePsi;
    m.outlet = s.m_outletPsiAbsolute;
    const ColumnConditions conditions{s.m_lengthM, s.m_diameterMm,        m.temperatureC,
                                      gauge,       s.m_outletPsiAbsolute, s.m_gas};
    const double velocity = AverageVelocity(conditions);
    const double squares = m.inlet * m.inlet - m.outlet * m.outlet;
    const double cubes = m.inlet * m.inlet * m.inlet - m.outlet * m.outlet * m.outlet;
    // The average velocity is the column's length over ∫dx/u, with 1/u = p(x)/c.
    if (std::isfinite(velocity) && velocity > 0 && squares > 0)
        m.flowConstant = velocity * 2.0 * cubes / (3.0 * squares);
    return m;
}

// The time the carrier takes over one centimetre at a point of the column (s/cm).
double Residency(const Moment& m, double position) {
    if (m.flowConstant <= 0) return kInfinity;
    const double squares = m.inlet * m.inlet - m.outlet * m.outlet;
    const double p = std::sqrt(std::max(0.0, m.inlet * m.inlet - position * squares));
    return p / m.flowConstant;
}

class Band {
public:
    Band(const Separation& separation, const OvenClock& clock, const Solute& solute)
        : m_separation(separation),
          m_clock(clock),
          m_solute(solute),
          m_phi(separation.m_filmUm / 1000.0 / separation.m_diameterMm),
          m_lengthCm(separation.m_lengthM * kCmPerM),
          m_widths(separation.m_carrier && solute.m_molecule) {}

    bool widths() const { return m_widths; }
    double lengthCm() const { return m_lengthCm; }

    // dt/dx of the band's centre at a place and moment (s/cm).
    double pace(double x, double t) const {
        const Moment m = MomentOf(m_separation, m_clock, t);
        return (1.0 + retention(m)) * Residency(m, x / m_lengthCm);
    }

    // dt/dx and dσ²/dx.
    void slopes(double x, double t, double variance, double& dt, double& dVariance) const {
        const Moment m = MomentOf(m_separation, m_clock, t);
        const double k = retention(m);
        dt = (1.0 + k) * Residency(m, x / m_lengthCm);
        dVariance = 0;
        if (!m_widths || !std::isfinite(dt)) return;
        const double h = std::max(1e-4, 1e-7 * t);
        const double later = pace(x, t + h);
        const double earlier = t > h ? pace(x, t - h) : dt;
        const double change = (later - earlier) / (t > h ? 2 * h : h);
        dVariance = plateHeight(m, k) * dt * dt + 2.0 * variance * change;
    }

private:
    double retention(const Moment& m) const {
        return RetentionFactor(m_solute.m_retention, m.temperatureC, m_phi);
    }

    // Golay's plate height (cm) at this moment: the same all along a uniform column, since the
    // diffusion coefficient and the velocity both go as one over the pressure.
    double plateHeight(const Moment& m, double k) const {
        const double diffusion = DiffusionCoefficient(*m_solute.m_molecule, *m_separation.m_carrier,
                                                      m.temperatureC + kCelsiusToKelvin, 1.0);
        const double perVelocity = diffusion * kAtmospherePsi / m.flowConstant;  // D_M / u, cm
        const double mu = 1.0 / (1.0 + k);
        const double d = m_separation.m_diameterMm / 10.0;
        const double film = m_separation.m_filmUm / 1e4;
        return 2.0 * perVelocity + d * d / 96.0 * (6 * mu * mu - 16 * mu + 11) / perVelocity +
               2.0 / 3.0 * film * film * mu * (1 - mu) / (perVelocity * kStationaryShare);
    }

    const Separation& m_separation;
    const OvenClock& m_clock;
    const Solute& m_solute;
    double m_phi;
    double m_lengthCm;
    bool m_widths;
};

}  // namespace

OvenClock::OvenClock(const OvenProgram& program) : m_program(RunningPart(program)) {
    double time = std::max(0.0, m_program.m_initialHoldMin) * 60.0;
    double temperature = m_program.m_initialC;
    m_breaks.push_back(time);
    for (const Ramp& ramp : m_program.m_ramps) {
        time += (ramp.m_finalC - temperature) / ramp.m_rateCPerMin * 60.0;
        m_breaks.push_back(time);
        time += std::max(0.0, ramp.m_holdMin) * 60.0;
        m_breaks.push_back(time);
        temperature = ramp.m_finalC;
    }
    m_lengthS = time;
}

int OvenClock::stretch(double timeS) const {
    for (std::size_t i = 0; i < m_breaks.size(); ++i)
        if (timeS < m_breaks[i]) return static_cast<int>(i);
    return static_cast<int>(m_breaks.size()) - 1;
}

double OvenClock::stretchStart(int stretch) const {
    return stretch <= 0 ? 0.0 : m_breaks[static_cast<std::size_t>(stretch - 1)];
}

double OvenClock::stretchEnd(int stretch) const {
    return m_breaks[static_cast<std::size_t>(stretch)];
}

double OvenClock::temperatureC(double timeS) const {
    const int s = stretch(timeS);
    if (s == 0) return m_program.m_initialC;
    const Ramp& ramp = m_program.m_ramps[static_cast<std::size_t>((s - 1) / 2)];
    if (s % 2 == 0) return ramp.m_finalC;
    const double from = s == 1 ? m_program.m_initialC
                               : m_program.m_ramps[static_cast<std::size_t>((s - 3) / 2)].m_finalC;
    return std::min(ramp.m_finalC, from + ramp.m_rateCPerMin / 60.0 * (timeS - stretchStart(s)));
}

std::optional<double> OvenClock::nextBreak(double timeS) const {
    for (double b : m_breaks)
        if (b > timeS) return b;
    return std::nullopt;
}

double InletPsiGauge(const Separation& s, const OvenClock& clock, double timeS) {
    switch (s.m_control) {
        case InletControl::ConstantPressure:
            return s.m_inletPsiGauge;
        case InletControl::ConstantFlow: {
            const ColumnConditions conditions{
                s.m_lengthM, s.m_diameterMm,        clock.temperatureC(timeS),
                0,           s.m_outletPsiAbsolute, s.m_gas};
            const InletSolution inlet = InletPressureFromFlow(conditions, s.m_flowMlPerMin);
            return inlet.solved() ? inlet.psi() : std::numeric_limits<double>::quiet_NaN();
        }
        case InletControl::PressureProgram:
            break;
    }
    // The inlet at the end of ramp N, or the one before it when the program gives none.
    const auto atEndOf = [&](int ramp) {
        double inlet = s.m_inletPsiGauge;
        for (int n = 1; n <= ramp; ++n)
            if (static_cast<std::size_t>(n) <= s.m_rampInletPsiGauge.size())
                inlet = s.m_rampInletPsiGauge[static_cast<std::size_t>(n - 1)];
        return inlet;
    };
    const int stretch = clock.stretch(timeS);
    if (stretch % 2 == 0) return atEndOf(stretch / 2);
    const int ramp = (stretch + 1) / 2;
    const double start = clock.stretchStart(stretch);
    const double end = clock.stretchEnd(stretch);
    const double share = end > start ? std::clamp((timeS - start) / (end - start), 0.0, 1.0) : 1.0;
    return atEndOf(ramp - 1) + share * (atEndOf(ramp) - atEndOf(ramp - 1));
}

double HoldUpS(const Separation& s, const OvenClock& clock, double timeS) {
    const Moment m = MomentOf(s, clock, timeS);
    if (m.flowConstant <= 0) return kInfinity;
    const double squares = m.inlet * m.inlet - m.outlet * m.outlet;
    const double cubes = m.inlet * m.inlet * m.inlet - m.outlet * m.outlet * m.outlet;
    // ∫ p(x)/c dx over the column, in closed form.
    return s.m_lengthM * kCmPerM * 2.0 * cubes / (3.0 * squares * m.flowConstant);
}

Elution Elute(const Separation& separation, const OvenClock& clock, const Solute& solute) {
    Elution result;
    const Band band(separation, clock, solute);
    const double length = band.lengthCm();
    const double holdUp = HoldUpS(separation, clock, 0);
    const double finalHoldUp = HoldUpS(separation, clock, clock.lengthS());
    if (!(length > 0) || !std::isfinite(holdUp) || !std::isfinite(finalHoldUp)) return result;
    const double limit = std::max(10.0 * clock.lengthS(), 100.0 * finalHoldUp);
    const bool vacuum = separation.m_outletPsiAbsolute <= 0;

    double x = 0;
    double t = 0;
    double variance = 0;
    while (x < length) {
        // Towards a vacuum outlet the pressure falls as a square root: ever shorter steps.
        if (vacuum && length - x < 1e-9 * length) break;
        double dx = std::min(length / kMinSteps, length - x);
        if (vacuum) dx = std::min(dx, std::max(0.25 * (length - x), 1e-9 * length));
        const double pace = band.pace(x, t);
        if (!std::isfinite(pace) || pace <= 0) return result;
        const double allowed = kShare * std::max(t, holdUp);
        if (pace * dx > allowed) dx = allowed / pace;
        // Land on the program's next change of course rather than step across it.
        if (const auto next = clock.nextBreak(t); next && t + pace * dx > *next) {
            const double to = *next - t;
            if (to > 1e-9 * std::max(1.0, t)) dx = std::min(dx, to / pace);
        }
        // One classical Runge-Kutta step in position for the time and the variance.
        double t1, v1, t2, v2, t3, v3, t4, v4;
        band.slopes(x, t, variance, t1, v1);
        band.slopes(x + dx / 2, t + dx / 2 * t1, variance + dx / 2 * v1, t2, v2);
        band.slopes(x + dx / 2, t + dx / 2 * t2, variance + dx / 2 * v2, t3, v3);
        band.slopes(x + dx, t + dx * t3, variance + dx * v3, t4, v4);
        t += dx / 6 * (t1 + 2 * t2 + 2 * t3 + t4);
        variance += dx / 6 * (v1 + 2 * v2 + 2 * v3 + v4);
        x += dx;
        if (!std::isfinite(t) || t > limit) return result;
    }
    result.m_eluted = true;
    result.m_retentionS = t;
    if (band.widths() && std::isfinite(variance) && variance >= 0)
        result.m_sigmaS = std::sqrt(variance);
    return result;
}

}  // namespace veltrane::chromatogram
