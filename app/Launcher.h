// The launcher: the program's main window, opening the calculators, the about box and help.
#pragma once

#include "app/AboutBox.h"
#include "chromatogram/ChromatogramWindow.h"
#include "column/ColumnCalculator.h"
#include "translate/MethodTranslator.h"
#include "ui/Dialog.h"
#include "ui/Host.h"
#include "vapor/VaporCalculator.h"

namespace veltrane {

// Launcher menu and button commands.
constexpr int IDC_FLOW_BUTTON = 1000;
constexpr int IDC_VAPOR_BUTTON = 1001;
constexpr int IDC_EXIT_BUTTON = 1002;
constexpr int ID_HELP_CONTENTS = 57670;
constexpr int ID_FILE_VAPOR = 32771;
constexpr int ID_FILE_EXIT = 32772;
constexpr int ID_FILE_ABOUT = 32775;
constexpr int ID_FILE_FLOW = 32776;
constexpr int ID_FILE_TRANSLATE = 32777;
constexpr int ID_FILE_CHROMATOGRAM = 32778;
// The about item the launcher adds to its window's own menu.
constexpr int IDM_ABOUTBOX = 16;

class Launcher {
public:
    explicit Launcher(ui::Host& host);

    // Runs the launcher modally; the program ends when this returns.
    int run();

private:
    void bind(ui::Dialog& dialog);
    void initialize(ui::Dialog& dialog);
    void openColumn();
    void openVapor();
    void openAbout();

    ui::Host& m_host;
    VaporCalculator m_vapor;
    AboutBox m_about;
    ColumnCalculator m_column;
    MethodTranslator m_translator;
    ChromatogramWindow m_chromatogram;
};

}  // namespace veltrane
