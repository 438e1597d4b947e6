// Everything outside a window: modal runs, message boxes, printing, help, editor, system facts.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/TextFile.h"
#include "ui/Canvas.h"

namespace veltrane::ui {

class Dialog;

enum class MessageIcon { Information, Exclamation };

// What the print dialog gave: nothing (cancelled), no usable printer, or a printer.
struct PrinterChoice {
    enum class Outcome { Cancelled, NoPrinter, Chosen };
    Outcome outcome = Outcome::Cancelled;
    std::unique_ptr<Printer> printer;
};

class Host {
public:
    virtual ~Host() = default;

    // Creates the dialog's window, sends it its initialisation, and returns when it has ended.
    virtual int runModal(Dialog& dialog) = 0;
    // A message box with one OK button; returns when it is dismissed.
    virtual void messageBox(const std::string& text, const std::string& caption,
                            MessageIcon icon) = 0;
    // The print dialog: all pages only, no page ranges or selection. It also offers a PDF file,
    // named `fileName` in the work folder, and picks it when the machine has no printer.
    virtual PrinterChoice choosePrinter(const std::string& fileName) = 0;

    // Run on the user-interface thread when a program started for the user turns out to have
    // failed: it could not start, or it ended with a non-zero status. That may be long after
    // the call, when the window that asked has closed.
    using LaunchFailed = std::function<void()>;
    // Opens an HTML help file at an anchor (empty: the top) in the desktop's viewer.
    virtual void openHelp(const std::filesystem::path& file, const std::string& anchor,
                          LaunchFailed failed) = 0;
    // Starts the desktop's text editor on a file without waiting for it.
    virtual void startEditor(const std::filesystem::path& file, LaunchFailed failed) = 0;

    // The folder the program's files (lists, flow.cfg, plot.xy) live in.
    virtual std::filesystem::path workFolder() = 0;
    // The text of one of those files, which the windows read only through here. A window
    // creates a missing file empty; a host that must leave the folder untouched may not.
    virtual std::string readWorkFile(const std::string& name) {
        return ReadTextFile(workFolder() / name);
    }
    // Saves one of those files whole or not at all (see WriteTextLines); false when it could
    // not be written. The windows write their files only through here.
    virtual bool writeWorkFile(const std::string& name, const std::vector<std::string>& lines,
                               Durability durability) {
        return WriteTextLines(workFolder() / name, lines, durability);
    }
    // The program file itself; its help file and message captions are named after it.
    virtual std::filesystem::path programFile() = 0;
    virtual std::filesystem::path currentFolder() = 0;
    virtual std::optional<std::uint64_t> freePhysicalMemory() = 0;  // bytes
    virtual std::optional<std::uint64_t> freeDiskSpace(const std::filesystem::path& folder) = 0;
};

}  // namespace veltrane::ui
