// Recalculation of the translated chromatograms window: both methods' predictions for the
// compounds chosen, compared compound by compound, and shown in the list and the warnings.
#include <algorithm>

#include "chromatogram/model/Diffusion.h"
#include "data/Numbers.h"
#include "data/Text.h"
#include "data/Translation.h"
#include "translated/TranslatedChromatograms.h"

namespace veltrane {

using namespace translated;
using chromatogram::Prediction;

std::string WarningText(const TranslatedWarning& warning, bool english) {
    const auto text = [english](const char* russian, const char* inEnglish) {
        return english ? std::string(inEnglish) : Translate(russian);
    };
    const auto predicted = [english](ChromatogramWarning::Kind kind) {
        return WarningText(ChromatogramWarning{kind, {}}, english);
    };
    using Kind = TranslatedWarning::Kind;
    switch (warning.m_kind) {
        case Kind::NoTranslation:
            return text(N_("Нет нового метода: перевод не выполнен"),
                        "No new method: the translation could not be made");
        case Kind::PhaseRatios:
            return text(N_("Фазовые отношения различаются: времена не пропорциональны G"),
                        "Phase ratios differ: times do not scale by G");
        case Kind::NoCompounds:
            return predicted(ChromatogramWarning::Kind::NoCompounds);
        case Kind::NoneAsked:
            return predicted(ChromatogramWarning::Kind::NoneAsked);
        case Kind::NoDiffusion:
            return predicted(ChromatogramWarning::Kind::NoDiffusion);
        case Kind::OrderChanged: {
            std::vector<std::string> moves;
            for (std::size_t k = 0; k < warning.m_names.size() && k < warning.m_before.size(); ++k)
                moves.push_back(warning.m_names[k] + text(N_(" раньше "), " before ") +
                                warning.m_before[k]);
            return text(N_("Порядок элюирования меняется: "), "Elution order changes: ") +
                   Joined(moves, ", ");
        }
        case Kind::SeparationLost:
            return text(N_("Разделяются только в исходном методе: "),
                        "Separated in the original only: ") +
                   Joined(warning.m_names, ", ");
        case Kind::NotEluted:
            return text(N_("Не элюируются: "), "Do not elute: ") + Joined(warning.m_names, ", ");
    }
    return {};
}

CompoundNote NoteOf(const ComparedCompound& c, bool translated) {
    if (!c.m_retentionS || (translated && !c.m_newRetentionS)) return CompoundNote::NotEluted;
    if (!c.m_overtaken.empty()) return CompoundNote::OrderChanged;
    if (c.m_lostSeparationFrom) return CompoundNote::CriticalPair;
    return CompoundNote::None;
}

std::string NoteText(CompoundNote note, bool english) {
    const auto text = [english](const char* russian, const char* inEnglish) {
        return english ? std::string(inEnglish) : Translate(russian);
    };
    switch (note) {
        case CompoundNote::None:
            break;
        case CompoundNote::NotEluted:
            return text(N_("не элюируется"), "does not elute");
        case CompoundNote::OrderChanged:
            return text(N_("порядок изменился"), "order changed");
        case CompoundNote::CriticalPair:
            return text(N_("критическая пара"), "critical pair");
    }
    return {};
}

namespace {

std::string Minutes(const std::optional<double>& seconds) {
    return seconds ? FormatNumber("%.3f", *seconds / 60) : std::string();
}

std::string Figure(const std::optional<double>& value, const char* format) {
    return value ? FormatNumber(format, *value) : std::string();
}

// One method's prediction of the solutes, as the chromatogram window would draw it.
ChromatogramResult Predicted(const std::optional<chromatogram::Separation>& separation,
                             const ChosenSolutes& chosen) {
    ChromatogramResult r;
    r.m_names = chosen.m_names;
    if (!separation) return r;
    r.m_program = RunningPart(separation->m_program);
    r.m_widths = separation->m_carrier.has_value();
    r.m_prediction = chromatogram::Predict(*separation, chosen.m_solutes);
    return r;
}

}  // namespace

void TranslatedChromatograms::recompute() {
    ui::Dialog& d = *m_dialog;
    const TranslatedMethods& m = m_methods;
    const Translation& t = m.m_translation;
    TranslatedResult& r = m_result;
    r = {};

    const ChosenSolutes chosen =
        SolutesOf(m_compounds, d.text(IDC_PHASE_LIST), d.text(IDC_COMPOUNDS));
    r.m_original = Predicted(MethodSeparation(m.m_input, t, TranslationMethod::Original,
                                              chromatogram::CarrierMolecule(m.m_gas)),
                             chosen);
    const auto newSeparation = MethodSeparation(m.m_input, t, TranslationMethod::New,
                                                chromatogram::CarrierMolecule(m.m_newGas));
    r.m_translated = newSeparation && t.m_factor && *t.m_factor > 0;
    r.m_factor = t.m_factor.value_or(0);
    if (r.m_translated) {
        r.m_new = Predicted(newSeparation, chosen);
    } else {
        // Without a new method the list still has every compound, its new figures empty.
        r.m_new.m_names = chosen.m_names;
        r.m_new.m_prediction.m_peaks.resize(chosen.m_solutes.size());
        for (std::size_t k = 0; k < chosen.m_solutes.size(); ++k)
            r.m_new.m_prediction.m_peaks[k].m_solute = k;
    }
    r.m_compared = Compare(r.m_original.m_prediction, r.m_new.m_prediction, r.m_factor);
    d.setText(IDC_FACTOR, t.m_factor ? FormatNumber("%.3f", *t.m_factor) : kNotAvailable);

    const std::vector<std::string>& names = chosen.m_names;
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> overtaking, overtook, lost, held;
    for (std::size_t k = 0; k < r.m_compared.size(); ++k) {
        const ComparedCompound& c = r.m_compared[k];
        const std::string& name = names[c.m_solute];
        rows.push_back({std::to_string(k + 1), name, Minutes(c.m_retentionS),
                        Minutes(c.m_newRetentionS), Figure(c.m_ratio, "%.4f"),
                        Figure(c.m_resolution, "%.2f"), Figure(c.m_newResolution, "%.2f"),
                        NoteText(NoteOf(c, r.m_translated), false)});
        std::vector<std::string> overtaken;
        for (std::size_t solute : c.m_overtaken) overtaken.push_back(names[solute]);
        if (!overtaken.empty()) {
            overtaking.push_back(name);
            overtook.push_back(Joined(overtaken, ", "));
        }
        if (c.m_lostSeparationFrom) lost.push_back(names[*c.m_lostSeparationFrom] + " / " + name);
        if (!c.m_retentionS || (r.m_translated && !c.m_newRetentionS)) held.push_back(name);
    }
    d.setTableRows(IDC_PEAKS, std::move(rows));

    using Kind = TranslatedWarning::Kind;
    if (!r.m_translated) r.m_warnings.push_back({Kind::NoTranslation, {}});
    const bool ratiosDiffer =
        std::any_of(t.m_warnings.begin(), t.m_warnings.end(), [](const TranslationWarning& w) {
            return w.m_kind == TranslationWarning::Kind::PhaseRatios;
        });
    if (ratiosDiffer) r.m_warnings.push_back({Kind::PhaseRatios, {}});
    if (PhasesOf(m_compounds).empty())
        r.m_warnings.push_back({Kind::NoCompounds, {}});
    else if (chosen.m_solutes.empty())
        r.m_warnings.push_back({Kind::NoneAsked, {}});
    if (!chromatogram::CarrierMolecule(m.m_gas) ||
        (r.m_translated && !chromatogram::CarrierMolecule(m.m_newGas)))
        r.m_warnings.push_back({Kind::NoDiffusion, {}});
    if (!overtaking.empty()) r.m_warnings.push_back({Kind::OrderChanged, overtaking, overtook});
    if (!lost.empty()) r.m_warnings.push_back({Kind::SeparationLost, lost});
    if (!held.empty()) r.m_warnings.push_back({Kind::NotEluted, held});
    std::vector<std::string> shown;
    for (const TranslatedWarning& warning : r.m_warnings)
        shown.push_back(WarningText(warning, false));
    d.setText(IDC_WARNINGS, Joined(shown, ". "));
    d.invalidate();
}

}  // namespace veltrane
