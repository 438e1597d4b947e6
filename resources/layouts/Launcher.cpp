#include "resources/Layouts.h"
#include "resources/ResourceIds.h"
#include "resources/layouts/Styles.h"

namespace veltrane::res {

using ui::ControlKind;

ui::DialogLayout LauncherLayout() {
    ui::DialogLayout d = Template(IDD_LAUNCHER, 180, 86, "Orvanex потоковый калькулятор  2.0");
    d.iconId = IDI_VELTRANE;
    d.resizable = true;
    d.minMaxBoxes = true;
    d.menu = {{"Файл",
               {{32771, "&Объём Пара......"},
                {32776, "&Давление / Поток..."},
                {32775, "&О потоковом калькуляторе..."},
                {0, ""},
                {32772, "Вы&ход"}}}};
    d.controls = {
        {1000,
         ControlKind::PictureButton,
         {12, 13, 72, 28},
         "&Давление / Поток",
         {},
         {IDB_FLOW_UP, IDB_FLOW_DOWN, IDB_FLOW_FOCUS}},
        {1001,
         ControlKind::PictureButton,
         {89, 13, 78, 28},
         "ПАР",
         {},
         {IDB_VAPOR_UP, IDB_VAPOR_DOWN, IDB_VAPOR_FOCUS}},
        {57670, ControlKind::PushButton, {33, 63, 50, 14}, "&Помощь", {}, {}},
        {1002, ControlKind::PushButton, {90, 63, 49, 14}, "Вы&ход", {}, {}},
    };
    return d;
}

}  // namespace veltrane::res
