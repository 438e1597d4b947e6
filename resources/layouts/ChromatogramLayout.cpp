#include "resources/Layouts.h"
#include "resources/ResourceIds.h"
#include "resources/layouts/Styles.h"
#include "ui/Dialog.h"

namespace veltrane::res {

namespace {

void FieldAt(std::vector<ControlLayout>& c, int id, int x, int y) {
    c.push_back({id, ControlKind::Edit, {x, y, 44, 12}, "", Field(), {}});
}

}  // namespace

// The ids are chromatogram/ChromatogramIds.h's.
ui::DialogLayout ChromatogramLayout() {
    ui::DialogLayout d = Template(IDD_CHROMATOGRAM, 470, 440, N_("Хроматограмма"));
    auto& c = d.controls;

    c.push_back({-1, ControlKind::GroupBox, {5, 3, 152, 100}, N_("Колонка"), {}, {}});
    Label(c, 11, 14, 40, N_("Газ"));
    c.push_back({1401, ControlKind::ComboBox, {61, 13, 90, 80}, "", List(), {}});
    const char* rows[] = {N_("Длина (m)"), N_("Внутр.диам. (mm)"), N_("Толщина плёнки (µm)")};
    for (int k = 0; k < 3; ++k) {
        Label(c, 11, 30 + 14 * k, 90, rows[k]);
        FieldAt(c, 1402 + k, 107, 29 + 14 * k);
    }
    c.push_back({1405, ControlKind::RadioButton, {11, 72, 36, 10}, "1 Atm", Group(), {}});
    c.push_back({1406, ControlKind::RadioButton, {49, 72, 42, 10}, N_("Вакуум"), {}, {}});
    c.push_back({1407, ControlKind::RadioButton, {93, 72, 30, 10}, N_("Др."), {}, {}});
    Label(c, 11, 86, 92, N_("Давл. на выходе (абс.)"));
    FieldAt(c, 1408, 107, 85);

    c.push_back({-1, ControlKind::GroupBox, {161, 3, 152, 100}, N_("Газ-носитель"), {}, {}});
    c.push_back({1410,
                 ControlKind::RadioButton,
                 {167, 14, 140, 10},
                 N_("Постоянное давление"),
                 Group(),
                 {}});
    c.push_back(
        {1411, ControlKind::RadioButton, {167, 27, 140, 10}, N_("Постоянный поток"), {}, {}});
    c.push_back(
        {1412, ControlKind::RadioButton, {167, 40, 140, 10}, N_("Программа давления"), {}, {}});
    Label(c, 167, 58, 92, N_("Давление на входе"));
    FieldAt(c, 1413, 263, 57);
    Label(c, 167, 72, 92, N_("Выходной поток (ml/min)"));
    FieldAt(c, 1414, 263, 71);

    c.push_back({-1, ControlKind::GroupBox, {317, 3, 148, 28}, N_("Единицы давления"), {}, {}});
    c.push_back({1031, ControlKind::RadioButton, {325, 15, 34, 10}, "KPa", Group(), {}});
    c.push_back({1032, ControlKind::RadioButton, {370, 15, 34, 10}, "psi", {}, {}});
    c.push_back({1033, ControlKind::RadioButton, {415, 15, 34, 10}, "bar", {}, {}});

    c.push_back({-1, ControlKind::GroupBox, {317, 34, 148, 69}, N_("Вещества"), {}, {}});
    Label(c, 323, 46, 60, N_("Фаза"));
    c.push_back({1470, ControlKind::ComboBox, {385, 45, 74, 80}, "", List(), {}});
    Label(c, 323, 59, 136, N_("Только названия (через ;)"));
    c.push_back({1471, ControlKind::Edit, {323, 70, 136, 12}, "", Group(), {}});
    c.push_back(
        {1472, ControlKind::PushButton, {323, 86, 80, 14}, N_("Список &веществ"), Group(), {}});

    // The oven program, and under a pressure program the inlet at the end of each ramp.
    c.push_back(
        {-1, ControlKind::GroupBox, {5, 106, 308, 106}, N_("Программа термостата"), {}, {}});
    const int columns[] = {70, 118, 166, 214};
    const char* heads[] = {N_("Скорость\n(C/min)"), N_("Конечная\n(C)"), N_("Выдержка\n(min)"),
                           N_("Вход в конце")};
    for (int k = 0; k < 4; ++k)
        c.push_back({-1,
                     ControlKind::Static,
                     {columns[k], 116, 46, 16},
                     heads[k],
                     Aligned(TextAlign::Center),
                     {}});
    Label(c, 11, 134, 56, N_("Начальная (C)"));
    FieldAt(c, 1420, columns[1], 133);
    FieldAt(c, 1421, columns[2], 133);
    const char* ramps[] = {N_("Подъём 1"), N_("Подъём 2"), N_("Подъём 3"), N_("Подъём 4"),
                           N_("Подъём 5")};
    for (int k = 0; k < 5; ++k) {
        const int y = 148 + 13 * k;
        Label(c, 11, y, 56, ramps[k]);
        for (int field = 0; field < 4; ++field)
            FieldAt(c, 1430 + 10 * field + k, columns[field], y - 1);
    }

    c.push_back({-1, ControlKind::GroupBox, {317, 106, 148, 106}, N_("Результаты"), {}, {}});
    Label(c, 323, 120, 86, N_("Перепускное время (min)"));
    c.push_back({1480, ControlKind::Static, {410, 120, 48, 10}, "", Shown(), {}});
    Label(c, 323, 137, 86, N_("Время анализа (min)"));
    c.push_back({1481, ControlKind::Static, {410, 137, 48, 10}, "", Shown(), {}});

    // The chromatogram is painted here by the window; its peaks are listed below it.
    c.push_back({1484,
                 ControlKind::GroupBox,
                 {5, 215, 460, 110},
                 N_("Предсказанная хроматограмма"),
                 {},
                 {}});
    c.push_back({1482, ControlKind::Table, {5, 329, 460, 82}, "", Group(), {}});
    c.push_back({1483, ControlKind::Static, {7, 414, 238, 22}, "", Aligned(TextAlign::Left), {}});

    PrintHelpOkCancel(c, 420);
    return Translated(std::move(d));
}

}  // namespace veltrane::res
