// Method translation: a temperature-programmed method moved to another carrier gas or column
// with the same elution pattern. Pure functions over the column flow model.
#pragma once

#include <optional>
#include <vector>

#include "column/model/FlowModel.h"

namespace veltrane {

// What the carrier holds along the oven program: the inlet pressure, or the outlet flow (the
// inlet pressure then follows the temperature).
enum class CarrierControl { ConstantPressure, ConstantFlow };

// One method's column and gas as the flow model takes them.
struct MethodColumn {
    ViscosityLine m_gas;
    double m_lengthM;
    double m_diameterMm;
    double m_outletPsiAbsolute;  // as ModelOutletPressure gives it
};

// How the carrier is set: the gauge inlet pressure (psi) under constant pressure, the outlet
// flow (ml/min) under constant flow.
struct CarrierSetting {
    CarrierControl m_control;
    double m_value;
};

// The column's conditions at a temperature, the inlet pressure following from the setting.
ColumnConditions ConditionsAt(const MethodColumn& column, const CarrierSetting& setting,
                              double temperatureC);

// The hold-up time at a temperature, as the column window computes it.
HoldUp HoldUpAt(const MethodColumn& column, const CarrierSetting& setting, double temperatureC);

// The average velocity (cm/s) a column needs for a hold-up time (minutes): L·100 / (60·t).
double VelocityForHoldUp(double lengthM, double holdUpMinutes);

// The gauge inlet pressure (psi) that gives a column an average velocity at a temperature;
// nothing when no pressure gives it (the velocity search fails).
std::optional<double> InletPressureForVelocity(const MethodColumn& column, double temperatureC,
                                               double velocityCmPerS);

// The phase ratio β = d / (4 · d_f) of an inner diameter (mm) and film thickness (µm).
double PhaseRatio(double diameterMm, double filmUm);

struct Ramp {
    double m_rateCPerMin;
    double m_finalC;
    double m_holdMin;
};

// An oven program: the initial temperature and hold, then the ramps that run (a ramp whose
// rate is not above zero ends the program, and is not among them).
struct OvenProgram {
    double m_initialC = 0;
    double m_initialHoldMin = 0;
    std::vector<Ramp> m_ramps;
};

// The program through its first ramp whose rate is not above zero, that ramp left out.
OvenProgram RunningPart(OvenProgram program);

// The temperature the program ends at, and its run time (minutes): every hold, and each
// ramp's climb from the temperature before it (a ramp that goes down takes as long).
double FinalTemperature(const OvenProgram& program);
double RunTime(const OvenProgram& program);

// The program for a translation factor G: every temperature kept, every hold (the initial one
// too) times G, every rate over G.
OvenProgram Translated(const OvenProgram& program, double factor);

}  // namespace veltrane
