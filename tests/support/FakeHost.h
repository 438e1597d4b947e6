// A host for window-logic tests: scripted modal runs, recorded calls, a temporary work folder.
#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
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

    // Writes a file into the work folder, as bytes.
    void writeFile(const std::string& name, const std::string& bytes) const;
    std::string readFile(const std::string& name) const;

    // ui::Host
    int runModal(ui::Dialog& dialog) override;
    void messageBox(const std::string& text, const std::string& caption,
                    ui::MessageIcon icon) override;
    ui::PrinterChoice choosePrinter(const std::string& fileName) override;
    void openHelp(const std::filesystem::path& file, const std::string& anchor,
                  LaunchFailed failed) override;
    void startEditor(const std::filesystem::path& file, LaunchFailed failed) override;
    std::filesystem::path workFolder() override { return m_folder; }
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
    bool printerBegins = true;  // false: the chosen printer cannot start a document
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
    std::filesystem::path m_folder;
    std::map<int, std::deque<Script>> m_scripts;
    std::vector<LaunchFailed> m_running;
};

}  // namespace veltrane::testing
