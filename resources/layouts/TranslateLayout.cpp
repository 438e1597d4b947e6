#include "resources/Layouts.h"
#include "resources/ResourceIds.h"
#include "resources/layouts/Styles.h"
#include "ui/Dialog.h"

namespace veltrane::res {

namespace {

// One method's column and carrier, in a group at x; ids from first (see translate/TranslateIds.h).
void AddMethod(std::vector<ControlLayout>& c, int x, int first, const char* title) {
    c.push_back({-1, ControlKind::GroupBox, {x, 3, 152, 166}, title, {}, {}});
    Label(c, x + 6, 14, 40, N_("Газ"));
    c.push_back({first, ControlKind::ComboBox, {x + 56, 13, 90, 80}, "", List(), {}});
    const char* rows[] = {N_("Длина (m)"), N_("Внутр.диам. (mm)"), N_("Толщина плёнки (µm)")};
    for (int k = 0; k < 3; ++k) {
        Label(c, x + 6, 30 + 14 * k, 90, rows[k]);
        c.push_back(
            {first + 1 + k, ControlKind::Edit, {x + 100, 29 + 14 * k, 46, 12}, "", Field(), {}});
    }
    c.push_back({first + 4, ControlKind::RadioButton, {x + 6, 72, 36, 10}, "1 Atm", Group(), {}});
    c.push_back({first + 5, ControlKind::RadioButton, {x + 44, 72, 42, 10}, N_("Вакуум"), {}, {}});
    c.push_back({first + 6, ControlKind::RadioButton, {x + 88, 72, 30, 10}, N_("Др."), {}, {}});
    Label(c, x + 6, 86, 90, N_("Давл. на выходе (абс.)"));
    c.push_back({first + 7, ControlKind::Edit, {x + 100, 85, 46, 12}, "", Field(), {}});
    const char* carrier[] = {N_("Давление на входе"), N_("Выходной поток (ml/min)"),
                             N_("Ср. скорость (cm/s)")};
    for (int k = 0; k < 3; ++k) {
        Label(c, x + 6, 101 + 13 * k, 92, carrier[k]);
        c.push_back(
            {first + 8 + k, ControlKind::Edit, {x + 100, 100 + 13 * k, 46, 12}, "", Field(), {}});
    }
    Label(c, x + 6, 142, 92, N_("Перепускное время (min)"));
    c.push_back({first + 11, ControlKind::Static, {x + 100, 142, 44, 10}, "", Shown(), {}});
    Label(c, x + 6, 155, 92, N_("Фазовое отношение"));
    c.push_back({first + 12, ControlKind::Static, {x + 100, 155, 44, 10}, "", Shown(), {}});
}

}  // namespace

ui::DialogLayout TranslateLayout() {
    ui::DialogLayout d = Template(IDD_TRANSLATE, 470, 420, N_("Перенос метода"));
    auto& c = d.controls;
    AddMethod(c, 5, 1201, N_("Исходный метод"));
    AddMethod(c, 161, 1301, N_("Новый метод"));

    c.push_back({-1, ControlKind::GroupBox, {317, 3, 148, 28}, N_("Единицы давления"), {}, {}});
    c.push_back({1031, ControlKind::RadioButton, {325, 15, 34, 10}, "KPa", Group(), {}});
    c.push_back({1032, ControlKind::RadioButton, {370, 15, 34, 10}, "psi", {}, {}});
    c.push_back({1033, ControlKind::RadioButton, {415, 15, 34, 10}, "bar", {}, {}});

    c.push_back({-1, ControlKind::GroupBox, {317, 34, 148, 40}, N_("Газ-носитель"), {}, {}});
    c.push_back({1220,
                 ControlKind::RadioButton,
                 {325, 46, 130, 10},
                 N_("Постоянное давление"),
                 Group(),
                 {}});
    c.push_back(
        {1221, ControlKind::RadioButton, {325, 59, 130, 10}, N_("Постоянный поток"), {}, {}});

    c.push_back({-1, ControlKind::GroupBox, {317, 77, 148, 92}, N_("Цель"), {}, {}});
    c.push_back(
        {1230, ControlKind::RadioButton, {325, 90, 130, 10}, N_("Те же времена"), Group(), {}});
    c.push_back(
        {1231, ControlKind::RadioButton, {325, 105, 80, 10}, N_("Быстрее в N раз"), {}, {}});
    c.push_back(
        {1232, ControlKind::RadioButton, {325, 120, 130, 10}, N_("Оптимальная скорость"), {}, {}});
    c.push_back(
        {1233, ControlKind::RadioButton, {325, 135, 130, 10}, N_("Задать вручную"), {}, {}});
    Label(c, 408, 104, 14, "N =");
    c.push_back({1234, ControlKind::Edit, {424, 103, 34, 12}, "", Field(), {}});

    // The oven program: the original's fields, the translated figures beside them.
    c.push_back(
        {-1, ControlKind::GroupBox, {5, 172, 308, 106}, N_("Программа термостата"), {}, {}});
    const int columns[] = {70, 118, 166, 216, 262};
    const char* heads[] = {N_("Скорость\n(C/min)"), N_("Конечная\n(C)"), N_("Выдержка\n(min)"),
                           N_("Скорость\n(C/min)"), N_("Выдержка\n(min)")};
    for (int k = 0; k < 5; ++k)
        c.push_back({-1,
                     ControlKind::Static,
                     {columns[k], 182, 46, 16},
                     heads[k],
                     Aligned(TextAlign::Center),
                     {}});
    c.push_back({-1,
                 ControlKind::Static,
                 {214, 174, 92, 8},
                 N_("Новый метод"),
                 Aligned(TextAlign::Center),
                 {}});
    Label(c, 11, 200, 56, N_("Начальная (C)"));
    c.push_back({1240, ControlKind::Edit, {118, 199, 44, 12}, "", Field(), {}});
    c.push_back({1241, ControlKind::Edit, {166, 199, 44, 12}, "", Field(), {}});
    c.push_back({1242, ControlKind::Static, {columns[4], 200, 44, 10}, "", Shown(), {}});
    const char* ramps[] = {N_("Подъём 1"), N_("Подъём 2"), N_("Подъём 3"), N_("Подъём 4"),
                           N_("Подъём 5")};
    for (int k = 0; k < 5; ++k) {
        const int y = 214 + 13 * k;
        Label(c, 11, y, 56, ramps[k]);
        for (int field = 0; field < 3; ++field)
            c.push_back({1250 + 10 * field + k,
                         ControlKind::Edit,
                         {columns[field], y - 1, 44, 12},
                         "",
                         Field(),
                         {}});
        c.push_back({1350 + k, ControlKind::Static, {columns[3], y, 44, 10}, "", Shown(), {}});
        c.push_back({1370 + k, ControlKind::Static, {columns[4], y, 44, 10}, "", Shown(), {}});
    }

    c.push_back({-1, ControlKind::GroupBox, {317, 172, 148, 106}, N_("Результаты"), {}, {}});
    const struct {
        const char* label;
        int id;
    } results[] = {{N_("Фактор G"), 1280},
                   {N_("Ускорение"), 1281},
                   {N_("Время анализа (min)"), 1282},
                   {N_("Новое время (min)"), 1283},
                   {N_("G в конце программы"), 1284}};
    for (int k = 0; k < 5; ++k) {
        Label(c, 323, 186 + 17 * k, 86, results[k].label);
        c.push_back(
            {results[k].id, ControlKind::Static, {410, 186 + 17 * k, 48, 10}, "", Shown(), {}});
    }

    // The chart of both programs is painted here by the window.
    c.push_back(
        {1286, ControlKind::GroupBox, {5, 281, 460, 98}, N_("Температура от времени"), {}, {}});
    c.push_back({1285, ControlKind::Static, {7, 383, 456, 10}, "", Aligned(TextAlign::Left), {}});

    c.push_back(
        {1287, ControlKind::PushButton, {180, 400, 65, 14}, N_("Хроматограммы"), Group(), {}});
    PrintHelpOkCancel(c, 400);
    return Translated(std::move(d));
}

}  // namespace veltrane::res
