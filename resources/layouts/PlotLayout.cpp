#include "resources/Layouts.h"
#include "resources/ResourceIds.h"
#include "resources/layouts/Styles.h"
#include "ui/Dialog.h"

namespace veltrane::res {

ui::DialogLayout PlotLayout() {
    ui::DialogLayout d = Template(IDD_PLOT, 387, 217, "");
    ControlStyle ok = Aligned(TextAlign::Left, true);
    ok.defaultButton = true;
    const auto L = TextAlign::Left;
    const auto C = TextAlign::Center;
    const auto R = TextAlign::Right;
    d.controls = {
        {ui::IDOK, ControlKind::PushButton, {289, 195, 50, 14}, "OK", ok, {}},
        {1010, ControlKind::PushButton, {236, 195, 50, 14}, N_("П&ечать"), Aligned(L, true), {}},
        {1059, ControlKind::PushButton, {183, 195, 50, 14}, N_("&Помощь"), Aligned(L, true), {}},
        {1043, ControlKind::RadioButton, {107, 192, 31, 10}, "1/10", Aligned(L, true), {}},
        {1044, ControlKind::RadioButton, {138, 192, 37, 10}, N_("Полная"), Aligned(L), {}},
        {-1, ControlKind::GroupBox, {95, 181, 85, 28}, N_("Шкала давления"), Aligned(L, true), {}},
        {1147, ControlKind::Static, {53, 11, 61, 8}, "Static", Aligned(L), {}},
        {1148, ControlKind::Static, {117, 11, 61, 8}, "Static", Aligned(L), {}},
        {1149, ControlKind::Static, {181, 11, 63, 8}, "Static", Aligned(L), {}},
        {1150, ControlKind::Static, {247, 11, 62, 8}, "Static", Aligned(L), {}},
        {1078, ControlKind::Static, {7, 28, 33, 9}, "200", Aligned(R), {}},
        {-1, ControlKind::Static, {11, 50, 29, 7}, "160", Aligned(R), {}},
        {-1, ControlKind::Static, {11, 73, 29, 7}, "120", Aligned(R), {}},
        {-1, ControlKind::Static, {30, 98, 10, 7}, "80", Aligned(R), {}},
        {-1, ControlKind::Static, {11, 125, 29, 7}, "40", Aligned(R), {}},
        {1079, ControlKind::Static, {7, 148, 33, 9}, "0", Aligned(R), {}},
        {1146,
         ControlKind::Static,
         {0, 82, 30, 55},  // a little left and narrower, clear of the "80"
         N_("Средняя линейная скорость (cm/s)"),
         Aligned(R),
         {}},
        {1080, ControlKind::Static, {47, 158, 43, 9}, "Static", Aligned(L), {}},
        {1081, ControlKind::Static, {175, 158, 45, 9}, "Static", Aligned(C), {}},
        {1082, ControlKind::Static, {309, 158, 44, 9}, "Static", Aligned(R), {}},
        {1077, ControlKind::Static, {125, 166, 139, 9}, "Static", Aligned(C), {}},
        {1145, ControlKind::Static, {267, 166, 69, 8}, "Static", Aligned(L), {}},
        {1151, ControlKind::Static, {38, 189, 58, 9}, N_("- Оптим. линия"), Aligned(L), {}},
        {-1, ControlKind::Static, {21, 204, 70, 8}, N_("Диапазон скорости"), Aligned(L), {}},
    };
    return Translated(std::move(d));
}

}  // namespace veltrane::res
