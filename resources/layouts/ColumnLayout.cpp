#include "resources/Layouts.h"
#include "resources/ResourceIds.h"
#include "resources/layouts/Styles.h"
#include "ui/Dialog.h"

namespace veltrane::res {

namespace {

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
    ui::DialogLayout d =
        Template(IDD_COLUMN, 375, 247, N_("Калькулятор  давления / потока  колонки"));
    auto& c = d.controls;

    c.push_back({-1,
                 ControlKind::GroupBox,
                 {5, 3, 210, 90},
                 N_("П а р а м е т р ы  к о л о н к и"),
                 {},
                 {}});
    AddRow(c, 16, N_("Длина (m)"), 1126, 1061, 1130);
    AddRow(c, 42, N_("Внутр.диам.  (mm)"), 1127, 1062, 1131);
    AddRow(c, 68, N_("Температура (C)"), 1121, 1063, 1124);

    c.push_back({-1,
                 ControlKind::GroupBox,
                 {5, 96, 210, 126},
                 N_("П а р а м е т р ы   г а з а - н о с и т е л я"),
                 {},
                 {}});
    AddRow(c, 110, N_("Давление на входе в колонку"), 1133, 1064, 1138);
    c.push_back({1087, ControlKind::Static, {175, 111, 6, 9}, "", Aligned(TextAlign::Center), {}});
    AddRow(c, 136, N_("Выходной поток (ml/min)"), 1134, 1065, 1139);
    c.push_back({1088, ControlKind::Static, {175, 137, 6, 9}, "", Aligned(TextAlign::Center), {}});
    AddRow(c, 162, N_("Средняя скорость (cm/s)"), 1136, 1066, 1140, true);
    AddRow(c, 188, N_("Давление на выходе  из колонки (Абсолютное)"), 1137, 1067, 1141);

    c.push_back({-1,
                 ControlKind::GroupBox,
                 {220, 3, 150, 72},
                 N_("Р а с п р е д е л е н и е  п о т о к о в"),
                 {},
                 {}});
    c.push_back({-1, ControlKind::Static, {227, 16, 72, 9}, N_("Поток на сбросе"), {}, {}});
    c.push_back({1091, ControlKind::Edit, {302, 14, 40, 12}, "", Field(), {}});
    c.push_back({-1,
                 ControlKind::Static,
                 {227, 31, 72, 18},
                 N_("Отношение потоков\n(сброс / колонка)"),
                 {},
                 {}});
    c.push_back({1092, ControlKind::Edit, {302, 34, 40, 12}, "", Field(), {}});
    c.push_back({-1, ControlKind::Static, {344, 36, 12, 9}, ":1", {}, {}});
    c.push_back(
        {1071, ControlKind::PushButton, {250, 55, 90, 14}, N_("&Поток / Отношение"), Group(), {}});

    c.push_back({-1,
                 ControlKind::GroupBox,
                 {220, 77, 150, 29},
                 N_("Перепускное время через колонку"),
                 {},
                 {}});
    c.push_back(
        {1157, ControlKind::Static, {226, 88, 138, 14}, "0", Aligned(TextAlign::Center), {}});

    c.push_back({-1, ControlKind::GroupBox, {220, 108, 150, 37}, N_("В х о д"), {}, {}});
    c.push_back({-1, ControlKind::Static, {227, 120, 84, 9}, N_("Входная темп-ра (C)"), {}, {}});
    c.push_back({1143, ControlKind::Edit, {316, 118, 44, 12}, "", Field(), {}});
    ControlStyle readOnly = Group();
    readOnly.readOnly = true;
    c.push_back({-1, ControlKind::Static, {227, 133, 84, 9}, N_("Вх. поток (ml/min)"), {}, {}});
    c.push_back({1108, ControlKind::Edit, {316, 131, 44, 12}, "", readOnly, {}});

    c.push_back(
        {-1, ControlKind::GroupBox, {220, 147, 150, 43}, N_("Г а з - н о с и т е л ь"), {}, {}});
    c.push_back({1056, ControlKind::ComboBox, {226, 158, 70, 80}, "", List(), {}});
    c.push_back({1068,
                 ControlKind::PictureButton,
                 {300, 155, 65, 17},
                 N_("Газы"),
                 Group(),
                 {IDB_GASES_UP, IDB_GASES_DOWN, IDB_GASES_FOCUS}});
    c.push_back(
        {1156, ControlKind::Static, {227, 177, 90, 9}, N_("Оптим. диап. скорости"), {}, {}});
    c.push_back(
        {1154, ControlKind::Static, {318, 177, 18, 9}, "10", Aligned(TextAlign::Right), {}});
    c.push_back({-1, ControlKind::Static, {337, 177, 6, 9}, "-", Aligned(TextAlign::Center), {}});
    c.push_back({1155, ControlKind::Static, {344, 177, 18, 9}, "40", {}, {}});

    c.push_back({-1,
                 ControlKind::GroupBox,
                 {220, 192, 150, 30},
                 N_("Е д и н и ц ы   д а в л е н и я"),
                 {},
                 {}});
    c.push_back({1031, ControlKind::RadioButton, {232, 205, 34, 10}, "KPa", Group(), {}});
    c.push_back({1032, ControlKind::RadioButton, {276, 205, 34, 10}, "psi", {}, {}});
    c.push_back({1033, ControlKind::RadioButton, {320, 205, 34, 10}, "bar", {}, {}});

    c.push_back({1053, ControlKind::RadioButton, {10, 229, 36, 10}, "1 Atm", Group(), {}});
    c.push_back({1054, ControlKind::RadioButton, {48, 229, 42, 10}, N_("Вакуум"), {}, {}});
    c.push_back({1055, ControlKind::RadioButton, {92, 229, 28, 10}, N_("Др."), {}, {}});

    c.push_back({1059, ControlKind::PushButton, {150, 227, 48, 14}, N_("П&омощь"), Group(), {}});
    c.push_back(
        {1058, ControlKind::PushButton, {202, 227, 76, 14}, N_("Г&рафик зависим..."), Group(), {}});
    c.push_back({1010, ControlKind::PushButton, {282, 227, 42, 14}, N_("П&ечать"), Group(), {}});
    ControlStyle ok = Group();
    ok.defaultButton = true;
    c.push_back({ui::IDOK, ControlKind::PushButton, {328, 227, 42, 14}, "OK", ok, {}});
    return Translated(std::move(d));
}

}  // namespace veltrane::res
