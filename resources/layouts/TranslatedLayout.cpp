#include "resources/Layouts.h"
#include "resources/ResourceIds.h"
#include "resources/layouts/Styles.h"
#include "ui/Dialog.h"

namespace veltrane::res {

// The ids are translated/TranslatedIds.h's.
ui::DialogLayout TranslatedLayout() {
    ui::DialogLayout d = Template(IDD_TRANSLATED, 470, 420, N_("Хроматограммы перевода"));
    auto& c = d.controls;

    c.push_back({-1, ControlKind::GroupBox, {5, 3, 356, 28}, N_("Вещества"), {}, {}});
    Label(c, 11, 15, 30, N_("Фаза"));
    c.push_back({1501, ControlKind::ComboBox, {45, 14, 74, 80}, "", List(), {}});
    Label(c, 127, 15, 130, N_("Только названия (через ;)"));
    c.push_back({1502, ControlKind::Edit, {259, 14, 96, 12}, "", Group(), {}});

    c.push_back({-1, ControlKind::GroupBox, {365, 3, 100, 28}, N_("Результаты"), {}, {}});
    Label(c, 371, 15, 40, N_("Фактор G"));
    c.push_back({1503, ControlKind::Static, {413, 15, 46, 10}, "", Shown(), {}});

    // Both chromatograms are painted here by the window; the compounds are listed below.
    c.push_back({1510, ControlKind::GroupBox, {5, 34, 460, 196}, N_("Хроматограммы"), {}, {}});
    c.push_back({1511, ControlKind::Table, {5, 234, 460, 120}, "", Group(), {}});
    c.push_back({1512, ControlKind::Static, {7, 358, 456, 36}, "", Aligned(TextAlign::Left), {}});

    PrintHelpOkCancel(c, 400);
    return Translated(std::move(d));
}

}  // namespace veltrane::res
