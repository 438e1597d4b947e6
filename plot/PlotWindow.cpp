#include "plot/PlotWindow.h"

#include "data/Translation.h"
#include "plot/PlotFile.h"
#include "plot/PlotLabels.h"
#include "plot/PlotPrintout.h"
#include "resources/Layouts.h"
#include "ui/HostActions.h"

namespace veltrane {

using namespace plot;

PlotWindow::PlotWindow(ui::Host& host) : m_host(host) {}

int PlotWindow::run(PlotData data) {
    m_data = std::move(data);
    ui::Dialog dialog(res::PlotLayout());
    m_dialog = &dialog;
    dialog.onInit([this] { open(); });
    dialog.onPaint([this](ui::Canvas& canvas) { paint(canvas); });
    // A new scale changes both the labels and the drawing, so the whole window repaints.
    dialog.onClick(IDC_SCALE_TENTH, [this] { m_dialog->invalidate(); });
    dialog.onClick(IDC_SCALE_FULL, [this] { m_dialog->invalidate(); });
    dialog.onClick(IDC_HELP, [this] { ui::ShowHelp(m_host, "Pressure"); });
    dialog.onClick(IDC_PRINT, [this] { PrintPlot(m_host, m_data, scale()); });
    const int result = m_host.runModal(dialog);
    m_dialog = nullptr;
    return result;
}

void PlotWindow::open() {
    ui::Dialog& d = *m_dialog;
    d.setCaption(Translate("Скорость газа от вх. давления колонки : ") +
                 ShownDescription(m_data.m_gas));
    d.setText(IDC_DIAMETER_LINE, ShownDescription(m_data.m_diameter));
    d.setText(IDC_TEMPERATURE_LINE, ShownDescription(m_data.m_temperature));
    d.setText(IDC_LENGTH_LINE, ShownDescription(m_data.m_length));
    d.setText(IDC_OUTLET_LINE, ShownDescription(m_data.m_outlet));
    d.checkRadio(IDC_SCALE_FULL);
    // A size smaller keeps the title's longest word clear of the "80" beside it.
    d.setFont(IDC_VELOCITY_TITLE, ui::Font{"MS Sans Serif", -10, 400});
}

PlotScale PlotWindow::scale() const {
    return m_dialog->isChecked(IDC_SCALE_TENTH) ? PlotScale::Tenth : PlotScale::Full;
}

void PlotWindow::refreshLabels() {
    ui::Dialog& d = *m_dialog;
    if (const auto unit = PlotUnit(m_data)) {
        const PressureLabels labels = LabelsFor(*unit, scale());
        d.setText(IDC_PRESSURE_LEFT, labels.m_left);
        d.setText(IDC_PRESSURE_MIDDLE, labels.m_middle);
        d.setText(IDC_PRESSURE_RIGHT, labels.m_right);
        d.setText(IDC_GRID_LEGEND, labels.m_legend);
    }
    d.setText(IDC_AXIS_TITLE, AxisTitle(m_data));
}

void PlotWindow::paint(ui::Canvas& canvas) {
    refreshLabels();
    DrawPlot(canvas, m_data, scale());
}

}  // namespace veltrane
