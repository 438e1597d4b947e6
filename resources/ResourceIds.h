// Numeric ids of the program's dialogs, menus, bitmaps, icon, animation clips and shared buttons.
#pragma once

namespace veltrane::res {

// Dialog templates and the launcher's menu.
constexpr int IDD_LAUNCHER = 102;
constexpr int IDD_VAPOR = 129;
constexpr int IDD_ABOUT = 138;
constexpr int IDD_COLUMN = 139;
constexpr int IDD_PLOT = 159;
constexpr int IDD_TRANSLATE = 160;
constexpr int IDD_CHROMATOGRAM = 161;
constexpr int IDD_TRANSLATED = 162;
constexpr int IDM_LAUNCHER = 130;

// The program's icon: a red gas cylinder with regulator and two gauges on a grey panel.
constexpr int IDI_VELTRANE = 128;

// Launcher picture buttons (up, down, focus).
constexpr int IDB_VAPOR_UP = 147;
constexpr int IDB_VAPOR_DOWN = 148;
constexpr int IDB_VAPOR_FOCUS = 149;
constexpr int IDB_FLOW_UP = 150;
constexpr int IDB_FLOW_DOWN = 151;
constexpr int IDB_FLOW_FOCUS = 152;

// Vapor calculator: solvent-list picture button and the three capacity lamps.
constexpr int IDB_SOLVENTS_UP = 154;
constexpr int IDB_SOLVENTS_DOWN = 155;
constexpr int IDB_SOLVENTS_FOCUS = 172;
constexpr int IDB_LAMP_RED = 173;
constexpr int IDB_LAMP_GREEN = 174;
constexpr int IDB_LAMP_YELLOW = 175;

// Column calculator: the gases bitmap button.
constexpr int IDB_GASES_UP = 156;
constexpr int IDB_GASES_DOWN = 157;
constexpr int IDB_GASES_FOCUS = 158;

// The pressure unit buttons, which carry the same ids in both calculator windows.
constexpr int IDC_UNIT_KPA = 1031;
constexpr int IDC_UNIT_PSI = 1032;
constexpr int IDC_UNIT_BAR = 1033;

// About box animation clips.
constexpr int IDR_AVI2 = 185;
constexpr int IDR_AVI_CHROMATOGRAM = 187;
constexpr int IDR_AVI_STILL = 189;

}  // namespace veltrane::res
