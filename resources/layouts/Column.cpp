#include "resources/Layouts.h"
#include "resources/ResourceIds.h"
#include "resources/layouts/Styles.h"
#include "ui/Dialog.h"

namespace veltrane::res {

using ui::ControlKind;
using ui::ControlLayout;
using ui::ControlStyle;
using ui::TextAlign;

namespace {

// Typing stops when a field's visible width is full: the window's texts always fit.
ControlStyle Field() {
    ControlStyle s = Group();
    s.noHorizontalScroll = true;
    return s;
}

// One quantity row: label, slider, edit with its spin button under it.
void AddRow(std::vector<ControlLayout>& c, int y, const char* label, int slider, int edit, int spin,
            bool band = false) {
    ControlStyle sliderStyle;
    sliderStyle.ticksTop = true;
    sliderStyle.selectionBand = band;
    c.push_back({-1, ControlKind::Static, {11, y, 67, 24}, label, {}, {}});
    c.push_back({slider, ControlKind::Slider, {80, y - 2, 94, 18}, "", sliderStyle, {}});
    c.push_back({edit, ControlKind::Edit, {182, y, 28, 11}, "", Field(), {}});
    c.push_back({spin, ControlKind::Spin, {182, y + 12, 28, 9}, "", {}, {}});
}

}  // namespace

ui::DialogLayout ColumnLayout() {
    ui::DialogLayout d = Template(IDD_COLUMN, 375, 247, "Калькулятор  давления / потока  колонки");
    auto& c = d.controls;

    c.push_back(
        {-1, ControlKind::GroupBox, {5, 3, 210, 90}, "П а р а м е т р ы  к о л о н к и", {}, {}});
    AddRow(c, 16, "Длина (m)", 1126, 1061, 1130);
    AddRow(c, 42, "Внутр.диам.  (mm)", 1127, 1062, 1131);
    AddRow(c, 68, "Температура (C)", 1121, 1063, 1124);

    c.push_back({-1,
                 ControlKind::GroupBox,
                 {5, 96, 210, 126},
                 "П а р а м е т р ы   г а з а - н о с и т е л я",
                 {},
                 {}});
    AddRow(c, 110, "Давление на входе в колонку", 1133, 1064, 1138);
    c.push_back({1087, ControlKind::Static, {175, 111, 6, 9}, "", Aligned(TextAlign::Center), {}});
    AddRow(c, 136, "Выходной поток (ml/min)", 1134, 1065, 1139);
    c.push_back({1088, ControlKind::Static, {175, 137, 6, 9}, "", Aligned(TextAlign::Center), {}});
    AddRow(c, 162, "Средняя скорость (cm/s)", 1136, 1066, 1140, true);
    AddRow(c, 188, "Давление на выходе  из колонки (Абсолютное)", 1137, 1067, 1141);

    c.push_back({-1,
                 ControlKind::GroupBox,
                 {220, 3, 150, 72},
                 "Р а с п р е д е л е н и е  п о т о к о в",
                 {},
                 {}});
    c.push_back({-1, ControlKind::Static, {227, 16, 72, 9}, "Поток на сбросе", {}, {}});
    c.push_back({1091, ControlKind::Edit, {302, 14, 40, 12}, "", Field(), {}});
    c.push_back({-1,
                 ControlKind::Static,
                 {227, 31, 72, 18},
                 "Отношение потоков\n(сброс / колонка)",
                 {},
                 {}});
    c.push_back({1092, ControlKind::Edit, {302, 34, 40, 12}, "", Field(), {}});
    c.push_back({-1, ControlKind::Static, {344, 36, 12, 9}, ":1", {}, {}});
    c.push_back(
        {1071, ControlKind::PushButton, {250, 55, 90, 14}, "&Поток / Отношение", Group(), {}});

    c.push_back(
        {-1, ControlKind::GroupBox, {220, 77, 150, 29}, "Перепускное время через колонку", {}, {}});
    c.push_back(
        {1157, ControlKind::Static, {226, 88, 138, 14}, "0", Aligned(TextAlign::Center), {}});

    c.push_back({-1, ControlKind::GroupBox, {220, 108, 150, 37}, "В х о д", {}, {}});
    c.push_back({-1, ControlKind::Static, {227, 120, 84, 9}, "Входная темп-ра (C)", {}, {}});
    c.push_back({1143, ControlKind::Edit, {316, 118, 44, 12}, "", Field(), {}});
    ControlStyle readOnly = Group();
    readOnly.readOnly = true;
    c.push_back({-1, ControlKind::Static, {227, 133, 84, 9}, "Вх. поток (ml/min)", {}, {}});
    c.push_back({1108, ControlKind::Edit, {316, 131, 44, 12}, "", readOnly, {}});

    c.push_back(
        {-1, ControlKind::GroupBox, {220, 147, 150, 43}, "Г а з - н о с и т е л ь", {}, {}});
    c.push_back({1056, ControlKind::ComboBox, {226, 158, 70, 80}, "", List(), {}});
    c.push_back({1068,
                 ControlKind::PictureButton,
                 {300, 155, 65, 17},
                 "Газы",
                 Group(),
                 {IDB_GASES_UP, IDB_GASES_DOWN, IDB_GASES_FOCUS}});
    c.push_back({1156, ControlKind::Static, {227, 177, 90, 9}, "Оптим. диап. скорости", {}, {}});
    c.push_back(
        {1154, ControlKind::Static, {318, 177, 18, 9}, "10", Aligned(TextAlign::Right), {}});
    c.push_back({-1, ControlKind::Static, {337, 177, 6, 9}, "-", Aligned(TextAlign::Center), {}});
    c.push_back({1155, ControlKind::Static, {344, 177, 18, 9}, "40", {}, {}});

    c.push_back({-1,
                 ControlKind::GroupBox,
                 {220, 192, 150, 30},
                 "Е д и н и ц ы   д а в л е н и я",
                 {},
                 {}});
    c.push_back({1031, ControlKind::RadioButton, {232, 205, 34, 10}, "KPa", Group(), {}});
    c.push_back({1032, ControlKind::RadioButton, {276, 205, 34, 10}, "psi", {}, {}});
    c.push_back({1033, ControlKind::RadioButton, {320, 205, 34, 10}, "bar", {}, {}});

    c.push_back({1053, ControlKind::RadioButton, {10, 229, 36, 10}, "1 Atm", Group(), {}});
    c.push_back({1054, ControlKind::RadioButton, {48, 229, 42, 10}, "Вакуум", {}, {}});
    c.push_back({1055, ControlKind::RadioButton, {92, 229, 28, 10}, "Др.", {}, {}});

    c.push_back({1059, ControlKind::PushButton, {150, 227, 48, 14}, "П&омощь", Group(), {}});
    c.push_back(
        {1058, ControlKind::PushButton, {202, 227, 76, 14}, "Г&рафик зависим...", Group(), {}});
    c.push_back({1010, ControlKind::PushButton, {282, 227, 42, 14}, "П&ечать", Group(), {}});
    ControlStyle ok = Group();
    ok.defaultButton = true;
    c.push_back({ui::IDOK, ControlKind::PushButton, {328, 227, 42, 14}, "OK", ok, {}});
    return d;
}

}  // namespace veltrane::res
