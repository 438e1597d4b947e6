// The predicted chromatogram window: where each compound of a phase elutes on a column, carrier
// and oven program, how wide its peak is, and which pairs do not separate.
#pragma once

#include <string>
#include <vector>

#include "chromatogram/ChromatogramIds.h"
#include "chromatogram/model/Prediction.h"
#include "data/CarrierGas.h"
#include "data/Compound.h"
#include "data/PressureUnit.h"
#include "ui/Canvas.h"
#include "ui/Dialog.h"
#include "ui/Host.h"

namespace veltrane {

inline constexpr const char* kChromatogramSettingsFileName = "chromatogram.cfg";

// What the window warns of; the names a warning is about, where it has any.
struct ChromatogramWarning {
    enum class Kind { NoCompounds, NoneAsked, NoDiffusion, CriticalPairs, NotEluted };
    Kind m_kind;
    std::vector<std::string> m_names;  // "A / B" for each critical pair
};

// A warning as the window shows it, in the windows' language, or in English for paper.
std::string WarningText(const ChromatogramWarning& warning, bool english);

// What a recalculation found, for the table, the chart, the warnings and the printout.
struct ChromatogramResult {
    chromatogram::Prediction m_prediction;
    std::vector<std::string> m_names;  // of the solutes predicted, in the order given
    OvenProgram m_program;             // the program's running part
    bool m_widths = false;             // the gas has diffusion data
    std::vector<ChromatogramWarning> m_warnings;
};

// The compounds of a phase whose names begin with one of the names asked for (separated by
// ";", in any case), or all of them when none is asked; as solutes, with their names, in the
// list's order.
struct ChosenSolutes {
    std::vector<chromatogram::Solute> m_solutes;
    std::vector<std::string> m_names;
};
ChosenSolutes SolutesOf(const std::vector<Compound>& compounds, const std::string& phase,
                        const std::string& asked);

// What the window's logic computes with beyond its controls, read or set up at opening.
struct ChromatogramState {
    std::vector<CarrierGas> m_gases;
    std::vector<Compound> m_compounds;
    PressureUnit m_unitInForce = PressureUnit::KPa;
    ChromatogramResult m_result;
};

class ChromatogramWindow : private ChromatogramState {
public:
    explicit ChromatogramWindow(ui::Host& host);

    // Opens the window modally; every opening starts from chromatogram.cfg or the defaults.
    int run();

    // The open window as a value, and the window put back to it (see ColumnCalculator).
    struct Snapshot {
        ui::Dialog::State shown;
        ChromatogramState logic;
    };
    Snapshot snapshot() const { return {m_dialog->state(), *this}; }
    void restore(const Snapshot& opened) {
        m_dialog->restore(opened.shown);
        static_cast<ChromatogramState&>(*this) = opened.logic;
    }
    const ChromatogramResult& result() const { return m_result; }

private:
    // Set-up, unit switching and saving (ChromatogramSetup.cpp).
    void bind();
    void open();
    void fillLists(const std::string& savedGas, const std::string& savedPhase);
    void changeUnit(PressureUnit chosen);
    void save();

    // Events (ChromatogramEvents.cpp).
    void outletModeChosen(OutletMode mode);
    void controlChosen();
    void leaveField(int edit);
    void holdToBounds(int edit);

    // Recalculation (ChromatogramRecalc.cpp).
    void recompute();
    chromatogram::Separation separation() const;
    OvenProgram program() const;
    double number(int id) const;
    PressureUnit selectedUnit() const;
    OutletMode selectedOutletMode() const;
    chromatogram::InletControl selectedControl() const;

    // The chart (ChromatogramChart.cpp).
    void paint(ui::Canvas& canvas);

    ui::Host& m_host;
    ui::Dialog* m_dialog = nullptr;  // the window while it is open
};

// The chromatogram drawn in a frame (canvas pixels): each peak a Gaussian of its width with
// its number above it, the time axis in minutes below, the oven temperature faint behind.
void DrawChromatogram(ui::Canvas& canvas, const ui::Rect& frame, const ChromatogramResult& result);
// The same drawn from 0 to `endS` seconds, each peak labelled by its solute's entry of `labels`
// (its number in elution order where there is none).
void DrawChromatogram(ui::Canvas& canvas, const ui::Rect& frame, const ChromatogramResult& result,
                      double endS, const std::vector<std::string>& labels);
// Where the drawing's time axis ends: just past the last peak that comes out, or at the end of
// the program when none does.
double ChromatogramEnd(const ChromatogramResult& result);

}  // namespace veltrane
