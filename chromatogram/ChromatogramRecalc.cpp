// Recalculation of the predicted chromatogram window: the column, carrier, program and
// compounds read from the texts shown, the prediction computed by the model, and what it found
// shown in the table, the figures and the warnings.
#include <cmath>

#include "calculators/UnitButtons.h"
#include "chromatogram/ChromatogramWindow.h"
#include "chromatogram/model/Diffusion.h"
#include "data/ListFile.h"
#include "data/Numbers.h"
#include "data/Text.h"
#include "data/Translation.h"

namespace veltrane {

using namespace chromatogram;

namespace {

// The names asked for, separated by ";": each the beginning of a compound's name, in any case.
std::vector<std::string> AskedNames(const std::string& text) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(';', start), text.size());
        std::string name = text.substr(start, end - start);
        const std::size_t first = name.find_first_not_of(' ');
        const std::size_t last = name.find_last_not_of(' ');
        if (first != std::string::npos) names.push_back(name.substr(first, last - first + 1));
        start = end + 1;
    }
    return names;
}

}  // namespace

ChosenSolutes SolutesOf(const std::vector<Compound>& compounds, const std::string& phase,
                        const std::string& asked) {
    const std::vector<std::string> names = AskedNames(asked);
    ChosenSolutes chosen;
    const std::size_t offered = OfferedCount(compounds);
    for (std::size_t k = 0; k < offered; ++k) {
        const Compound& c = compounds[k];
        if (c.m_phase != phase || phase.empty()) continue;
        bool wanted = names.empty();
        for (const std::string& name : names)
            wanted = wanted || StartsWithIgnoringCase(c.m_name, name);
        if (!wanted) continue;
        chosen.m_solutes.push_back(
            {{c.CharTemperature(), c.CharTheta(), c.HeatCapacityChange(), c.Phi0()},
             MoleculeOf(c.m_formula, c.Rings())});
        chosen.m_names.push_back(c.m_name);
    }
    return chosen;
}

std::string WarningText(const ChromatogramWarning& warning, bool english) {
    const auto text = [english](const char* russian, const char* inEnglish) {
        return english ? std::string(inEnglish) : Translate(russian);
    };
    using Kind = ChromatogramWarning::Kind;
    switch (warning.m_kind) {
        case Kind::NoCompounds:
            return text(N_("В compounds.txt нет веществ"), "compounds.txt holds no compounds");
        case Kind::NoneAsked:
            return text(N_("Ни одно вещество этой фазы не отвечает названиям"),
                        "No compound of this phase has the names given");
        case Kind::NoDiffusion:
            return text(N_("Нет данных о диффузии в этом газе: ширины пиков не вычислены"),
                        "No diffusion data for this gas: no peak widths");
        case Kind::CriticalPairs:
            return text(N_("Критические пары: "), "Critical pairs: ") +
                   Joined(warning.m_names, ", ");
        case Kind::NotEluted:
            return text(N_("Не элюируются: "), "Do not elute: ") + Joined(warning.m_names, ", ");
    }
    return {};
}

double ChromatogramWindow::number(int id) const {
    return ReadTypedNumber(FirstChars(m_dialog->text(id), 39));
}

PressureUnit ChromatogramWindow::selectedUnit() const {
    return calculators::CheckedUnit(*m_dialog);
}

OutletMode ChromatogramWindow::selectedOutletMode() const {
    for (OutletMode mode : kOutletModes)
        if (m_dialog->isChecked(OutletButton(mode))) return mode;
    return OutletMode::Atm;
}

InletControl ChromatogramWindow::selectedControl() const {
    if (m_dialog->isChecked(IDC_CONSTANT_FLOW)) return InletControl::ConstantFlow;
    if (m_dialog->isChecked(IDC_PRESSURE_PROGRAM)) return InletControl::PressureProgram;
    return InletControl::ConstantPressure;
}

OvenProgram ChromatogramWindow::program() const {
    // An empty rate or final temperature ends the program; 0 C is a temperature like any.
    OvenProgram program{number(IDC_INITIAL), number(IDC_INITIAL_HOLD), {}};
    for (int k = 0; k < kRamps; ++k) {
        if (m_dialog->text(RateId(k)).empty() || m_dialog->text(FinalId(k)).empty()) break;
        program.m_ramps.push_back({number(RateId(k)), number(FinalId(k)), number(HoldId(k))});
    }
    return program;
}

