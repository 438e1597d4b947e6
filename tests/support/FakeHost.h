// A host for window-logic tests: scripted modal runs, recorded calls, a work folder in memory.
#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "tests/support/RecordingCanvas.h"
#include "ui/Dialog.h"
#include "ui/Host.h"

namespace veltrane::testing {

class FakeHost : public ui::Host {
public:
    using Script = std::function<void(ui::Dialog&)>;

    struct MessageRecord {
        std::string text;
        std::string caption;
        ui::MessageIcon icon;
    };
    struct HelpRecord {
        std::filesystem::path file;
        std::string anchor;
    };

    FakeHost();
    ~FakeHost() override;

    // The next modal run of dialog `dialogId` runs `script` after the window's initialisation.
    // A run without a script, or whose script leaves the window open, ends with Cancel.
    void expect(int dialogId, Script script);

    // The work folder's files, as bytes, kept in memory: a window reads and saves them through
    // the host, so nothing it does touches the disk.
    void writeFile(const std::string& name, const std::string& bytes);
    std::string readFile(const std::string& name) const;  // empty when there is none
    bool hasFile(const std::string& name) const { return m_files.contains(name); }
    void removeFile(const std::string& name) { m_files.erase(name); }
    // Copies the shipped gas, solvent and liner lists in.
    void layShippedLists();

    // ui::Host
    int runModal(ui::Dialog& dialog) override;
    void messageBox(const std::string& text, const std::string& caption,
                    ui::MessageIcon icon) override;
    ui::PrinterChoice choosePrinter(const std::string& fileName) override;
    void openHelp(const std::filesystem::path& file, const std::string& anchor,
                  LaunchFailed failed) override;
    void startEditor(const std::filesystem::path& file, LaunchFailed failed) override;
    std::filesystem::path workFolder() override { return "/home/analyst/work"; }
    // A missing file is created empty, as a window's read creates it.
    std::string readWorkFile(const std::string& name) override;
    bool writeWorkFile(const std::string& name, const std::vector<std::string>& lines,
                       Durability durability) override;
    std::filesystem::path programFile() override { return "/opt/veltrane/bin/veltrane"; }
    std::filesystem::path currentFolder() override { return currentFolderAnswer; }
    std::optional<std::uint64_t> freePhysicalMemory() override { return memoryAnswer; }
    std::optional<std::uint64_t> freeDiskSpace(const std::filesystem::path& folder) override;

    // Every help viewer and editor started so far and still running now ends badly, as an
    // xdg-open that finds no program does, possibly after the asking window closed.
    void failRunningLaunches();

    // What the tests set.
    bool helpStarts = true;    // false: the viewer cannot start at all
    bool editorStarts = true;  // false: the editor cannot start at all
    ui::PrinterChoice::Outcome printOutcome = ui::PrinterChoice::Outcome::Chosen;
    bool printerBegins = true;         // false: the chosen printer cannot start a document
    bool printerFinishes = true;       // false: it cannot finish one (a PDF on a full disk)
    std::set<std::string> unwritable;  // files a save is refused for, as a read-only file is
    std::function<void(const std::string& name)> afterSave;  // run after each good save
    ui::TextMetrics printerMetrics{50, 4, 25};
    std::filesystem::path currentFolderAnswer = "/home/analyst/work";
    std::optional<std::uint64_t> memoryAnswer = 16384ull * 1024;
    std::optional<std::uint64_t> diskAnswer = 1234567ull * 1024;

    // What the tests read back.
    std::vector<int> opened;  // dialog ids, in the order their windows opened
    std::vector<MessageRecord> messages;
    std::vector<HelpRecord> helps;
    std::vector<std::filesystem::path> editors;
    std::vector<std::string> printFiles;  // the PDF file name each print dialog offered
    std::vector<std::filesystem::path> diskQueries;
    // Every printer handed out, kept here so tests read the page after the printout ends.
    std::vector<std::shared_ptr<RecordingPrinter>> printed;

private:
    std::map<std::string, std::string> m_files;  // name -> bytes
    std::map<int, std::deque<Script>> m_scripts;
    std::vector<LaunchFailed> m_running;
};

}  // namespace veltrane::testing
