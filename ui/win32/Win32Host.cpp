#include "ui/win32/Win32Host.h"

#include <commdlg.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <algorithm>
#include <system_error>

#include "ui/Dialog.h"
#include "ui/SystemInfo.h"
#include "ui/win32/DialogWindow.h"
#include "ui/win32/GdiPrinter.h"
#include "ui/win32/Win32Text.h"

namespace veltrane::win32 {

namespace {

constexpr UINT kLaunchEnded = WM_APP + 10;
constexpr DWORD kLaunchWatchMs = 10000;
constexpr wchar_t kNotifierClass[] = L"VeltraneLaunchNotifier";

// A message box is placed over its window as it activates: MessageBox itself centres it on
// the screen.
HWND g_boxOwner = nullptr;
HHOOK g_boxHook = nullptr;

LRESULT CALLBACK CentreMessageBox(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wParam);
        RECT over{};
        RECT placed{};
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        if (g_boxOwner && GetWindowRect(g_boxOwner, &over) && GetWindowRect(box, &placed) &&
            GetMonitorInfoW(MonitorFromWindow(g_boxOwner, MONITOR_DEFAULTTOPRIMARY), &monitor)) {
            const int width = placed.right - placed.left;
            const int height = placed.bottom - placed.top;
            const RECT& area = monitor.rcWork;
            // Never off the screen, whatever the window beneath.
            const int x = std::clamp<int>((over.left + over.right - width) / 2, area.left,
                                          std::max<int>(area.left, area.right - width));
            const int y = std::clamp<int>((over.top + over.bottom - height) / 2, area.top,
                                          std::max<int>(area.top, area.bottom - height));
            SetWindowPos(box, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        UnhookWindowsHookEx(g_boxHook);
        g_boxHook = nullptr;
        return 0;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::wstring Quoted(const std::filesystem::path& path) {
    return L"\"" + path.wstring() + L"\"";
}

// The command line the user's browser opens a web address with, the address put in.
std::wstring BrowserCommand(const std::wstring& url) {
    wchar_t command[2048];
    DWORD size = ARRAYSIZE(command);
    if (FAILED(AssocQueryStringW(ASSOCF_IS_PROTOCOL, ASSOCSTR_COMMAND, L"http", L"open", command,
                                 &size)))
        return {};
    // The command's own variables first: the address's %-escapes are no variables.
    wchar_t expanded[4096];
    const DWORD length = ExpandEnvironmentStringsW(command, expanded, ARRAYSIZE(expanded));
    std::wstring line = length > 0 && length <= ARRAYSIZE(expanded) ? expanded : command;
    const std::size_t at = line.find(L"%1");
    if (at == std::wstring::npos)
        line += L" \"" + url + L"\"";
    else
        line.replace(at, 2, url);
    return line;
}

}  // namespace

struct Win32Host::Launch {
    Win32Host* host = nullptr;
    HANDLE process = nullptr;  // null: it did not start
    HANDLE wait = nullptr;
    LaunchFailed failed;
    bool running = false;  // still running when the watch ended
};

Win32Host::Win32Host(HINSTANCE instance) : m_instance(instance), m_pictures(instance) {
    // The shell's calls and the picture decoder want COM on the windows' thread, for as long
    // as there are windows.
    m_com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_UPDOWN_CLASS |
                     ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES | ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);
    WNDCLASSEXW notifier{};
    notifier.cbSize = sizeof(notifier);
    notifier.lpfnWndProc = NotifierProcedure;
    notifier.hInstance = instance;
    notifier.lpszClassName = kNotifierClass;
    RegisterClassExW(&notifier);  // fails harmlessly when a second host registers it again
    m_notifier = CreateWindowExW(0, kNotifierClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 instance, nullptr);
    if (m_notifier) SetWindowLongPtrW(m_notifier, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32Host::~Win32Host() {
    for (const std::unique_ptr<Launch>& launch : m_launches) {
        if (launch->wait) UnregisterWaitEx(launch->wait, INVALID_HANDLE_VALUE);
        if (launch->process) CloseHandle(launch->process);
    }
    if (m_notifier) DestroyWindow(m_notifier);
    if (m_com) CoUninitialize();
}

int Win32Host::runModal(ui::Dialog& dialog) {
    DialogWindow window(dialog, *this);
    DialogWindow* owner = activeWindow();
    const int result = window.run(owner ? owner->window() : nullptr);
    if (result != -1) return result;
    messageBox("Sorry, the window could not be opened.", "Veltrane", ui::MessageIcon::Exclamation);
    return ui::IDCANCEL;
}

DialogWindow* Win32Host::activeWindow() const {
    return m_open.empty() ? nullptr : m_open.back();
}

void Win32Host::windowShown(DialogWindow& window) {
    if (m_shownHook) m_shownHook(window);
}

void Win32Host::messageBox(const std::string& text, const std::string& caption,
                           ui::MessageIcon icon) {
    HWND owner = nullptr;
    for (auto it = m_open.rbegin(); it != m_open.rend() && !owner; ++it)
        if (IsWindowVisible((*it)->window())) owner = (*it)->window();
    g_boxOwner = owner;
    if (owner && !g_boxHook)
        g_boxHook = SetWindowsHookExW(WH_CBT, CentreMessageBox, nullptr, GetCurrentThreadId());
    const UINT style =
        MB_OK | (icon == ui::MessageIcon::Exclamation ? MB_ICONEXCLAMATION : MB_ICONINFORMATION);
    MessageBoxW(owner, Wide(text).c_str(), Wide(caption).c_str(),
                owner ? style : style | MB_TASKMODAL);
    if (g_boxHook) {
        UnhookWindowsHookEx(g_boxHook);
        g_boxHook = nullptr;
    }
}

HRESULT Win32Host::askForPrinter(PRINTDLGEXW& dialog) {
    return PrintDlgExW(&dialog);
}

ui::PrinterChoice Win32Host::choosePrinter(const std::string&) {
    // A PDF is one of Windows' own printers, so the file name the other hosts offer for it is
    // not needed here.
    ui::PrinterChoice choice;
    // The dialog's structure is to be allocated, not on the stack.
    const auto owned = std::make_unique<PRINTDLGEXW>();
    PRINTDLGEXW& dialog = *owned;
    dialog.lStructSize = sizeof(dialog);
    DialogWindow* owner = activeWindow();
    dialog.hwndOwner = owner ? owner->window() : GetDesktopWindow();
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_NOCURRENTPAGE |
                   PD_USEDEVMODECOPIESANDCOLLATE | PD_HIDEPRINTTOFILE;
    dialog.nCopies = 1;
    dialog.nStartPage = START_PAGE_GENERAL;
    const HRESULT result = askForPrinter(dialog);
    if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
    if (FAILED(result)) {
        // With no printer installed the dialog cannot open (PDERR_NODEFAULTPRN).
        if (dialog.hDC) DeleteDC(dialog.hDC);
        choice.outcome = ui::PrinterChoice::Outcome::NoPrinter;
        return choice;
    }
    if (dialog.dwResultAction != PD_RESULT_PRINT) {
        if (dialog.hDC) DeleteDC(dialog.hDC);
        return choice;
    }
    if (!dialog.hDC) {
        choice.outcome = ui::PrinterChoice::Outcome::NoPrinter;
        return choice;
    }
    choice.outcome = ui::PrinterChoice::Outcome::Chosen;
    choice.printer = std::make_unique<GdiPrinter>(dialog.hDC);
    return choice;
}

void Win32Host::openHelp(const std::filesystem::path& file, const std::string& anchor,
                         LaunchFailed failed) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(file, error);
    if (error || !std::filesystem::is_regular_file(absolute, error)) {
        failed();
        return;
    }
    // The browser is given a file address with its section: opening the file itself through
    // its association would lose the section.
    wchar_t url[2084];  // the longest address a browser takes
    DWORD size = ARRAYSIZE(url);
    if (FAILED(UrlCreateFromPathW(absolute.c_str(), url, &size, 0))) {
        failed();
        return;
    }
    std::wstring address = url;
    if (!anchor.empty()) address += L"#" + Wide(anchor);
    std::wstring command = BrowserCommand(address);
    if (command.empty()) {
        // No browser for web addresses: whatever opens HTML files, at the top of the file.
        const HINSTANCE started =
            ShellExecuteW(nullptr, L"open", absolute.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        if (reinterpret_cast<INT_PTR>(started) <= 32) failed();
        return;
    }
    launch(command, std::move(failed));
}

void Win32Host::startEditor(const std::filesystem::path& file, LaunchFailed failed) {
    // Notepad from the system's own folder: by its bare name the search would try the work
    // folder first, where a file of that name could be anything.
    wchar_t system[MAX_PATH];
    const UINT length = GetSystemDirectoryW(system, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        failed();
        return;
    }
    launch(Quoted(std::filesystem::path(system) / L"notepad.exe") + L" " + Quoted(file),
           std::move(failed));
}

void Win32Host::launch(const std::wstring& commandLine, LaunchFailed failed) {
    auto record = std::make_unique<Launch>();
    record->host = this;
    record->failed = std::move(failed);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring line = commandLine;  // CreateProcessW may write into it
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process)) {
        CloseHandle(process.hThread);
        record->process = process.hProcess;
        // A program that cannot do what it was started for fails at once; one still running
        // after a while has done it, whatever it ends with hours later.
        if (!RegisterWaitForSingleObject(&record->wait, process.hProcess, ProcessEnded,
                                         record.get(), kLaunchWatchMs, WT_EXECUTEONLYONCE)) {
            // Started, but its end cannot be watched: it is taken as started well.
            record->wait = nullptr;
            CloseHandle(record->process);
            return;
        }
    } else {
        // Said from the message loop, as a failure seen later would be.
        PostMessageW(m_notifier, kLaunchEnded, 0, reinterpret_cast<LPARAM>(record.get()));
    }
    m_launches.push_back(std::move(record));
}

void CALLBACK Win32Host::ProcessEnded(void* context, BOOLEAN timedOut) {
    auto* record = static_cast<Launch*>(context);
    record->running = timedOut != FALSE;
    PostMessageW(record->host->m_notifier, kLaunchEnded, 0, reinterpret_cast<LPARAM>(record));
}

LRESULT CALLBACK Win32Host::NotifierProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    if (message == kLaunchEnded) {
        if (auto* host = reinterpret_cast<Win32Host*>(GetWindowLongPtrW(window, GWLP_USERDATA)))
            host->launchEnded(reinterpret_cast<Launch*>(lParam));
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void Win32Host::launchEnded(Launch* launch) {
    auto it =
        std::find_if(m_launches.begin(), m_launches.end(),
                     [launch](const std::unique_ptr<Launch>& l) { return l.get() == launch; });
    if (it == m_launches.end()) return;
    std::unique_ptr<Launch> record = std::move(*it);
    m_launches.erase(it);
    bool succeeded = false;
    if (record->process) {
        if (record->wait) UnregisterWaitEx(record->wait, INVALID_HANDLE_VALUE);
        DWORD code = 1;
        succeeded = record->running || (GetExitCodeProcess(record->process, &code) && code == 0);
        CloseHandle(record->process);
    }
    if (!succeeded && record->failed) record->failed();
}

std::filesystem::path Win32Host::workFolder() {
    return currentFolder();
}

std::filesystem::path Win32Host::programFile() {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) return {};
        if (length < name.size()) return std::filesystem::path(name.substr(0, length));
        name.resize(name.size() * 2);
    }
}

std::filesystem::path Win32Host::currentFolder() {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? std::filesystem::path() : folder;
}

std::optional<std::uint64_t> Win32Host::freePhysicalMemory() {
    return ui::FreePhysicalMemory();
}

std::optional<std::uint64_t> Win32Host::freeDiskSpace(const std::filesystem::path& folder) {
    return ui::FreeDiskSpace(folder);
}

}  // namespace veltrane::win32
