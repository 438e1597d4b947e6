// The column pressure/flow calculator window: inlet pressure, flow, velocity, hold-up, split.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "column/ColumnRows.h"
#include "column/model/FlowModel.h"
#include "data/CarrierGas.h"
#include "data/OutletMode.h"
#include "data/PressureUnit.h"
#include "plot/PlotWindow.h"
#include "ui/Dialog.h"
#include "ui/Host.h"

namespace veltrane {

// Which rate the inlet pressure was last solved from.
enum class RateDriver { Flow, Velocity };
// Which split quantity the user set last; the other one follows the column flow.
enum class SplitDriver { VentFlow, Ratio };

// What the window's logic computes with beyond its controls, read or set up at opening.
struct ColumnState {
    std::vector<CarrierGas> m_gases;
    ViscosityLine m_viscosity{0, 0};
    int m_bandLow = 0;
    int m_bandHigh = 0;
    RateDriver m_rateDriver = RateDriver::Flow;
    SplitDriver m_splitDriver = SplitDriver::Ratio;
    PressureUnit m_unitInForce = PressureUnit::KPa;
};

class ColumnCalculator : private ColumnState {
public:
    explicit ColumnCalculator(ui::Host& host);

    // Opens the window modally; every opening starts again from the built-in values.
    int run();

    // The open window as a value, and the window put back to it: what it shows and what its
    // logic holds, so that a window started many times over (veltrane-calc's batches) need
    // not be opened again each time.
    struct Snapshot {
        ui::Dialog::State shown;
        ColumnState logic;
    };
    Snapshot snapshot() const { return {m_dialog->state(), *this}; }
    void restore(const Snapshot& opened) {
        m_dialog->restore(opened.shown);
        static_cast<ColumnState&>(*this) = opened.logic;
    }

private:
    // Set-up, unit switching and saving (ColumnSetup.cpp).
    void bind();
    void open();
    void setUpStartValues();
    void setUpPressures(PressureUnit unit);
    void fillGasList(const std::string& savedName);
    void changeUnit(PressureUnit chosen);
    void save();

    // Events (ColumnEvents.cpp).
    void rowMoved(const column::QuantityRow& row, int position);
    void pressureMoved(int spin, int edit, int position);
    void gasChanged();
    void applyGas();
    void outletModeChosen(OutletMode mode);
    struct FieldRule;
    std::optional<FieldRule> fieldRule(int edit) const;
    void validate(int edit);
    void flowRatioPressed();
    void plotPressed();

    // Recalculation (ColumnRecalc.cpp).
    void recalcFromPressure();
    void recalcFlow();
    void recalcVelocity();
    void recalcFromRate();
    void refreshDerived();
    void updateSplit();
    void updateInletFlow();

    // Reading the window.
    double number(int id) const;
    PressureUnit selectedUnit() const;
    std::optional<OutletMode> selectedOutletMode() const;
    ColumnConditions conditions() const;
    void setPosition(int slider, int spin, int position);
    // Gives a pressure slider and its spin button a unit's scale and puts both at a position.
    void scalePressure(int slider, int spin, PressureUnit unit, int position,
                       std::optional<int> sliderMin = std::nullopt);

    ui::Host& m_host;
    ui::Dialog* m_dialog = nullptr;  // the window while it is open
    PlotWindow m_plot;
};

}  // namespace veltrane
