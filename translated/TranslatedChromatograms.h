// The translated chromatograms window: the original method's and the translated method's
// predicted chromatograms one above the other, the new one's time axis G times the original's,
// so that a perfect translation draws the same picture twice; where it is not, the compounds
// whose order changes or whose separation is lost.
#pragma once

#include <string>
#include <vector>

#include "chromatogram/ChromatogramWindow.h"
#include "data/Compound.h"
#include "translate/model/MethodTranslation.h"
#include "translated/TranslatedIds.h"
#include "translated/model/Comparison.h"
#include "ui/Canvas.h"
#include "ui/Dialog.h"
#include "ui/Host.h"

namespace veltrane {

// What the translation window hands over: its translation and what it was made from, its
// gases' names, and the compounds last chosen here (kept in translate.cfg).
struct TranslatedMethods {
    TranslationInput m_input;
    Translation m_translation;
    std::string m_gas;
    std::string m_newGas;
    std::string m_phase;
    std::string m_compounds;  // names asked for, separated by ";"
};

struct TranslatedWarning {
    enum class Kind {
        NoTranslation,   // no new method to predict
        PhaseRatios,     // the phase ratios differ: times do not scale by G
        NoCompounds,     // compounds.txt holds none
        NoneAsked,       // no compound of the phase has the names asked for
        NoDiffusion,     // a gas has no diffusion data: no widths, no resolutions
        OrderChanged,    // m_names now come out before m_before, in the same place
        SeparationLost,  // m_names: "A / B" for each pair separated in the original only
        NotEluted,       // m_names: the compounds either method does not elute
    };
    Kind m_kind;
    std::vector<std::string> m_names;
    std::vector<std::string> m_before = {};  // OrderChanged: whom each of m_names overtook
};

// A warning in the windows' language, or in English for paper.
std::string WarningText(const TranslatedWarning& warning, bool english);

// What a compound's row notes, the first that holds; without a translated method only the
// original's figures have a say.
enum class CompoundNote { None, NotEluted, OrderChanged, CriticalPair };
CompoundNote NoteOf(const translated::ComparedCompound& compound, bool translated);
// The note in English (veltrane-calc) or in the windows' language.
std::string NoteText(CompoundNote note, bool english);

struct TranslatedResult {
    ChromatogramResult m_original;
    ChromatogramResult m_new;  // no peaks when there is no new method
    bool m_translated = false;
    double m_factor = 0;                                   // G as the translation computed it
    std::vector<translated::ComparedCompound> m_compared;  // in the original's elution order
    std::vector<TranslatedWarning> m_warnings;
};

struct TranslatedState {
    std::vector<Compound> m_compounds;
    TranslatedResult m_result;
};

class TranslatedChromatograms : private TranslatedState {
public:
    TranslatedChromatograms(ui::Host& host, TranslatedMethods methods);

    // Opens the window modally over the translation window.
    int run();

    const TranslatedResult& result() const { return m_result; }
    // The phase and the names asked for, as the window was closed with OK (or as handed over).
    const std::string& phase() const { return m_methods.m_phase; }
    const std::string& compounds() const { return m_methods.m_compounds; }

private:
    // Set-up and closing (TranslatedSetup.cpp).
    void bind();
    void open();
    void keep();

    // Recalculation (TranslatedRecalc.cpp).
    void recompute();

    // Both chromatograms (TranslatedChart.cpp).
    void paint(ui::Canvas& canvas);

    ui::Host& m_host;
    TranslatedMethods m_methods;
    ui::Dialog* m_dialog = nullptr;  // the window while it is open
};

// Both chromatograms in a frame (canvas pixels): the original above, the new method below on
// an axis G times as long, a faint line from each compound's peak above to its peak below.
// Their captions are in English on paper, in the windows' language on the screen.
void DrawTranslatedChromatograms(ui::Canvas& canvas, const ui::Rect& frame,
                                 const TranslatedResult& result, bool english);

}  // namespace veltrane
