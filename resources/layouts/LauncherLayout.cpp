#include "resources/Layouts.h"
#include "resources/ResourceIds.h"
#include "resources/layouts/Styles.h"

namespace veltrane::res {

ui::DialogLayout LauncherLayout() {
    ui::DialogLayout d = Template(IDD_LAUNCHER, 180, 86, N_("Orvanex потоковый калькулятор  2.0"));
    d.iconId = IDI_VELTRANE;
    d.resizable = true;
    d.minMaxBoxes = true;
    d.menu = {{N_("Файл"),
               {{32771, N_("&Объём Пара......")},
                {32776, N_("&Давление / Поток...")},
                {32777, N_("&Перенос метода...")},
                {32778, N_("&Хроматограмма...")},
                {32775, N_("&О потоковом калькуляторе...")},
                {0, ""},
                {32772, N_("Вы&ход")}}}};
    d.controls = {
        {1000,
         ControlKind::PictureButton,
         {12, 13, 72, 28},
         N_("&Давление / Поток"),
         {},
         {IDB_FLOW_UP, IDB_FLOW_DOWN, IDB_FLOW_FOCUS}},
        {1001,
         ControlKind::PictureButton,
         {89, 13, 78, 28},
         N_("ПАР"),
         {},
         {IDB_VAPOR_UP, IDB_VAPOR_DOWN, IDB_VAPOR_FOCUS}},
        {57670, ControlKind::PushButton, {33, 63, 50, 14}, N_("&Помощь"), {}, {}},
        {1002, ControlKind::PushButton, {90, 63, 49, 14}, N_("Вы&ход"), {}, {}},
    };
    return Translated(std::move(d));
}

}  // namespace veltrane::res
