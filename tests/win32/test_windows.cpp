// The real windows on the Windows host, under Wine on a virtual display: each opened and driven
// through its native controls with the window messages a person's keys and clicks send, its
// texts read back from the controls, a screenshot of each in both languages, printing through
// whatever printer the system has, and launches that fail.
// First: <windows.h> without the macros that clash with the window layer's names, whatever
// includes it again later.
#include "ui/win32/Win32.h"
// clang-format off
#include <wincodec.h>
#include <winspool.h>
// clang-format on

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/Launcher.h"
#include "app/calc/Calculators.h"
#include "app/calc/Cases.h"
#include "column/ColumnIds.h"
#include "data/Translation.h"
#include "plot/PlotWindow.h"
#include "resources/ResourceIds.h"
#include "translate/TranslateIds.h"
#include "ui/win32/DialogWindow.h"
#include "ui/win32/NativeControls.h"
#include "ui/win32/Win32.h"
#include "ui/win32/Win32Host.h"
#include "ui/win32/Win32Text.h"

namespace veltrane::win32 {
namespace {

namespace fs = std::filesystem;

// A host whose message boxes are written down instead of waiting for a person, and whose print
// dialog is answered with the system's default printer, as pressing Print at once would.
class TestHost : public Win32Host {
public:
    TestHost() : Win32Host(GetModuleHandleW(nullptr)) {}
    void messageBox(const std::string& text, const std::string&, ui::MessageIcon) override {
        messages.push_back(text);
    }
    using Win32Host::launch;
    std::vector<std::string> messages;

protected:
    HRESULT askForPrinter(PRINTDLGEXW& dialog) override {
        dialog.Flags |= PD_RETURNDEFAULT;
        const HRESULT result = PrintDlgExW(&dialog);
        // The dialog that was never shown reports no action; its device context says it all.
        if (result == S_OK && dialog.hDC) dialog.dwResultAction = PD_RESULT_PRINT;
        return result;
    }
};

// Lets the windows do what they have been told (paint, run timers) for a while.
void Pump(int milliseconds) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < until) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
}

// Writes 32-bit BGRX pixels, top row first, as a PNG.
bool SavePng(const std::vector<std::uint8_t>& pixels, int width, int height, const fs::path& file) {
    const UINT stride = static_cast<UINT>(width) * 3;
    std::vector<BYTE> rows(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height));
    for (std::size_t k = 0; k < rows.size() / 3; ++k)
        for (std::size_t c = 0; c < 3; ++c) rows[k * 3 + c] = pixels[k * 4 + c];
    IWICImagingFactory* factory = nullptr;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&factory))))
        return false;
    IWICStream* stream = nullptr;
    IWICBitmapEncoder* encoder = nullptr;
    IWICBitmapFrameEncode* frame = nullptr;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    const bool saved =
        SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromFilename(file.c_str(), GENERIC_WRITE)) &&
        SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
        SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
        SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) &&
        SUCCEEDED(frame->Initialize(nullptr)) &&
        SUCCEEDED(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height))) &&
        SUCCEEDED(frame->SetPixelFormat(&format)) && format == GUID_WICPixelFormat24bppBGR &&
        SUCCEEDED(frame->WritePixels(static_cast<UINT>(height), stride,
                                     static_cast<UINT>(rows.size()), rows.data())) &&
        SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
    for (IUnknown* object : std::initializer_list<IUnknown*>{frame, encoder, stream, factory})
        if (object) object->Release();
    return saved;
}

// The window as it stands on the screen, written to build-win32/screenshots/.
void Screenshot(HWND window, const std::string& name) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(400);
    RECT r{};
    GetWindowRect(window, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    // The window's own device context: what the window has drawn, frame and controls
    // included, whether or not the display has caught up with it yet.
    HDC source = GetWindowDC(window);
    HDC memory = CreateCompatibleDC(source);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_TRUE(bitmap && bits) << name;
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* first = static_cast<const std::uint8_t*>(bits);
    const std::vector<std::uint8_t> pixels(first,
                                           first + static_cast<std::size_t>(width) * height * 4);
    SelectObject(memory, old);
    const fs::path folder = VELTRANE_SCREENSHOTS;
    std::error_code error;
    fs::create_directories(folder, error);
    EXPECT_TRUE(SavePng(pixels, width, height, folder / (name + ".png"))) << name;
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, source);
}

