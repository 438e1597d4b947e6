// The native window of a ui::Dialog: a modal dialog made from its layout's template, its
// controls kept in step with the window logic, and what the user does on them turned into the
// dialog's input calls.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "resources/Clips.h"
#include "ui/Dialog.h"
#include "ui/win32/NativeControls.h"
#include "ui/win32/Pictures.h"
#include "ui/win32/Win32.h"

namespace veltrane::win32 {

class Win32Host;

// One window serves every dialog. A change the window logic makes to a control updates that
// native control only; input on a control becomes one of the dialog's input calls (typeInto,
// leave, click, moveSlider, stepSpin, selectEntry, doubleClick, paint). Updates going to the
// controls are fenced off, so the notifications they raise never come back as input.
class DialogWindow : private ui::DialogObserver {
public:
    DialogWindow(ui::Dialog& dialog, Win32Host& host);
    ~DialogWindow() override;
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    // Runs the window modally over `owner`; returns when the dialog has ended.
    int run(HWND owner);

    ui::Dialog& dialog() const { return m_dialog; }
    HWND window() const { return m_window; }
    // The native control of an id, null when the layout has none.
    HWND control(int id) const;
    HMENU menu() const { return m_menu; }
    // Device pixels per nominal pixel of the window layer, as this window was laid out.
    double scaleX() const { return m_context.scaleX; }
    double scaleY() const { return m_context.scaleY; }

private:
    struct Clip {
        std::optional<res::ClipInfo> info;
        int clip = 0;
        int frame = 0;
        int from = 0;
        int to = 0;
        int playsLeft = 0;  // -1: for ever
        int playCount = 0;
        bool running = false;
    };

    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);

    // ui::DialogObserver
    void controlChanged(int id) override;
    void captionChanged() override;
    void contextMenuChanged() override;
    void invalidated() override;
    void ended(int result) override;

    void initialize();
    void measure();
    void buildMenu();
    void placePictures();
    void centre();
    void sync(int id);
    void syncAll();
    bool acceptsInput() const;
    void command(int id, int notification, HWND from);
    void scrolled(HWND from);
    bool notified(const NMHDR& header);
    void drawItem(const DRAWITEMSTRUCT& item);
    void paint();
    void syncClip(int id);
    void advanceClip(int id);
    int idOf(HWND window) const;
    // What a control shows: the dialog's state of a tracked control, the layout's otherwise.
    ui::Control shownControl(std::size_t index) const;
    void setFirstFocus();
    const Picture& pictureFor(const ui::Control& control);

    ui::Dialog& m_dialog;
    Win32Host& m_host;
    HWND m_window = nullptr;
    HMENU m_menu = nullptr;
    HMENU m_systemMenu = nullptr;
    NativeContext m_context;
    std::map<int, HWND> m_controls;  // tracked ids only
    std::vector<HWND> m_windows;     // every control, in layout order
    std::map<int, Clip> m_clips;
    std::vector<int> m_systemCommands;
    SIZE m_minimumSize{0, 0};  // the window as laid out
    bool m_syncing = false;
    bool m_shown = false;
};

}  // namespace veltrane::win32
