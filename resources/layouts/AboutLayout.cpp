#include "resources/Layouts.h"
#include "resources/ResourceIds.h"
#include "resources/layouts/Styles.h"
#include "ui/Dialog.h"

namespace veltrane::res {

namespace {

// What this build of the program was made with.
#ifdef _WIN32
constexpr const char* kBuiltWith = N_("Создан на C++20 с MinGW-w64 GCC 12 и Win32 API");
#else
constexpr const char* kBuiltWith = N_("Создан на C++20 с компилятором GCC/g++ 12 и Qt 6");
#endif

}  // namespace

ui::DialogLayout AboutLayout() {
    ui::DialogLayout d = Template(IDD_ABOUT, 241, 162, N_("О потоковом калькуляторе ( Veltrane )"));

    ControlStyle clip;
    clip.centerImage = true;
    ControlStyle ok;
    ok.group = true;
    ok.defaultButton = true;

    d.controls = {
        {1160, ControlKind::Animation, {11, 10, 59, 55}, "Animate1", clip, {}},
        {ui::IDOK, ControlKind::PushButton, {184, 10, 39, 14}, "OK", ok, {}},
        {-1, ControlKind::Static, {94, 37, 102, 8}, "Veltrane Version  A.02.07", {}, {}},
        {-1, ControlKind::Static, {94, 47, 105, 8}, N_("Для газовой хроматографии"), {}, {}},
        {-1, ControlKind::Static, {94, 58, 93, 8}, "Orvanex Company", {}, {}},
        {1153, ControlKind::Picture, {194, 70, 15, 13}, "", {}, {}},
        {-1, ControlKind::EtchedLine, {5, 89, 223, 1}, "", {}, {}},
        {-1, ControlKind::Static, {2, 103, 75, 8}, N_("Свободная память:"), {}, {}},
        {1158, ControlKind::Static, {92, 103, 55, 8}, "memory", {}, {}},
        {-1, ControlKind::Static, {1, 113, 90, 10}, N_("Дисковое пространство:"), {}, {}},
        // Two lines high, so a large disk figure wraps below itself rather than under the icon.
        {1159, ControlKind::Static, {93, 113, 55, 16}, "disk space", {}, {}},
        {-1, ControlKind::Icon, {153, 108, 18, 20}, "", {}, {IDI_VELTRANE}},
        {-1, ControlKind::Static, {183, 119, 55, 10}, N_("32 Bit редакция"), {}, {}},
        {-1, ControlKind::Static, {16, 139, 201, 8}, kBuiltWith, {}, {}},
        // The hidden double-click spots lie on this line.
        {-1, ControlKind::Static, {16, 148, 121, 8}, N_("Авторы: разработчики Veltrane"), {}, {}},
    };
    return Translated(std::move(d));
}

}  // namespace veltrane::res