// --- a person's input, as the controls send it --------------------------------------------

void Type(DialogWindow& window, int id, const std::string& text) {
    HWND edit = window.control(id);
    ASSERT_TRUE(edit) << id;
    SetFocus(edit);
    SetWindowTextW(edit, Wide(text).c_str());                // the edit says it changed
    SendMessageW(window.window(), WM_NEXTDLGCTL, 0, FALSE);  // Tab: the edit is left
}

void Click(DialogWindow& window, int id) {
    HWND button = window.control(id);
    ASSERT_TRUE(button) << id;
    SendMessageW(button, BM_CLICK, 0, 0);
}

void Menu(DialogWindow& window, int command) {
    SendMessageW(window.window(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

void Key(HWND control, UINT key) {
    SetFocus(control);
    SendMessageW(control, WM_KEYDOWN, key, 0);
    SendMessageW(control, WM_KEYUP, key, 0);
}

// Picks the first entry that begins with `prefix`, as a person picks it from the list: the
// list box's choice, then the notification the list sends its window.
void Pick(DialogWindow& window, int id, const std::string& prefix) {
    HWND combo = window.control(id);
    ASSERT_TRUE(combo) << id;
    const LRESULT index = SendMessageW(combo, CB_FINDSTRING, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(Wide(prefix).c_str()));
    ASSERT_NE(index, CB_ERR) << prefix;
    SetFocus(combo);
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(window.window(), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

void Close(DialogWindow& window) {
    SendMessageW(window.window(), WM_CLOSE, 0, 0);
}

// Every text control shows what the window logic holds.
void ExpectControlsShowTheDialog(DialogWindow& window) {
    for (const ui::ControlLayout& layout : window.dialog().layout().controls) {
        HWND control = window.control(layout.id);
        if (!control) continue;
        const ui::ControlKind kind = layout.kind;
        if (kind == ui::ControlKind::Edit || kind == ui::ControlKind::Static ||
            kind == ui::ControlKind::PushButton || kind == ui::ControlKind::RadioButton) {
            EXPECT_EQ(NativeText(control), window.dialog().text(layout.id))
                << "control " << layout.id << " of dialog " << window.dialog().layout().id;
        }
    }
}

// --- the whole program, window by window ---------------------------------------------------

class WindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() /
                   ("veltrane-windows-" + std::to_string(GetCurrentProcessId()));
        fs::create_directories(m_folder);
        for (const char* list : {"gases.txt", "solvents.txt", "liners.txt", "compounds.txt"})
            fs::copy_file(fs::path(VELTRANE_SHIPPED_LISTS) / list, m_folder / list,
                          fs::copy_options::overwrite_existing);
        m_previous = fs::current_path();
        fs::current_path(m_folder);
    }
    void TearDown() override {
        fs::current_path(m_previous);
        std::error_code error;
        fs::remove_all(m_folder, error);
        ChooseLanguage(CatalogFolder(VELTRANE_PROGRAM_FILE), std::string("ru"));
    }

    // Runs the launcher; `drive` is called with every window once it is on screen.
    void RunProgram(const std::function<void(DialogWindow&)>& drive) {
        m_host.setShownHook([&](DialogWindow& window) {
            m_opened.insert(window.dialog().layout().id);
            drive(window);
        });
        Launcher launcher(m_host);
        launcher.run();
    }

    TestHost m_host;
    std::set<int> m_opened;
    fs::path m_folder;
    fs::path m_previous;
};

class EveryWindow : public WindowsTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(EveryWindow, OpensDrawsAndShowsItsTexts) {
    const std::string language = GetParam();
    ChooseLanguage(CatalogFolder(VELTRANE_PROGRAM_FILE), language);
    // At another scale than 100 % the screenshots are named after it: column-en-192dpi.png.
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    std::string suffix = language == "en" ? "-en" : "";
    if (dpi != 96) suffix.append("-").append(std::to_string(dpi)).append("dpi");
    RunProgram([&](DialogWindow& window) {
        ExpectControlsShowTheDialog(window);
        EXPECT_EQ(NativeText(window.window()), window.dialog().caption());
        switch (window.dialog().layout().id) {
            case res::IDD_LAUNCHER:
                Screenshot(window.window(), "launcher" + suffix);
                Click(window, IDC_FLOW_BUTTON);
                Click(window, IDC_VAPOR_BUTTON);
                Menu(window, ID_FILE_TRANSLATE);
                Menu(window, ID_FILE_CHROMATOGRAM);
                Menu(window, ID_FILE_ABOUT);
                Click(window, IDC_EXIT_BUTTON);
                break;
            case res::IDD_COLUMN:
                Screenshot(window.window(), "column" + suffix);
                Click(window, column::IDC_PLOT);
                Close(window);
                break;
            case res::IDD_PLOT:
                Screenshot(window.window(), "plot" + suffix);
                Close(window);
                break;
            case res::IDD_VAPOR:
                Screenshot(window.window(), "vapor" + suffix);
                Close(window);
                break;
            case res::IDD_TRANSLATE:
                Screenshot(window.window(), "translate" + suffix);
                Click(window, translate::IDC_CHROMATOGRAMS);
                Close(window);
                break;
            case res::IDD_TRANSLATED:
                Screenshot(window.window(), "translate-chromatograms" + suffix);
                Close(window);
                break;
            case res::IDD_CHROMATOGRAM:
                Screenshot(window.window(), "chromatogram" + suffix);
                Close(window);
                break;
            case res::IDD_ABOUT:
                Pump(300);  // the clip plays a few frames
                Screenshot(window.window(), "about" + suffix);
                Close(window);
                break;
            default:
                ADD_FAILURE() << "an unexpected window " << window.dialog().layout().id;
                Close(window);
        }
    });
    EXPECT_EQ(m_opened, (std::set<int>{res::IDD_LAUNCHER, res::IDD_COLUMN, res::IDD_PLOT,
                                       res::IDD_VAPOR, res::IDD_TRANSLATE, res::IDD_TRANSLATED,
                                       res::IDD_CHROMATOGRAM, res::IDD_ABOUT}));
}

INSTANTIATE_TEST_SUITE_P(Languages, EveryWindow, ::testing::Values("ru", "en"));

// The steps of a veltrane-calc call done on the real window, and what the window then shows
// against what veltrane-calc prints for the same steps.
void ExpectSameAsVeltraneCalc(DialogWindow& window, const calc::Calculator& calculator,
                              const std::vector<std::string>& words, const fs::path& folder) {
    const auto parsed = calc::ParseSteps(calculator, words);
    ASSERT_TRUE(std::holds_alternative<std::vector<calc::Step>>(parsed))
        << std::get<std::string>(parsed);
    for (const calc::Step& step : std::get<std::vector<calc::Step>>(parsed)) {
        switch (step.kind) {
            case calc::Step::Kind::Field:
                Type(window, step.id, step.value);
                break;
            case calc::Step::Kind::Choice:
            case calc::Step::Kind::Button:
                Click(window, step.id);
                break;
            case calc::Step::Kind::List:
                Pick(window, step.id, step.value);
                break;
        }
    }
    ExpectControlsShowTheDialog(window);
    const calc::Output shown = calc::Collect(window.dialog(), calculator);

    std::ostringstream notices;
    calc::CaseRunner runner(calculator, folder, notices);
    std::variant<std::vector<calc::Output>, std::string> printed;
    runner.open([&] { printed = runner.run(std::get<std::vector<calc::Step>>(parsed), {}); });
    ASSERT_TRUE(std::holds_alternative<std::vector<calc::Output>>(printed));
    EXPECT_EQ(std::vector<calc::Output>{shown}, std::get<0>(printed));
}

TEST_F(WindowsTest, CalculatorsDrivenAsAPersonShowWhatVeltraneCalcPrints) {
    ChooseLanguage(CatalogFolder(VELTRANE_PROGRAM_FILE), std::string("ru"));
    RunProgram([&](DialogWindow& window) {
        switch (window.dialog().layout().id) {
            case res::IDD_LAUNCHER:
                Click(window, IDC_FLOW_BUTTON);
                Click(window, IDC_VAPOR_BUTTON);
                Menu(window, ID_FILE_TRANSLATE);
                Click(window, IDC_EXIT_BUTTON);
                break;
            case res::IDD_COLUMN: {
                ExpectSameAsVeltraneCalc(
                    window, calc::ColumnCalculatorSteps(),
                    {"length=15", "gas=hydro", "unit=psi", "temperature=80", "outlet-mode=vac"},
                    m_folder);
                // A slider moved by a key moves its field with it.
                const std::string before = NativeText(window.control(column::IDC_LENGTH));
                Key(window.control(column::IDC_LENGTH_SLIDER), VK_RIGHT);
                EXPECT_NE(NativeText(window.control(column::IDC_LENGTH)), before);
                ExpectControlsShowTheDialog(window);
                Close(window);
                break;
            }
            case res::IDD_VAPOR:
                ExpectSameAsVeltraneCalc(window, calc::VaporCalculatorSteps(),
                                         {"solvent=aceto", "volume=2", "unit=bar", "pressure=1,5"},
                                         m_folder);
                Close(window);
                break;
            case res::IDD_TRANSLATE:
                ExpectSameAsVeltraneCalc(window, calc::TranslateCalculatorSteps(),
                                         {"new-gas=hydro", "control=flow", "goal=optimum"},
                                         m_folder);
                Close(window);
                break;
            default:
                Close(window);
        }
    });
}

// Printing goes to the system's default printer; with none installed the user is told. The
// velocity plot prints its chart.
TEST_F(WindowsTest, PrintingReachesThePrinterOrSaysThereIsNone) {
    DWORD size = 0;
    GetDefaultPrinterW(nullptr, &size);
    const bool hasPrinter = size > 0;
    RunProgram([&](DialogWindow& window) {
        switch (window.dialog().layout().id) {
            case res::IDD_LAUNCHER:
                Click(window, IDC_FLOW_BUTTON);
                Click(window, IDC_EXIT_BUTTON);
                break;
            case res::IDD_COLUMN:
                Click(window, column::IDC_PLOT);
                Close(window);
                break;
            case res::IDD_PLOT:
                m_host.messages.clear();  // flow.cfg is missing at first
                Click(window, plot::IDC_PRINT);
                Close(window);
                break;
            default:
                Close(window);
        }
    });
    if (hasPrinter)
        EXPECT_EQ(m_host.messages, std::vector<std::string>{});
    else
        EXPECT_EQ(m_host.messages,
                  std::vector<std::string>{"Sorry, can't get printer device context"});
}

// A program started for the user that cannot start, or that fails, is reported once its end
// is known; one that ends well is not.
TEST_F(WindowsTest, LaunchesThatFailAreReported) {
    std::map<std::string, int> failures;
    m_host.launch(L"no-such-program-anywhere.exe", [&] { ++failures["missing"]; });
    m_host.launch(L"cmd.exe /c exit 3", [&] { ++failures["exit 3"]; });
    m_host.launch(L"cmd.exe /c exit 0", [&] { ++failures["exit 0"]; });
    for (int waited = 0; waited < 100 && failures.size() < 2; ++waited) Pump(100);
    Pump(2000);  // time for a wrong report of the one that ended well
    EXPECT_EQ(failures, (std::map<std::string, int>{{"exit 3", 1}, {"missing", 1}}));
}

}  // namespace
}  // namespace veltrane::win32
