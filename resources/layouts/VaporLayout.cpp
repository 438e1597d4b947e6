#include "resources/Layouts.h"
#include "resources/ResourceIds.h"
#include "resources/layouts/Styles.h"
#include "ui/Dialog.h"

namespace veltrane::res {

namespace {

ControlStyle InputField() {
    ControlStyle s = Group();
    s.border = true;
    return s;
}

// A large result figure: centred in a sunken box, never typed into.
ControlStyle Display() {
    ControlStyle s;
    s.align = TextAlign::Center;
    s.readOnly = true;
    s.multiLine = true;
    s.border = true;
    return s;
}

// A solvent or liner figure, read from its list and shown as plain text.
ControlStyle Figure() {
    ControlStyle s;
    s.readOnly = true;
    return s;
}

ControlStyle TicksOnTop() {
    ControlStyle s;
    s.ticksTop = true;
    return s;
}

}  // namespace

ui::DialogLayout VaporLayout() {
    ui::DialogLayout d =
        Template(IDD_VAPOR, 326, 223, N_("Калькулятор   объёма  пара  растворителя"));
    auto& c = d.controls;

    // The solvent, unit and liner areas are marked by statics that draw nothing; they come
    // first so that they lie beneath the controls inside them.
    c.push_back({-1, ControlKind::Static, {177, 61, 139, 101}, "", {}, {}});
    c.push_back({-1, ControlKind::Static, {17, 177, 148, 21}, "", {}, {}});
    c.push_back({-1, ControlKind::Static, {177, 166, 140, 52}, "", {}, {}});

    c.push_back({1119, ControlKind::Static, {15, 0, 143, 8}, "", {}, {}});
    c.push_back({1085, ControlKind::Static, {177, 1, 64, 8}, "", Aligned(TextAlign::Center), {}});
    c.push_back({-1,
                 ControlKind::Static,
                 {9, 10, 88, 16},
                 N_("Приблизительный объём пара (ul):"),
                 Aligned(TextAlign::Right),
                 {}});
    c.push_back({1004, ControlKind::Edit, {102, 11, 69, 17}, "", Display(), {}});
    c.push_back({1152, ControlKind::Picture, {183, 9, 19, 17}, "", {}, {}});
    c.push_back({1084, ControlKind::Edit, {247, 10, 69, 17}, "", Display(), {}});
    c.push_back({1113, ControlKind::Progress, {17, 32, 299, 15}, "Progress1", {}, {}});

    c.push_back({-1, ControlKind::Static, {20, 51, 109, 8}, N_("Инжекционный объём (ul)"), {}, {}});
    c.push_back({1120, ControlKind::Slider, {17, 60, 122, 25}, "Slider1", TicksOnTop(), {}});
    c.push_back({1011, ControlKind::Edit, {141, 60, 24, 12}, "", InputField(), {}});
    c.push_back({1123, ControlKind::Spin, {142, 73, 24, 12}, "Spin1", {}, {}});
    c.push_back({-1, ControlKind::Static, {18, 89, 93, 8}, N_("Температура на входе (C)"), {}, {}});
    c.push_back({1121, ControlKind::Slider, {18, 97, 121, 25}, "Slider1", TicksOnTop(), {}});
    c.push_back({1012, ControlKind::Edit, {141, 97, 24, 12}, "", InputField(), {}});
    c.push_back({1124, ControlKind::Spin, {142, 110, 24, 12}, "Spin1", {}, {}});
    c.push_back({-1, ControlKind::Static, {19, 129, 72, 8}, N_("Входное давление"), {}, {}});
    c.push_back({1122, ControlKind::Slider, {18, 137, 121, 24}, "Slider1", TicksOnTop(), {}});
    c.push_back({1013, ControlKind::Edit, {141, 137, 24, 12}, "", InputField(), {}});
    c.push_back({1125, ControlKind::Spin, {142, 150, 24, 12}, "Spin1", {}, {}});

    c.push_back({-1,
                 ControlKind::Static,
                 {20, 167, 109, 8},
                 N_("Е д и н и ц ы   д а в л е н и я"),
                 {},
                 {}});
    c.push_back({1031, ControlKind::RadioButton, {31, 182, 36, 11}, "&KPa", Group(), {}});
    c.push_back({1032, ControlKind::RadioButton, {75, 182, 36, 11}, "ps&i", {}, {}});
    c.push_back({1033, ControlKind::RadioButton, {117, 182, 36, 11}, "&bar", {}, {}});
    // Group() here closes the unit buttons' group.
    c.push_back({1010, ControlKind::PushButton, {18, 204, 40, 14}, N_("&Печать"), Group(), {}});
    c.push_back({1059, ControlKind::PushButton, {72, 204, 40, 14}, N_("&Помощь"), Group(), {}});
    ControlStyle ok = Group();
    ok.defaultButton = true;
    c.push_back({ui::IDOK, ControlKind::PushButton, {125, 204, 40, 14}, "OK", ok, {}});

    c.push_back({-1,
                 ControlKind::Static,
                 {181, 51, 122, 8},
                 N_("С в о й с т в а   р а с т в о р и т е л я"),
                 {},
                 {}});
    c.push_back({1039, ControlKind::ComboBox, {196, 71, 110, 77}, "", List(), {}});
    c.push_back({-1,
                 ControlKind::Static,
                 {182, 89, 69, 9},
                 N_("Точка кипения (C):"),
                 Aligned(TextAlign::Right),
                 {}});
    c.push_back({1035, ControlKind::Edit, {261, 88, 40, 12}, "", Figure(), {}});
    c.push_back({-1,
                 ControlKind::Static,
                 {185, 104, 66, 9},
                 N_("Плотность (g/cm3):"),
                 Aligned(TextAlign::Right),
                 {}});
    c.push_back({1036, ControlKind::Edit, {261, 104, 40, 12}, "", Figure(), {}});
    c.push_back({-1,
                 ControlKind::Static,
                 {191, 119, 60, 9},
                 N_("Мол. вес (amu):"),
                 Aligned(TextAlign::Right),
                 {}});
    c.push_back({1037, ControlKind::Edit, {261, 119, 40, 13}, "", Figure(), {}});
    c.push_back({1041,
                 ControlKind::PictureButton,
                 {183, 135, 112, 15},
                 N_("Правка списка &растворителей"),
                 Group(),
                 {IDB_SOLVENTS_UP, IDB_SOLVENTS_DOWN, IDB_SOLVENTS_FOCUS}});

    c.push_back(
        {-1, ControlKind::Static, {181, 168, 77, 8}, N_("И н ж е к ц.  л а й н е р"), {}, {}});
    c.push_back({1056, ControlKind::ComboBox, {183, 178, 74, 51}, "", List(), {}});
    c.push_back({-1, ControlKind::Static, {267, 168, 40, 8}, N_(" Объём (ul)"), {}, {}});
    c.push_back({1083, ControlKind::Edit, {269, 177, 33, 13}, "", Figure(), {}});
    c.push_back({1058,
                 ControlKind::PushButton,
                 {179, 199, 75, 14},
                 N_("&Правка списка л-ров"),
                 Group(),
                 {}});
    c.push_back(
        {-1, ControlKind::Static, {257, 191, 58, 15}, N_("Пределы вместимости (%)"), {}, {}});
    c.push_back({1154, ControlKind::Static, {258, 208, 22, 8}, "10", {}, {}});
    c.push_back({1155, ControlKind::Static, {284, 208, 22, 8}, "100", {}, {}});
    return Translated(std::move(d));
}

}  // namespace veltrane::res
