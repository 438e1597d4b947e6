// Opening the column calculator, switching its pressure unit, and saving its choices on OK.
#include "calculators/UnitButtons.h"
#include "calculators/WorkFiles.h"
#include "column/ColumnCalculator.h"
#include "column/ColumnPrintout.h"
#include "data/ListFile.h"
#include "data/Numbers.h"
#include "data/Settings.h"
#include "data/Text.h"
#include "resources/Layouts.h"
#include "resources/Strings.h"
#include "ui/HostActions.h"
#include "ui/Printing.h"

namespace veltrane {

using namespace column;

namespace {

const std::vector<ui::SpinAccel> kSlowAccel{{1, 1}, {2, 5}, {4, 10}};
const std::vector<ui::SpinAccel> kFastAccel{{1, 1}, {3, 10}, {4, 20}};

}  // namespace

ColumnCalculator::ColumnCalculator(ui::Host& host) : m_host(host), m_plot(host) {}

int ColumnCalculator::run() {
    ui::Dialog dialog(res::ColumnLayout());
    m_dialog = &dialog;
    bind();
    const int result = m_host.runModal(dialog);
    m_dialog = nullptr;
    return result;
}

void ColumnCalculator::bind() {
    ui::Dialog& d = *m_dialog;
    d.onInit([this] { open(); });
    for (const QuantityRow* row : {&kLength, &kDiameter, &kTemperature, &kFlow, &kVelocity}) {
        d.onScroll(row->slider, [this, row] { rowMoved(*row, m_dialog->sliderPos(row->slider)); });
        d.onScroll(row->spin, [this, row] {
            // The spin hands its position to the slider; the text follows the slider.
            m_dialog->setSliderPos(row->slider, m_dialog->spinPos(row->spin));
            rowMoved(*row, m_dialog->sliderPos(row->slider));
        });
    }
    // A struct, not structured bindings: clang 14, which builds the fuzz targets, cannot
    // capture those in a lambda.
    struct PressureRow {
        int slider, spin, edit;
    };
    for (const PressureRow p : {PressureRow{IDC_INLET_SLIDER, IDC_INLET_SPIN, IDC_INLET},
                                PressureRow{IDC_OUTLET_SLIDER, IDC_OUTLET_SPIN, IDC_OUTLET}}) {
        d.onScroll(p.slider,
                   [this, p] { pressureMoved(p.spin, p.edit, m_dialog->sliderPos(p.slider)); });
        d.onScroll(p.spin, [this, p] {
            m_dialog->setSliderPos(p.slider, m_dialog->spinPos(p.spin));
            pressureMoved(p.spin, p.edit, m_dialog->sliderPos(p.slider));
        });
    }
    // The split fields have no bounds; leaving them only puts a decimal comma right.
    for (int edit : {IDC_LENGTH, IDC_DIAMETER, IDC_TEMPERATURE, IDC_INLET, IDC_FLOW, IDC_VELOCITY,
                     IDC_OUTLET, IDC_INLET_TEMPERATURE, IDC_VENT_FLOW, IDC_SPLIT_RATIO})
        d.onLeave(edit, [this, edit] { validate(edit); });

    d.onSelect(IDC_GAS_LIST, [this] { gasChanged(); });
    d.onClick(IDC_OUTLET_ATM, [this] { outletModeChosen(OutletMode::Atm); });
    d.onClick(IDC_OUTLET_VAC, [this] { outletModeChosen(OutletMode::Vacuum); });
    d.onClick(IDC_OUTLET_OTHER, [this] { outletModeChosen(OutletMode::Other); });
    d.onClick(IDC_UNIT_KPA, [this] { changeUnit(PressureUnit::KPa); });
    d.onClick(IDC_UNIT_PSI, [this] { changeUnit(PressureUnit::Psi); });
    d.onClick(IDC_UNIT_BAR, [this] { changeUnit(PressureUnit::Bar); });

    d.onChange(IDC_VENT_FLOW, [this] { m_splitDriver = SplitDriver::VentFlow; });
    d.onChange(IDC_SPLIT_RATIO, [this] { m_splitDriver = SplitDriver::Ratio; });
    d.onClick(IDC_FLOW_RATIO_BUTTON, [this] { flowRatioPressed(); });

    d.onClick(IDC_HELP, [this] { ui::ShowHelp(m_host, "Pressure"); });
    d.onClick(IDC_PLOT, [this] { plotPressed(); });
    d.onClick(IDC_PRINT,
              [this] { ui::PrintTextPage(m_host, kColumnPrintout, ColumnPrintLines(*m_dialog)); });
    d.onClick(IDC_GASES_BUTTON, [this] { ui::EditList(m_host, kGasesFileName); });
    d.onClick(ui::IDOK, [this] { save(); });
}

void ColumnCalculator::open() {
    ui::Dialog& d = *m_dialog;
    d.setToolTip(IDC_LENGTH_SLIDER, res::LoadString(1127));
    d.setToolTip(IDC_GASES_BUTTON, res::LoadString(1067));
    d.setToolTip(IDC_DIAMETER_SLIDER, res::LoadString(1126));
    d.setToolTip(IDC_TEMPERATURE_SLIDER, res::LoadString(1120));
    d.setToolTip(IDC_VELOCITY_SLIDER, res::LoadString(115));

    setUpStartValues();

    const SettingsSlots slots = calculators::ReadWindowSettings(m_host);
    if (const auto unit = RecognizeUnit(slots[kUnitLine])) {
        setUpPressures(*unit);
        d.checkRadio(calculators::UnitButton(*unit));
    } else {
        m_host.messageBox("File 'flow.cfg' not found. Using defaults", "Veltrane",
                          ui::MessageIcon::Information);
        d.checkRadio(IDC_UNIT_KPA);
        d.checkRadio(IDC_OUTLET_ATM);
        setUpPressures(PressureUnit::KPa);
    }

    fillGasList(slots[kGasLine]);

    // An outlet mode is always selected, so OK always writes a valid outlet line.
    const OutletMode mode = RecognizeOutletMode(slots[kOutletLine]).value_or(OutletMode::Atm);
    d.checkRadio(OutletButton(mode));
    outletModeChosen(mode);

    recalcFromPressure();
    refreshDerived();
}

void ColumnCalculator::setUpStartValues() {
    ui::Dialog& d = *m_dialog;
    struct Start {
        QuantityRow row;
        int min, max, tick, page, spinMin, position;
        const std::vector<ui::SpinAccel>* accel;
    };
    const Start starts[] = {
        {kLength, 1, 1500, 75, 100, 1, 300, &kSlowAccel},
        {kDiameter, 10, 1000, 50, 100, 1, 320, &kSlowAccel},
        {kTemperature, -85, 450, 27, 10, -85, 100, &kSlowAccel},
        {kFlow, 1, 10000, 500, 1000, 1, 166, &kFastAccel},
        {kVelocity, 1, 2000, 100, 100, 1, 314, &kFastAccel},
    };
    for (const Start& s : starts) {
        d.setSliderRange(s.row.slider, s.min, s.max);
        d.setSliderTicks(s.row.slider, s.tick);
        d.setSliderPage(s.row.slider, s.page);
        d.setSliderLine(s.row.slider, 1);
        d.setSliderPos(s.row.slider, s.position);
        d.setSpinRange(s.row.spin, s.spinMin, s.max);
        d.setSpinPos(s.row.spin, s.position);
        d.setSpinAccel(s.row.spin, *s.accel);
        d.setText(s.row.edit, s.row.format ? FormatNumber(s.row.format, s.position * s.row.step)
                                           : FormatNumber("%d", s.position));
    }
    d.setSpinAccel(IDC_INLET_SPIN, kFastAccel);
    d.setSpinAccel(IDC_OUTLET_SPIN, kFastAccel);
    d.setText(IDC_OUTLET, FormatNumber("%-4.1f", 101.1));

    d.setText(IDC_INLET_TEMPERATURE, "175");
    d.enable(IDC_OUTLET_SLIDER, false);
    d.setText(IDC_VENT_FLOW, FormatNumber("%-4.1f", 0.0));
    m_splitDriver = SplitDriver::Ratio;  // the write above made it VentFlow
}

void ColumnCalculator::setUpPressures(PressureUnit unit) {
    ui::Dialog& d = *m_dialog;
    const bool psi = unit == PressureUnit::Psi;
    const int inletPosition = psi ? 100 : 689;
    const int outletPosition = psi ? 147 : 1011;
    scalePressure(IDC_INLET_SLIDER, IDC_INLET_SPIN, unit, inletPosition);
    d.setText(IDC_INLET,
              FormatPressure(CalculatorWindow::Column, unit, inletPosition * PressureStep(unit)));
    // In KPa the outlet thumb may go down to 0, where a vacuum outlet stands.
    scalePressure(IDC_OUTLET_SLIDER, IDC_OUTLET_SPIN, unit, outletPosition,
                  unit == PressureUnit::KPa ? std::optional(0) : std::nullopt);
    d.setText(IDC_OUTLET,
              FormatPressure(CalculatorWindow::Column, unit, outletPosition * PressureStep(unit)));
    m_unitInForce = unit;
}

void ColumnCalculator::fillGasList(const std::string& savedName) {
    ui::Dialog& d = *m_dialog;
    m_gases = GasesFromText(m_host.readWorkFile(kGasesFileName));
    const std::size_t offered = OfferedCount(m_gases);
    d.clearEntries(IDC_GAS_LIST);
    for (std::size_t k = 0; k < offered; ++k) d.addEntry(IDC_GAS_LIST, m_gases[k].m_name);
    // A saved name that no gas begins with falls back to the first gas.
    if (d.selectByPrefix(IDC_GAS_LIST, savedName) < 0 && offered > 0)
        d.setSelection(IDC_GAS_LIST, 0);
    applyGas();
}

void ColumnCalculator::changeUnit(PressureUnit chosen) {
    ui::Dialog& d = *m_dialog;
    if (chosen == m_unitInForce) return;

    if (const auto inlet =
            ChangeUnit(d.text(IDC_INLET), m_unitInForce, chosen, CalculatorWindow::Column)) {
        scalePressure(IDC_INLET_SLIDER, IDC_INLET_SPIN, chosen, inlet->m_position);
        d.setText(IDC_INLET, inlet->m_text);
    }

    const std::optional<OutletMode> mode = selectedOutletMode();
    if (mode == OutletMode::Other) {
        if (const auto outlet =
                ChangeUnit(d.text(IDC_OUTLET), m_unitInForce, chosen, CalculatorWindow::Column)) {
            scalePressure(IDC_OUTLET_SLIDER, IDC_OUTLET_SPIN, chosen, outlet->m_position, 0);
            d.setText(IDC_OUTLET, outlet->m_text);
        }
    } else {
        d.setText(IDC_OUTLET, std::string(FixedOutletText(mode.value_or(OutletMode::Atm), chosen)));
        d.enable(IDC_OUTLET_SLIDER, false);
    }
    m_unitInForce = chosen;
}

void ColumnCalculator::save() {
    const SettingsSlots slots = calculators::ReadWindowSettings(m_host);
    calculators::SaveWindowSettings(
        m_host,
        ColumnSettingsLines(selectedUnit(), selectedOutletMode(),
                            FirstChars(m_dialog->text(IDC_GAS_LIST), kGasNameLimit), slots));
    m_dialog->end(ui::IDOK);
}

}  // namespace veltrane
