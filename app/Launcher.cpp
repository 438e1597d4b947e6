#include "app/Launcher.h"

#include "resources/Layouts.h"
#include "resources/Strings.h"
#include "ui/HostActions.h"

namespace veltrane {

Launcher::Launcher(ui::Host& host)
    : m_host(host),
      m_vapor(host),
      m_about(host),
      m_column(host),
      m_translator(host),
      m_chromatogram(host) {}

int Launcher::run() {
    ui::Dialog dialog(res::LauncherLayout());
    bind(dialog);
    return m_host.runModal(dialog);
}

void Launcher::bind(ui::Dialog& dialog) {
    dialog.onInit([this, &dialog] { initialize(dialog); });
    for (int id : {IDC_FLOW_BUTTON, ID_FILE_FLOW}) dialog.onClick(id, [this] { openColumn(); });
    for (int id : {IDC_VAPOR_BUTTON, ID_FILE_VAPOR}) dialog.onClick(id, [this] { openVapor(); });
    dialog.onClick(ID_FILE_TRANSLATE, [this] { m_translator.run(); });
    dialog.onClick(ID_FILE_CHROMATOGRAM, [this] { m_chromatogram.run(); });
    for (int id : {ID_FILE_ABOUT, IDM_ABOUTBOX}) dialog.onClick(id, [this] { openAbout(); });
    for (int id : {IDC_EXIT_BUTTON, ID_FILE_EXIT})
        dialog.onClick(id, [&dialog] { dialog.end(ui::IDOK); });
    dialog.onClick(ID_HELP_CONTENTS, [this] { ui::ShowHelp(m_host, ""); });
}

void Launcher::initialize(ui::Dialog& dialog) {
    // The window manager owns the system menu, so the about item goes into the window's own
    // context menu; without its string there is no item at all.
    const std::string about = res::LoadString(res::IDS_ABOUTBOX);
    if (!about.empty()) dialog.addContextMenuItem(IDM_ABOUTBOX, about);
}

void Launcher::openColumn() {
    m_column.run();
}

void Launcher::openVapor() {
    m_vapor.run();
}

void Launcher::openAbout() {
    m_about.run();
}

}  // namespace veltrane
