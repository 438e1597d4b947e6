// The Windows host: native modal dialogs, message boxes, the print dialog, help in the user's
// browser and the list editor, and the facts of the machine.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/Host.h"
#include "ui/win32/Pictures.h"
#include "ui/win32/Win32.h"

namespace veltrane::win32 {

class DialogWindow;

class Win32Host : public ui::Host {
public:
    explicit Win32Host(HINSTANCE instance);
    ~Win32Host() override;
    Win32Host(const Win32Host&) = delete;
    Win32Host& operator=(const Win32Host&) = delete;

    int runModal(ui::Dialog& dialog) override;
    void messageBox(const std::string& text, const std::string& caption,
                    ui::MessageIcon icon) override;
    ui::PrinterChoice choosePrinter(const std::string& fileName) override;
    void openHelp(const std::filesystem::path& file, const std::string& anchor,
                  LaunchFailed failed) override;
    void startEditor(const std::filesystem::path& file, LaunchFailed failed) override;

    std::filesystem::path workFolder() override;
    std::filesystem::path programFile() override;
    std::filesystem::path currentFolder() override;
    std::optional<std::uint64_t> freePhysicalMemory() override;
    std::optional<std::uint64_t> freeDiskSpace(const std::filesystem::path& folder) override;

    HINSTANCE instance() const { return m_instance; }
    Pictures& pictures() { return m_pictures; }
    // The innermost open window; null when none is open.
    DialogWindow* activeWindow() const;

    // Called with every window once it is on screen, inside its modal loop: the place from
    // which a test drives a real window as a person would.
    using ShownHook = std::function<void(DialogWindow&)>;
    void setShownHook(ShownHook hook) { m_shownHook = std::move(hook); }
    void windowShown(DialogWindow& window);
    void windowOpened(DialogWindow& window) { m_open.push_back(&window); }
    void windowClosed() { m_open.pop_back(); }

protected:
    // The print dialog; S_OK with PD_RESULT_PRINT and a device context when a printer was
    // chosen. A test answers it with the default printer instead of a person.
    virtual HRESULT askForPrinter(PRINTDLGEXW& dialog);
    // Starts a command line without waiting for it; `failed` runs later on this thread when
    // it could not start or ended with a non-zero status.
    virtual void launch(const std::wstring& commandLine, LaunchFailed failed);

private:
    struct Launch;
    static LRESULT CALLBACK NotifierProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam);
    static void CALLBACK ProcessEnded(void* context, BOOLEAN timedOut);
    void launchEnded(Launch* launch);

    HINSTANCE m_instance;
    Pictures m_pictures;
    HWND m_notifier = nullptr;          // receives the ends of launched programs on this thread
    bool m_com = false;                 // COM set up by this host, to be ended with it
    std::vector<DialogWindow*> m_open;  // innermost last
    std::vector<std::unique_ptr<Launch>> m_launches;
    ShownHook m_shownHook;
};

}  // namespace veltrane::win32
