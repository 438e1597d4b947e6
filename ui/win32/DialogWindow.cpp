#include "ui/win32/DialogWindow.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>

#include "ui/DialogUnits.h"
#include "ui/win32/GdiCanvas.h"
#include "ui/win32/Win32Host.h"
#include "ui/win32/Win32Text.h"

namespace veltrane::win32 {

using ui::ControlKind;

namespace {

// The window's own messages: it is on screen, its monitor's scale has changed.
constexpr UINT kShown = WM_APP + 1;
constexpr UINT kRescaled = WM_APP + 2;
// A clip's frame timer: this plus the control's id.
constexpr UINT_PTR kClipTimerBase = 0x10000;

int Scaled(double value, double scale) {
    return static_cast<int>(std::lround(value * scale));
}

// Restores a flag when a scope ends, however it ends.
class FlagScope {
public:
    FlagScope(bool& flag, bool value) : m_flag(flag), m_old(flag) { m_flag = value; }
    ~FlagScope() { m_flag = m_old; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& m_flag;
    bool m_old;
};

}  // namespace

DialogWindow::DialogWindow(ui::Dialog& dialog, Win32Host& host) : m_dialog(dialog), m_host(host) {}

DialogWindow::~DialogWindow() {
    m_dialog.setObserver(nullptr);
    for (auto& [key, font] : m_context.fonts) DeleteObject(font);
}

int DialogWindow::run(HWND owner) {
    const std::vector<std::byte> dialogTemplate =
        DialogTemplate(m_dialog.layout(), m_dialog.caption());
    const INT_PTR result = DialogBoxIndirectParamW(
        m_host.instance(), reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.data()), owner,
        Procedure, reinterpret_cast<LPARAM>(this));
    m_dialog.setObserver(nullptr);
    if (result == -1) return -1;
    return m_dialog.hasEnded() ? m_dialog.result() : ui::IDCANCEL;
}

HWND DialogWindow::control(int id) const {
    auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

int DialogWindow::idOf(HWND window) const {
    for (const auto& [id, control] : m_controls)
        if (control == window) return id;
    return 0;
}

INT_PTR CALLBACK DialogWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DialogWindow* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<DialogWindow*>(lParam);
        SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        self->m_window = window;
    } else {
        self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrW(window, DWLP_USER));
    }
    return self ? self->handle(message, wParam, lParam) : FALSE;
}

INT_PTR DialogWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            m_host.windowOpened(*this);
            initialize();
            setFirstFocus();
            return FALSE;
        case kShown:
            // The dialog box shows its window once its queue is first empty; a window that
            // is told it is on screen is shown now.
            if (!IsWindowVisible(m_window)) ShowWindow(m_window, SW_SHOWNORMAL);
            UpdateWindow(m_window);
            m_shown = true;
            m_host.windowShown(*this);
            return TRUE;
        case WM_COMMAND:
            command(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return TRUE;
        case WM_SYSCOMMAND: {
            const int command = static_cast<int>(wParam & 0xFFF0);
            for (int item : m_systemCommands) {
                if ((item & 0xFFF0) == command) {
                    if (acceptsInput()) m_dialog.click(item);
                    return TRUE;
                }
            }
            return FALSE;
        }
        case WM_HSCROLL:
            if (acceptsInput() && LOWORD(wParam) != TB_ENDTRACK)
                scrolled(reinterpret_cast<HWND>(lParam));
            return TRUE;
        case WM_NOTIFY: {
            const LRESULT answer = notified(*reinterpret_cast<const NMHDR*>(lParam)) ? TRUE : FALSE;
            SetWindowLongPtrW(m_window, DWLP_MSGRESULT, answer);
            return TRUE;
        }
        case WM_DRAWITEM:
            drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_PAINT:
            paint();
            return TRUE;
        case WM_LBUTTONDBLCLK:
            if (acceptsInput()) {
                const ui::Point at{Scaled(GET_X_LPARAM(lParam), 1.0 / m_context.scaleX),
                                   Scaled(GET_Y_LPARAM(lParam), 1.0 / m_context.scaleY)};
                m_dialog.doubleClick(at, {(wParam & MK_SHIFT) != 0, (wParam & MK_CONTROL) != 0});
            }
            return TRUE;
        case WM_TIMER:
            if (wParam >= kClipTimerBase) advanceClip(static_cast<int>(wParam - kClipTimerBase));
            return TRUE;
        case WM_GETMINMAXINFO:
            // A window one can resize never gets smaller than its layout.
            if (m_minimumSize.cx > 0) {
                auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
                limits->ptMinTrackSize.x = m_minimumSize.cx;
                limits->ptMinTrackSize.y = m_minimumSize.cy;
            }
            return TRUE;
        case WM_DPICHANGED:
            // The dialog manager scales the window and its controls to the new monitor; the
            // drawing, the pictures and the fonts of our own follow once it has.
            PostMessageW(m_window, kRescaled, 0, 0);
            return FALSE;
        case kRescaled:
            measure();
            for (auto& [key, font] : m_context.fonts) DeleteObject(font);
            m_context.fonts.clear();
            m_context.dialogFont =
                reinterpret_cast<HFONT>(SendMessageW(m_window, WM_GETFONT, 0, 0));
            syncAll();
            placePictures();
            InvalidateRect(m_window, nullptr, TRUE);
            return TRUE;
        case WM_DESTROY:
            for (const auto& [id, clip] : m_clips)
                KillTimer(m_window, kClipTimerBase + static_cast<UINT_PTR>(id));
            m_dialog.setObserver(nullptr);
            m_host.windowClosed();
            return FALSE;
        default:
            return FALSE;
    }
}

