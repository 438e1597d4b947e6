// A host without windows: runs one calculator window headless for veltrane-calc.
#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <map>
#include <set>
#include <string>

#include "ui/Dialog.h"
#include "ui/Host.h"

namespace veltrane::calc {

// Opens the target window as the launcher would, hands it to the driver, then closes it
// without saving; so too the window the target opens over itself, when one is named. Any other
// window (the plot window behind Plot) is not opened at all;
// message boxes become "notice:" lines on the error stream, each text once however many
// times the window is opened. The work files are read once and never created: a missing one
// reads as empty, as the window would find it after creating it. So that stays true, no
// window run by this host may read back a file it wrote; the only file written, plot.xy,
// is read by the plot window alone, which is never opened here.
class CalcHost : public ui::Host {
public:
    using Driver = std::function<void(ui::Dialog&)>;

    CalcHost(std::filesystem::path folder, int targetDialog, Driver driver, std::ostream& notices);

    int runModal(ui::Dialog& dialog) override;
    void messageBox(const std::string& text, const std::string& caption,
                    ui::MessageIcon icon) override;
    ui::PrinterChoice choosePrinter(const std::string&) override { return {}; }
    void openHelp(const std::filesystem::path&, const std::string&, LaunchFailed failed) override {
        failed();
    }
    void startEditor(const std::filesystem::path&, LaunchFailed failed) override { failed(); }
    std::filesystem::path workFolder() override { return m_folder; }
    std::string readWorkFile(const std::string& name) override;
    // plot.xy, which `plot` is for, is saved; every other file is refused, so a window run here
    // can never change the user's settings or lists, whatever it is asked to do.
    bool writeWorkFile(const std::string& name, const std::vector<std::string>& lines,
                       Durability durability) override;
    std::filesystem::path programFile() override;
    std::filesystem::path currentFolder() override { return m_folder; }
    std::optional<std::uint64_t> freePhysicalMemory() override { return std::nullopt; }
    std::optional<std::uint64_t> freeDiskSpace(const std::filesystem::path&) override {
        return std::nullopt;
    }

    void setDriver(Driver driver) { m_driver = std::move(driver); }
    // A window the target opens over itself, driven while it is open; 0 for none.
    void setInnerDriver(int dialogId, Driver driver) {
        m_inner = dialogId;
        m_innerDriver = std::move(driver);
    }
    // How many times a window other than the target was asked to open.
    int otherWindowsOpened() const { return m_othersOpened; }

private:
    std::filesystem::path m_folder;
    int m_target;
    Driver m_driver;
    int m_inner = 0;
    Driver m_innerDriver;
    std::ostream& m_notices;
    std::set<std::string> m_noticesShown;
    std::map<std::string, std::string> m_files;  // name -> text, as first read
    int m_othersOpened = 0;
};

}  // namespace veltrane::calc
