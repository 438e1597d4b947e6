#include "tests/qt/DemoLayout.h"

#include "resources/ResourceIds.h"
#include "ui/Dialog.h"

namespace veltrane::testing {

using ui::ControlKind;

ui::DialogLayout DemoLayout() {
    ui::DialogLayout d;
    d.id = kDemoDialog;
    d.width = 280;
    d.height = 150;
    d.caption = "Демо";
    d.menu = {{"&Файл", {{500, "&Открыть"}, {0, ""}, {501, "Вы&ход"}}}};
    ui::ControlStyle group;
    group.group = true;
    ui::ControlStyle right;
    right.align = ui::TextAlign::Right;
    ui::ControlStyle bordered;
    bordered.border = true;
    ui::ControlStyle fixedWidth = bordered;
    fixedWidth.noHorizontalScroll = true;
    ui::ControlStyle field = bordered;
    field.readOnly = true;
    field.multiLine = true;
    ui::ControlStyle readOnly = bordered;
    readOnly.readOnly = true;
    ui::ControlStyle defaultButton;
    defaultButton.defaultButton = true;
    ui::ControlStyle slider;
    slider.ticksTop = true;
    slider.selectionBand = true;
    ui::ControlStyle centred;
    centred.centerImage = true;
    ui::ControlStyle groupedCombo = group;
    groupedCombo.verticalScroll = true;
    d.controls = {
        {kLengthLabel, ControlKind::Static, {10, 10, 30, 8}, "Д&лина", {}, {}},
        {kLengthEdit, ControlKind::Edit, {42, 8, 40, 12}, "30.0", fixedWidth, {}},
        {kResultField, ControlKind::Edit, {10, 24, 72, 20}, "", field, {}},
        {kAmpersandLabel, ControlKind::Static, {90, 10, 60, 8}, "Газ && пар", right, {}},
        {kLongLabel, ControlKind::Static, {90, 22, 20, 8}, "Перепускное время", {}, {}},
        {kLamp, ControlKind::Picture, {160, 8, 10, 10}, "", {}, {res::IDB_LAMP_GREEN, 0, 0}},
        {kFrame, ControlKind::GroupBox, {5, 48, 80, 48}, "Единицы", {}, {}},
        {kLine, ControlKind::EtchedLine, {5, 100, 270, 1}, "", {}, {}},
        {kIconId, ControlKind::Icon, {180, 8, 20, 20}, "", {}, {res::IDI_VELTRANE, 0, 0}},
        {kRadioA, ControlKind::RadioButton, {10, 58, 60, 10}, "&KPa", group, {}},
        {kRadioB, ControlKind::RadioButton, {10, 70, 60, 10}, "psi", {}, {}},
        {kRadioC, ControlKind::RadioButton, {10, 82, 60, 10}, "bar", {}, {}},
        {kGasList, ControlKind::ComboBox, {95, 40, 70, 60}, "", groupedCombo, {}},
        {kVelocitySlider, ControlKind::Slider, {95, 58, 100, 15}, "", slider, {}},
        {kLengthSpin, ControlKind::Spin, {95, 76, 24, 10}, "", {}, {}},
        {kCapacityBar, ControlKind::Progress, {125, 78, 70, 8}, "", {}, {}},
        {kClip, ControlKind::Animation, {205, 8, 70, 60}, "", centred, {}},
        {kReadOnlyEdit, ControlKind::Edit, {205, 74, 50, 12}, "1.66", readOnly, {}},
        {kFlowButton,
         ControlKind::PictureButton,
         {10, 106, 72, 28},
         "&Давление",
         {},
         {res::IDB_FLOW_UP, res::IDB_FLOW_DOWN, res::IDB_FLOW_FOCUS}},
        {ui::IDOK, ControlKind::PushButton, {160, 128, 50, 14}, "OK", defaultButton, {}},
        {ui::IDCANCEL, ControlKind::PushButton, {220, 128, 50, 14}, "Отмена", {}, {}},
        {kTable, ControlKind::Table, {120, 103, 150, 23}, "", {}, {}},
    };
    return d;
}

}  // namespace veltrane::testing
