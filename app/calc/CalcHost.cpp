#include "app/calc/CalcHost.h"

#include <ostream>

#include "app/Process.h"
#include "data/TextFile.h"
#include "plot/PlotData.h"

namespace veltrane::calc {

CalcHost::CalcHost(std::filesystem::path folder, int targetDialog, Driver driver,
                   std::ostream& notices)
    : m_folder(std::move(folder)),
      m_target(targetDialog),
      m_driver(std::move(driver)),
      m_notices(notices) {}

int CalcHost::runModal(ui::Dialog& dialog) {
    const int id = dialog.layout().id;
    if (id != m_target && (id != m_inner || m_inner == 0)) {
        ++m_othersOpened;
        return ui::IDCANCEL;
    }
    dialog.initialize();
    if (!dialog.hasEnded()) (id == m_target ? m_driver : m_innerDriver)(dialog);
    // Closing without OK: the settings file is never written.
    if (!dialog.hasEnded()) dialog.end(ui::IDCANCEL);
    return dialog.result();
}

void CalcHost::messageBox(const std::string& text, const std::string&, ui::MessageIcon) {
    if (m_noticesShown.insert(text).second) m_notices << "notice: " << text << '\n';
}

std::string CalcHost::readWorkFile(const std::string& name) {
    auto file = m_files.find(name);
    if (file == m_files.end())
        file = m_files.emplace(name, ReadTextFile(m_folder / name, MissingFile::ReadAsEmpty)).first;
    return file->second;
}

bool CalcHost::writeWorkFile(const std::string& name, const std::vector<std::string>& lines,
                             Durability durability) {
    return name == kPlotFileName && WriteTextLines(m_folder / name, lines, durability);
}

std::filesystem::path CalcHost::programFile() {
    return OwnProgramFile();
}

}  // namespace veltrane::calc
