// The solvent vapor volume calculator window: injection, inlet conditions, solvent and liner.
#pragma once

#include <string>
#include <vector>

#include "data/Liner.h"
#include "data/PressureUnit.h"
#include "data/Settings.h"
#include "data/Solvent.h"
#include "ui/Dialog.h"
#include "ui/Host.h"
#include "vapor/VaporRows.h"
#include "vapor/model/VaporVolumeModel.h"

namespace veltrane {

// What the window's logic computes with beyond its controls, read or set up at opening.
struct VaporState {
    VaporVolumeModel m_model;
    std::vector<Solvent> m_solvents;
    std::vector<Liner> m_liners;
    SolventProperties m_solvent = VaporVolumeModel::kBuiltInSolvent;
    int m_lowerLimit = 10;
    int m_upperLimit = 100;
    PressureUnit m_unitInForce = PressureUnit::KPa;
};

class VaporCalculator : private VaporState {
public:
    explicit VaporCalculator(ui::Host& host);

    // Opens the window modally; every opening starts again from the built-in values.
    int run();

    // The open window as a value, and the window put back to it: what it shows and what its
    // logic holds, so that a window started many times over (veltrane-calc's batches) need
    // not be opened again each time.
    struct Snapshot {
        ui::Dialog::State shown;
        VaporState logic;
    };
    Snapshot snapshot() const { return {m_dialog->state(), *this}; }
    void restore(const Snapshot& opened) {
        m_dialog->restore(opened.shown);
        static_cast<VaporState&>(*this) = opened.logic;
    }

private:
    // Set-up, unit switching and saving (VaporSetup.cpp).
    void bind();
    void open();
    void setUpInputs();
    void restoreUnit(const std::string& unitLine);
    void fillLists(const SettingsSlots& slots);
    void changeUnit(PressureUnit chosen);
    void save();

    // Events (VaporEvents.cpp).
    void sliderMoved(vapor::Row row);
    void spinMoved(vapor::Row row);
    void showPosition(vapor::Row row, int position);
    void leaveField(vapor::Row row);
    void applySolvent();
    void applyLiner();

    // Results (VaporRecalc.cpp).
    void recompute();
    void showCapacity();
    void showSolvent();
    void showDisplay(int id, const std::string& text);
    double scaleOf(vapor::Row row) const;
    PressureUnit selectedUnit() const;

    ui::Host& m_host;
    ui::Dialog* m_dialog = nullptr;  // the window while it is open
};

}  // namespace veltrane
