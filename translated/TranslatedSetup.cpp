// Opening the translated chromatograms window with the compounds last chosen, and handing the
// choice back on OK.
#include "data/ListFile.h"
#include "data/Translation.h"
#include "resources/Layouts.h"
#include "translated/TranslatedChromatograms.h"
#include "translated/TranslatedPrintout.h"
#include "ui/HostActions.h"

namespace veltrane {

using namespace translated;

TranslatedChromatograms::TranslatedChromatograms(ui::Host& host, TranslatedMethods methods)
    : m_host(host), m_methods(std::move(methods)) {}

int TranslatedChromatograms::run() {
    ui::Dialog dialog(res::TranslatedLayout());
    m_dialog = &dialog;
    bind();
    const int result = m_host.runModal(dialog);
    m_dialog = nullptr;
    return result;
}

void TranslatedChromatograms::bind() {
    ui::Dialog& d = *m_dialog;
    d.onInit([this] { open(); });
    d.onPaint([this](ui::Canvas& canvas) { paint(canvas); });
    d.onSelect(IDC_PHASE_LIST, [this] { recompute(); });
    d.onLeave(IDC_COMPOUNDS, [this] { recompute(); });
    d.onClick(IDC_HELP, [this] { ui::ShowHelp(m_host, "Translated"); });
    d.onClick(IDC_PRINT, [this] { PrintTranslated(m_host, *m_dialog, m_methods, m_result); });
    d.onClick(ui::IDOK, [this] { keep(); });
}

void TranslatedChromatograms::open() {
    ui::Dialog& d = *m_dialog;
    d.setTableColumns(IDC_PEAKS, {{"#", 14, ui::TextAlign::Right},
                                  {Translate("Вещество"), 112, ui::TextAlign::Left},
                                  {Translate("Время (min)"), 50, ui::TextAlign::Right},
                                  {Translate("Новое (min)"), 50, ui::TextAlign::Right},
                                  {Translate("Отношение"), 52, ui::TextAlign::Right},
                                  {"R", 34, ui::TextAlign::Right},
                                  {Translate("R нов."), 34, ui::TextAlign::Right},
                                  {Translate("Примечание"), 100, ui::TextAlign::Left}});
    m_compounds = CompoundsFromText(m_host.readWorkFile(kCompoundsFileName));
    const std::vector<std::string> phases = PhasesOf(m_compounds);
    for (const std::string& phase : phases) d.addEntry(IDC_PHASE_LIST, phase);
    if (d.selectByPrefix(IDC_PHASE_LIST, m_methods.m_phase) < 0 && !phases.empty())
        d.setSelection(IDC_PHASE_LIST, 0);
    d.setText(IDC_COMPOUNDS, m_methods.m_compounds);
    recompute();
}

void TranslatedChromatograms::keep() {
    m_methods.m_phase = m_dialog->text(IDC_PHASE_LIST);
    m_methods.m_compounds = m_dialog->text(IDC_COMPOUNDS);
    m_dialog->end(ui::IDOK);
}

}  // namespace veltrane