Separation ChromatogramWindow::separation() const {
    const int index = m_dialog->selection(IDC_GAS_LIST);
    const CarrierGas& gas =
        index >= 0 && index < static_cast<int>(m_gases.size()) ? m_gases[index] : FallbackGas();
    const PressureUnit unit = selectedUnit();
    const double toPsi = UnitFactor(unit, PressureUnit::Psi);
    Separation s;
    s.m_lengthM = number(IDC_LENGTH);
    s.m_diameterMm = number(IDC_DIAMETER);
    s.m_filmUm = number(IDC_FILM);
    s.m_outletPsiAbsolute =
        ModelOutletPressure(selectedOutletMode(), AbsoluteToPsi(number(IDC_OUTLET), unit));
    s.m_gas = {gas.ViscositySlope(), gas.ViscosityIntercept()};
    s.m_carrier = CarrierMolecule(gas.m_name);
    s.m_control = selectedControl();
    s.m_inletPsiGauge = number(IDC_INLET) * toPsi;
    s.m_flowMlPerMin = number(IDC_FLOW);
    s.m_program = program();
    // A ramp without an inlet of its own holds the one before it.
    double inlet = s.m_inletPsiGauge;
    for (int k = 0; k < kRamps; ++k) {
        if (!m_dialog->text(InletId(k)).empty()) inlet = number(InletId(k)) * toPsi;
        s.m_rampInletPsiGauge.push_back(inlet);
    }
    return s;
}

void ChromatogramWindow::recompute() {
    ui::Dialog& d = *m_dialog;
    const Separation s = separation();
    ChromatogramResult& r = m_result;
    r = {};
    r.m_program = RunningPart(s.m_program);
    r.m_widths = s.m_carrier.has_value();

    // The compounds of the phase chosen, those asked for by name, or every one.
    ChosenSolutes chosen = SolutesOf(m_compounds, d.text(IDC_PHASE_LIST), d.text(IDC_COMPOUNDS));
    const std::vector<Solute>& solutes = chosen.m_solutes;
    r.m_names = std::move(chosen.m_names);
    r.m_prediction = Predict(s, solutes);
    const Prediction& p = r.m_prediction;

    d.setText(IDC_HOLDUP, std::isfinite(p.m_holdUpS) ? FormatNumber("%.3f", p.m_holdUpS / 60)
                                                     : std::string(kNotAvailable));
    d.setText(IDC_RUN_TIME, FormatNumber("%.2f", p.m_runTimeS / 60));

    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> critical, held;
    for (std::size_t k = 0; k < p.m_peaks.size(); ++k) {
        const Peak& peak = p.m_peaks[k];
        const std::string& name = r.m_names[peak.m_solute];
        std::vector<std::string> row{std::to_string(k + 1), name};
        if (!peak.m_elution.m_eluted) {
            row.insert(row.end(), {"", "", "", Translate("не элюируется")});
            held.push_back(name);
        } else {
            row.push_back(FormatNumber("%.3f", peak.m_elution.m_retentionS / 60));
            row.push_back(peak.m_widthS ? FormatNumber("%.3f", *peak.m_widthS) : "");
            row.push_back(peak.m_resolution ? FormatNumber("%.2f", *peak.m_resolution) : "");
            row.push_back(peak.m_critical ? Translate("критическая пара") : "");
            if (peak.m_critical)
                critical.push_back(r.m_names[p.m_peaks[k - 1].m_solute] + " / " + name);
        }
        rows.push_back(std::move(row));
    }
    d.setTableRows(IDC_PEAKS, std::move(rows));

    using Kind = ChromatogramWarning::Kind;
    if (PhasesOf(m_compounds).empty())
        r.m_warnings.push_back({Kind::NoCompounds, {}});
    else if (solutes.empty())
        r.m_warnings.push_back({Kind::NoneAsked, {}});
    if (!r.m_widths) r.m_warnings.push_back({Kind::NoDiffusion, {}});
    if (!critical.empty()) r.m_warnings.push_back({Kind::CriticalPairs, critical});
    if (!held.empty()) r.m_warnings.push_back({Kind::NotEluted, held});
    std::vector<std::string> shown;
    for (const ChromatogramWarning& warning : r.m_warnings)
        shown.push_back(WarningText(warning, false));
    d.setText(IDC_WARNINGS, Joined(shown, ". "));
    d.invalidate();
}

}  // namespace veltrane