void DialogWindow::initialize() {
    m_context.dialog = m_window;
    m_context.dialogFont = reinterpret_cast<HFONT>(SendMessageW(m_window, WM_GETFONT, 0, 0));
    measure();
    const ui::DialogLayout& layout = m_dialog.layout();
    // The dialog made its controls in layout order, which is the order of its children.
    for (HWND child = GetWindow(m_window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        m_windows.push_back(child);
    m_windows.resize(layout.controls.size());
    for (const ui::ControlLayout& control : layout.controls) {
        if (control.id <= 0 || !m_dialog.has(control.id) || m_controls.contains(control.id))
            continue;
        if (HWND window = GetDlgItem(m_window, control.id)) m_controls.emplace(control.id, window);
    }
    m_context.toolTips = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                         m_window, nullptr, m_host.instance(), nullptr);
    buildMenu();
    if (layout.iconId != 0) {
        const auto load = [&](int metricX, int metricY) {
            return static_cast<HICON>(LoadImageW(
                m_host.instance(), MAKEINTRESOURCEW(layout.iconId), IMAGE_ICON,
                GetSystemMetrics(metricX), GetSystemMetrics(metricY), LR_DEFAULTCOLOR | LR_SHARED));
        };
        if (HICON big = load(SM_CXICON, SM_CYICON))
            SendMessageW(m_window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
        if (HICON small = load(SM_CXSMICON, SM_CYSMICON))
            SendMessageW(m_window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    }
    m_dialog.setObserver(this);
    syncAll();
    contextMenuChanged();
    placePictures();
    m_dialog.initialize();
    if (m_dialog.hasEnded()) return;
    RECT frame{};
    GetWindowRect(m_window, &frame);
    m_minimumSize = {frame.right - frame.left, frame.bottom - frame.top};
    centre();
    PostMessageW(m_window, kShown, 0, 0);
}

void DialogWindow::measure() {
    // What one dialog unit came to on this window: the layout's font at this monitor's scale.
    RECT units{0, 0, 400, 800};
    MapDialogRect(m_window, &units);
    m_context.scaleX = units.right / 400.0 / ui::kNominalPixelsPerDluX;
    m_context.scaleY = units.bottom / 800.0 / ui::kNominalPixelsPerDluY;
    m_host.pictures().setFine(std::max(m_context.scaleX, m_context.scaleY) > 1.5);
}

void DialogWindow::buildMenu() {
    const auto& menus = m_dialog.layout().menu;
    if (menus.empty()) return;
    m_menu = CreateMenu();
    for (const ui::MenuLayout& menu : menus) {
        HMENU popup = CreatePopupMenu();
        for (const ui::MenuItemLayout& item : menu.items) {
            if (item.command == 0)
                AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
            else
                AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(item.command),
                            Wide(item.text).c_str());
        }
        AppendMenuW(m_menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), Wide(menu.title).c_str());
    }
    // The template has no menu, so the window grows by the menu bar, keeping its client area.
    RECT before{};
    GetClientRect(m_window, &before);
    SetMenu(m_window, m_menu);
    RECT after{};
    GetClientRect(m_window, &after);
    RECT frame{};
    GetWindowRect(m_window, &frame);
    SetWindowPos(m_window, nullptr, 0, 0, frame.right - frame.left,
                 frame.bottom - frame.top + (before.bottom - after.bottom),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogWindow::placePictures() {
    // A picture button and a picture take the size of their picture, as drawn at this scale.
    const auto& controls = m_dialog.layout().controls;
    for (std::size_t k = 0; k < controls.size(); ++k) {
        const ControlKind kind = controls[k].kind;
        HWND window = m_windows[k];
        if (!window) continue;
        // An icon is drawn 32 nominal pixels square; a picture as large as it was drawn. One
        // scale serves both sides, so the picture keeps its shape.
        if (kind == ControlKind::Icon) {
            const int side = Scaled(32, m_context.scaleX);
            SetWindowPos(window, nullptr, 0, 0, side, side,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            continue;
        }
        if (kind != ControlKind::PictureButton && kind != ControlKind::Picture) continue;
        const Picture& picture = pictureFor(shownControl(k));
        if (!picture.valid()) continue;
        SetWindowPos(window, nullptr, 0, 0,
                     Scaled(picture.width / picture.density, m_context.scaleX),
                     Scaled(picture.height / picture.density, m_context.scaleX),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

ui::Control DialogWindow::shownControl(std::size_t index) const {
    const ui::ControlLayout& layout = m_dialog.layout().controls[index];
    if (control(layout.id) == m_windows[index]) return m_dialog.control(layout.id);
    ui::Control shown;
    shown.layout = layout;
    shown.text = layout.text;
    shown.enabled = !layout.style.disabled;
    shown.image = layout.images[0];
    return shown;
}

void DialogWindow::setFirstFocus() {
    // The first field one can type into or control one can press, not a read-only figure,
    // which would only show its text selected.
    const auto& controls = m_dialog.layout().controls;
    for (std::size_t k = 0; k < controls.size(); ++k) {
        HWND window = m_windows[k];
        const ui::ControlLayout& layout = controls[k];
        if (!window || !IsWindowEnabled(window) ||
            !(GetWindowLongW(window, GWL_STYLE) & WS_TABSTOP))
            continue;
        if (layout.kind == ControlKind::Edit && layout.style.readOnly) continue;
        SendMessageW(m_window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(window), TRUE);
        return;
    }
}

void DialogWindow::centre() {
    RECT frame{};
    GetWindowRect(m_window, &frame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoW(MonitorFromWindow(m_window, MONITOR_DEFAULTTOPRIMARY), &monitor)) return;
    const RECT& area = monitor.rcWork;
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int x = std::max<int>(area.left, area.left + (area.right - area.left - width) / 2);
    const int y = std::max<int>(area.top, area.top + (area.bottom - area.top - height) / 2);
    SetWindowPos(m_window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool DialogWindow::acceptsInput() const {
    return m_window && !m_syncing && !m_dialog.hasEnded();
}

void DialogWindow::syncAll() {
    for (std::size_t k = 0; k < m_windows.size(); ++k) {
        const int id = m_dialog.layout().controls[k].id;
        if (m_windows[k] && control(id) == m_windows[k]) {
            sync(id);
        } else if (m_windows[k]) {
            const FlagScope fence(m_syncing, true);
            SyncNativeControl(m_windows[k], shownControl(k), m_context);
        }
    }
}

void DialogWindow::sync(int id) {
    HWND window = control(id);
    if (!window) return;
    const FlagScope fence(m_syncing, true);
    const ui::Control& state = m_dialog.control(id);
    SyncNativeControl(window, state, m_context);
    if (state.kind() == ControlKind::Animation) syncClip(id);
}

// --- the window logic's changes --------------------------------------------------------------

void DialogWindow::controlChanged(int id) {
    sync(id);
    const ControlKind kind = m_dialog.control(id).kind();
    if (kind == ControlKind::Picture || kind == ControlKind::PictureButton) placePictures();
}

void DialogWindow::captionChanged() {
    SetWindowTextW(m_window, Wide(m_dialog.caption()).c_str());
}

void DialogWindow::contextMenuChanged() {
    // The window's own menu (the system menu) carries the dialog's extra items.
    HMENU system = GetSystemMenu(m_window, FALSE);
    if (!system) return;
    for (int item : m_systemCommands) DeleteMenu(system, static_cast<UINT>(item), MF_BYCOMMAND);
    if (!m_systemCommands.empty()) DeleteMenu(system, GetMenuItemCount(system) - 1, MF_BYPOSITION);
    m_systemCommands.clear();
    if (m_dialog.contextMenu().empty()) return;
    AppendMenuW(system, MF_SEPARATOR, 0, nullptr);
    for (const ui::Dialog::ContextItem& item : m_dialog.contextMenu()) {
        AppendMenuW(system, MF_STRING, static_cast<UINT_PTR>(item.command),
                    Wide(item.text).c_str());
        m_systemCommands.push_back(item.command);
    }
}

void DialogWindow::invalidated() {
    InvalidateRect(m_window, nullptr, TRUE);
}

void DialogWindow::ended(int result) {
    EndDialog(m_window, result);
}

// --- the user's input, turned into the dialog's input calls ------------------------------

void DialogWindow::command(int id, int notification, HWND from) {
    if (!acceptsInput()) return;
    // Enter on a picture button: the dialog manager, which makes no owner-drawn button the
    // default, sends the default button's command (or IDOK). A click would have taken the
    // focus to the button clicked, so a command from elsewhere while a picture button has the
    // focus is Enter on that picture button.
    const bool pressed = from ? notification == BN_CLICKED && m_dialog.has(id) &&
                                    m_dialog.control(id).kind() == ControlKind::PushButton
                              : id == ui::IDOK;
    if (const int focused = idOf(GetFocus());
        pressed && id != ui::IDCANCEL && focused != 0 && focused != id &&
        m_dialog.control(focused).kind() == ControlKind::PictureButton) {
        m_dialog.click(focused);
        return;
    }
    if (!from) {
        // A menu item, Esc, the close box, or Enter without a default button.
        if (id == ui::IDOK && !m_dialog.has(ui::IDOK)) return;
        m_dialog.click(id);
        return;
    }
    if (!m_dialog.has(id)) return;
    switch (m_dialog.control(id).kind()) {
        case ControlKind::Edit:
            if (notification == EN_CHANGE)
                m_dialog.typeInto(id, NativeText(from));
            else if (notification == EN_KILLFOCUS)
                m_dialog.leave(id);
            break;
        case ControlKind::PushButton:
        case ControlKind::PictureButton:
        case ControlKind::RadioButton:
            // A quick second click on a picture button comes as a double-click.
            if (notification == BN_CLICKED || notification == BN_DOUBLECLICKED) {
                m_dialog.click(id);
                sync(id);  // a radio button shows what the window logic made of the click
            }
            break;
        case ControlKind::ComboBox: {
            // An entry is picked when the list closes on it, or by a key while it is closed;
            // the entries an open list passes over are not picks, nor is one it closes without.
            const bool open = SendMessageW(from, CB_GETDROPPEDSTATE, 0, 0) != FALSE;
            if ((notification == CBN_SELCHANGE && !open) || notification == CBN_SELENDOK) {
                const int picked = static_cast<int>(SendMessageW(from, CB_GETCURSEL, 0, 0));
                if (picked != m_dialog.selection(id) || notification == CBN_SELCHANGE)
                    m_dialog.selectEntry(id, picked);
                sync(id);
            } else if (notification == CBN_SELENDCANCEL) {
                sync(id);
            }
            break;
        }
        default:
            break;
    }
}

void DialogWindow::scrolled(HWND from) {
    const int id = idOf(from);
    if (id == 0 || m_dialog.control(id).kind() != ControlKind::Slider) return;
    m_dialog.moveSlider(id, static_cast<int>(SendMessageW(from, TBM_GETPOS, 0, 0)));
    sync(id);
}

bool DialogWindow::notified(const NMHDR& header) {
    if (header.code != UDN_DELTAPOS) return false;
    const int id = idOf(header.hwndFrom);
    if (id == 0 || m_dialog.control(id).kind() != ControlKind::Spin) return false;
    // The control never moves itself: the window logic says where it is.
    if (!acceptsInput()) return true;
    // The window logic moves the position; the control only says by how much.
    m_dialog.stepSpin(id, reinterpret_cast<const NMUPDOWN&>(header).iDelta);
    sync(id);
    return true;
}

// --- drawing -------------------------------------------------------------------------------

const Picture& DialogWindow::pictureFor(const ui::Control& control) {
    if (control.kind() == ControlKind::Icon) {
        const Picture& icon = m_host.pictures().icon(control.image);
        return icon.valid() ? icon : m_host.pictures().bitmap(control.image);
    }
    return m_host.pictures().bitmap(control.image);
}

void DialogWindow::drawItem(const DRAWITEMSTRUCT& item) {
    const auto at = std::find(m_windows.begin(), m_windows.end(), item.hwndItem);
    if (at == m_windows.end()) return;
    const ui::Control control = shownControl(static_cast<std::size_t>(at - m_windows.begin()));
    const int id = control.id();
    HDC dc = item.hDC;
    FillRect(dc, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    switch (control.kind()) {
        case ControlKind::PictureButton: {
            const auto& images = control.layout.images;
            const int which = (item.itemState & ODS_SELECTED) ? 1
                              : (item.itemState & ODS_FOCUS)  ? 2
                                                              : 0;
            const Picture* picture =
                &m_host.pictures().bitmap(images[static_cast<std::size_t>(which)]);
            if (!picture->valid()) picture = &m_host.pictures().bitmap(images[0]);
            if (picture->valid()) {
                DrawPicture(dc, *picture, 0, 0, m_context.scaleX);
                return;
            }
            // No picture: a plain push button with the control's text.
            RECT r = item.rcItem;
            DrawFrameControl(dc, &r, DFC_BUTTON,
                             DFCS_BUTTONPUSH | ((item.itemState & ODS_SELECTED) ? DFCS_PUSHED : 0));
            SetBkMode(dc, TRANSPARENT);
            const std::wstring text = Wide(control.text);
            DrawTextW(dc, text.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            return;
        }
        case ControlKind::Picture:
            DrawPicture(dc, pictureFor(control), 0, 0, m_context.scaleX);
            return;
        case ControlKind::Icon: {
            const Picture& icon = pictureFor(control);
            if (!icon.valid()) return;
            const RECT source{0, 0, icon.width, icon.height};
            const RECT target{0, 0, Scaled(32, m_context.scaleX), Scaled(32, m_context.scaleX)};
            DrawPicture(dc, icon, source, target);
            return;
        }
        case ControlKind::Animation: {
            auto it = m_clips.find(id);
            if (it == m_clips.end() || !it->second.info) return;
            const Clip& clip = it->second;
            const Picture& strip = m_host.pictures().clipStrip(clip.clip);
            if (!strip.valid()) return;
            const int w = clip.info->width;
            const int h = clip.info->height;
            const RECT source{clip.frame * w * strip.density, 0,
                              (clip.frame + 1) * w * strip.density, h * strip.density};
            if (source.right > strip.width || source.bottom > strip.height) return;
            int x = 0;
            int y = 0;
            if (control.layout.style.centerImage) {
                x = (item.rcItem.right - item.rcItem.left - Scaled(w, m_context.scaleX)) / 2;
                y = (item.rcItem.bottom - item.rcItem.top - Scaled(h, m_context.scaleY)) / 2;
            }
            const RECT target{x, y, x + Scaled(w, m_context.scaleX),
                              y + Scaled(h, m_context.scaleY)};
            DrawPicture(dc, strip, source, target);
            return;
        }
        default:
            return;
    }
}

void DialogWindow::paint() {
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(m_window, &ps);
    if (dc) {
        GdiCanvas canvas(dc, m_context.dialogFont, m_context.scaleX, m_context.scaleY);
        m_dialog.paint(canvas);
    }
    EndPaint(m_window, &ps);
}

// --- clips, played from their frame strips by a timer -------------------------------------

void DialogWindow::syncClip(int id) {
    const ui::AnimationState& state = m_dialog.control(id).animation;
    Clip& clip = m_clips[id];
    const UINT_PTR timer = kClipTimerBase + static_cast<UINT_PTR>(id);
    if (state.clip != clip.clip) {
        KillTimer(m_window, timer);
        clip.running = false;
        clip.clip = state.clip;
        clip.frame = 0;
        clip.info = state.clip != 0 ? res::FindClip(state.clip) : std::nullopt;
    }
    if (!state.playing) {
        KillTimer(m_window, timer);
        clip.running = false;
    } else if (state.playCount != clip.playCount && clip.info && clip.info->frames > 0) {
        KillTimer(m_window, timer);
        clip.running = false;
        const int last = clip.info->frames - 1;
        clip.from = std::clamp(state.from, 0, last);
        clip.to = (state.to < 0 || state.to > last) ? last : std::max(state.to, clip.from);
        clip.playsLeft = state.repeat < 0 ? -1 : std::max(1, state.repeat);
        clip.frame = clip.from;
        // A single frame only needs showing.
        if (clip.from != clip.to || clip.playsLeft == -1) {
            SetTimer(m_window, timer,
                     static_cast<UINT>(std::max(1L, std::lround(clip.info->frameMs))), nullptr);
            clip.running = true;
        }
    }
    clip.playCount = state.playCount;
    InvalidateRect(control(id), nullptr, FALSE);
}

void DialogWindow::advanceClip(int id) {
    auto it = m_clips.find(id);
    if (it == m_clips.end() || !it->second.running) return;
    Clip& clip = it->second;
    if (clip.frame < clip.to) {
        ++clip.frame;
    } else if (clip.playsLeft == -1 || clip.playsLeft > 1) {
        if (clip.playsLeft > 1) --clip.playsLeft;
        clip.frame = clip.from;
    } else {
        KillTimer(m_window, kClipTimerBase + static_cast<UINT_PTR>(id));
        clip.running = false;
    }
    InvalidateRect(control(id), nullptr, FALSE);
}

}  // namespace veltrane::win32
