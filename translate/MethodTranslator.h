// The method translation window: an oven program moved to another carrier gas or column with
// the same elution pattern.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "data/CarrierGas.h"
#include "data/PressureUnit.h"
#include "data/TranslateSettings.h"
#include "translate/TranslateIds.h"
#include "translate/model/MethodTranslation.h"
#include "translated/TranslatedChromatograms.h"
#include "ui/Canvas.h"
#include "ui/Dialog.h"
#include "ui/Host.h"

namespace veltrane {

// What the window's logic computes with beyond its controls, read or set up at opening.
struct TranslateState {
    std::vector<CarrierGas> m_gases;
    PressureUnit m_unitInForce = PressureUnit::KPa;
    CarrierDriver m_originalDriver = CarrierDriver::Flow;
    CarrierDriver m_newDriver = CarrierDriver::Inlet;
    // What the last recalculation found: the chart draws its factor, the printout its
    // warnings.
    Translation m_translation;
    std::vector<TranslationWarning> m_warnings;
    // The compounds the chromatograms were last shown for: a phase, and names asked for.
    std::string m_phase;
    std::string m_compounds;
};

class MethodTranslator : private TranslateState {
public:
    explicit MethodTranslator(ui::Host& host);

    // Opens the window modally; every opening starts from translate.cfg or the defaults.
    int run();

    // The open window as a value, and the window put back to it (see ColumnCalculator).
    struct Snapshot {
        ui::Dialog::State shown;
        TranslateState logic;
    };
    Snapshot snapshot() const { return {m_dialog->state(), *this}; }
    void restore(const Snapshot& opened) {
        m_dialog->restore(opened.shown);
        static_cast<TranslateState&>(*this) = opened.logic;
    }
    // The chromatograms window while it is open over this one.
    const TranslatedChromatograms* chromatograms() const { return m_chromatograms; }

private:
    // Set-up, unit switching and saving (TranslateSetup.cpp).
    void bind();
    void open();
    void fillGasLists(const std::string& savedGas, const std::string& savedNewGas);
    void changeUnit(PressureUnit chosen);
    void save();
    // Both methods' predicted chromatograms, in a window over this one.
    void showChromatograms();

    // Events (TranslateEvents.cpp).
    void outletModeChosen(const translate::MethodIds& method, OutletMode mode);
    void leaveField(int edit);
    // Holds a field to its bounds as leaving it does; a carrier figure the window computed
    // may lie below its typed bounds, so opening holds those only from above.
    void holdToBounds(int edit, bool fromAboveOnly = false);
    void carrierTyped(const translate::MethodIds& method, CarrierDriver driver);

    // Recalculation (TranslateRecalc.cpp).
    void recompute();
    TranslationInput input() const;
    MethodColumn columnOf(const translate::MethodIds& method) const;
    const CarrierGas& gasOf(const translate::MethodIds& method) const;
    CarrierFigure figureOf(const translate::MethodIds& method, CarrierDriver driver) const;
    // Shows a method's carrier at the initial temperature; the figure the person typed, if
    // any, keeps its text. Without a carrier every figure shows "n/a".
    void showCarrier(const translate::MethodIds& method,
                     const std::optional<MethodCarrier>& carrier,
                     std::optional<CarrierDriver> typed);
    void showProgram(const Translation& translation);
    OvenProgram program() const;

    // Reading the window.
    double number(int id) const;
    PressureUnit selectedUnit() const;
    OutletMode selectedOutletMode(const translate::MethodIds& method) const;
    CarrierControl selectedControl() const;
    int selectedGoal() const;  // the goal's radio button

    // The chart of both programs (TranslateChart.cpp).
    void paint(ui::Canvas& canvas);

    ui::Host& m_host;
    ui::Dialog* m_dialog = nullptr;  // the window while it is open
    const TranslatedChromatograms* m_chromatograms = nullptr;
};

}  // namespace veltrane
