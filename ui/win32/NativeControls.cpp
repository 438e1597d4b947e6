#include "ui/win32/NativeControls.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <optional>

#include "ui/win32/Win32Text.h"

namespace veltrane::win32 {

using ui::ControlKind;

namespace {

// Writes a template's words as Windows reads them: little-endian, strings in UTF-16 ending
// in a NUL, each item starting on a four-byte boundary.
class TemplateWriter {
public:
    template <class T>
    void put(T value) {
        const auto* bytes = reinterpret_cast<const std::byte*>(&value);
        m_bytes.insert(m_bytes.end(), bytes, bytes + sizeof(T));
    }
    void text(const std::wstring& s) {
        for (wchar_t c : s) put<WORD>(static_cast<WORD>(c));
        put<WORD>(0);
    }
    void align() {
        while (m_bytes.size() % 4 != 0) m_bytes.push_back(std::byte{0});
    }
    std::vector<std::byte> take() { return std::move(m_bytes); }

private:
    std::vector<std::byte> m_bytes;
};

DWORD Aligned(ui::TextAlign align, DWORD left, DWORD center, DWORD right) {
    switch (align) {
        case ui::TextAlign::Center:
            return center;
        case ui::TextAlign::Right:
            return right;
        case ui::TextAlign::Left:
            break;
    }
    return left;
}

// The window class and the style bits of a control of this kind and layout.
std::pair<const wchar_t*, DWORD> ClassAndStyle(const ui::ControlLayout& layout) {
    const ui::ControlStyle& s = layout.style;
    DWORD style = WS_CHILD | WS_VISIBLE;
    if (s.group) style |= WS_GROUP;
    if (s.disabled) style |= WS_DISABLED;
    switch (layout.kind) {
        case ControlKind::Edit:
            style |= WS_TABSTOP;
            if (s.border) style |= WS_BORDER;
            if (s.readOnly) style |= ES_READONLY;
            if (s.multiLine) {
                // A read-only field of several lines only ever shows a text, wrapped.
                style |= ES_MULTILINE | ES_CENTER;
                if (!s.readOnly) style |= ES_AUTOVSCROLL;
            } else {
                style |= Aligned(s.align, ES_LEFT, ES_CENTER, ES_RIGHT);
                // Without sideways scrolling the edit stops taking keys once its width is full.
                if (!s.noHorizontalScroll) style |= ES_AUTOHSCROLL;
            }
            return {L"EDIT", style};
        case ControlKind::Static:
            return {L"STATIC", style | Aligned(s.align, SS_LEFT, SS_CENTER, SS_RIGHT)};
        case ControlKind::Picture:
        case ControlKind::Icon:
        case ControlKind::Animation:
            return {L"STATIC", style | SS_OWNERDRAW};
        case ControlKind::GroupBox:
            return {L"BUTTON", style | BS_GROUPBOX};
        case ControlKind::EtchedLine:
            return {L"STATIC", style | SS_ETCHEDHORZ};
        case ControlKind::PushButton:
            return {L"BUTTON",
                    style | WS_TABSTOP | (s.defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON)};
        case ControlKind::PictureButton:
            return {L"BUTTON", style | WS_TABSTOP | BS_OWNERDRAW};
        case ControlKind::RadioButton:
            // Not an automatic one: the window logic says which of a group is checked.
            return {L"BUTTON", style | BS_RADIOBUTTON | (s.group ? WS_TABSTOP : 0)};
        case ControlKind::ComboBox:
            return {L"COMBOBOX",
                    style | WS_TABSTOP | CBS_DROPDOWNLIST | (s.verticalScroll ? WS_VSCROLL : 0)};
        case ControlKind::Slider:
            return {TRACKBAR_CLASSW, style | WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS |
                                         (s.ticksTop ? TBS_TOP : TBS_BOTTOM) |
                                         (s.selectionBand ? TBS_ENABLESELRANGE : 0)};
        case ControlKind::Spin:
            return {UPDOWN_CLASSW, style | UDS_HORZ};
        case ControlKind::Progress:
            return {PROGRESS_CLASSW, style};
        case ControlKind::Table:
            return {WC_LISTVIEWW, style | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL |
                                      LVS_SHOWSELALWAYS | LVS_NOSORTHEADER};
    }
    return {L"STATIC", style};
}

std::string FontKey(const ui::Font& font) {
    return font.face + '\n' + std::to_string(font.height) + '\n' + std::to_string(font.weight);
}

HFONT FontFor(const ui::Font& font, NativeContext& context) {
    if (font.face.empty()) return context.dialogFont;
    auto it = context.fonts.find(FontKey(font));
    if (it != context.fonts.end()) return it->second;
    // A positive height is the whole character cell, a negative one the em, both in the
    // window layer's nominal pixels.
    const int height =
        static_cast<int>(font.height * context.scaleY + (font.height < 0 ? -0.5 : 0.5));
    const int weight = font.weight <= 0 ? FW_NORMAL : std::clamp(font.weight, 100, 900);
    HFONT made = CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, Wide(font.face).c_str());
    if (!made) return context.dialogFont;
    context.fonts.emplace(FontKey(font), made);
    return made;
}

void SetTextIfChanged(HWND window, const std::string& text) {
    if (NativeText(window) != text) SetWindowTextW(window, Wide(text).c_str());
}

void SyncToolTip(HWND window, const ui::Control& control, NativeContext& context) {
    if (!context.toolTips) return;
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = context.dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(window);
    const bool known =
        SendMessageW(context.toolTips, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
    std::wstring tip = Wide(control.toolTip);
    if (tip.empty()) {
        if (known) SendMessageW(context.toolTips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        return;
    }
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.lpszText = tip.data();
    SendMessageW(context.toolTips, known ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, 0,
                 reinterpret_cast<LPARAM>(&tool));
}

void SyncCombo(HWND combo, const ui::ComboState& state) {
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    bool same = count == static_cast<int>(state.items.size());
    for (int i = 0; same && i < count; ++i) {
        const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, i, 0);
        std::wstring item(static_cast<std::size_t>(std::max<LRESULT>(0, length)) + 1, L'\0');
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
        item.resize(std::wcslen(item.c_str()));
        same = Utf8(item) == state.items[static_cast<std::size_t>(i)];
    }
    if (!same) {
        SendMessageW(combo, CB_RESETCONTENT, 0, 0);
        for (const std::string& item : state.items)
            SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
    }
    if (SendMessageW(combo, CB_GETCURSEL, 0, 0) != state.selection)
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(state.selection), 0);
}

void SyncSlider(HWND slider, const ui::Control& control) {
    const ui::SliderState& s = control.slider;
    SendMessageW(slider, TBM_SETRANGEMIN, FALSE, s.min);
    SendMessageW(slider, TBM_SETRANGEMAX, FALSE, s.max);
    SendMessageW(slider, TBM_SETTICFREQ, static_cast<WPARAM>(std::max(1, s.tickFrequency)), 0);
    SendMessageW(slider, TBM_SETPAGESIZE, 0, s.pageSize);
    SendMessageW(slider, TBM_SETLINESIZE, 0, s.lineSize);
    if (control.layout.style.selectionBand)
        SendMessageW(slider, TBM_SETSEL, FALSE, MAKELPARAM(s.selStart, s.selEnd));
    SendMessageW(slider, TBM_SETPOS, TRUE, s.pos);
}

void SyncSpin(HWND spin, const ui::SpinState& s) {
    SendMessageW(spin, UDM_SETRANGE32, static_cast<WPARAM>(s.min), s.max);
    SendMessageW(spin, UDM_SETPOS32, 0, s.pos);
    std::vector<UDACCEL> accel;
    for (const ui::SpinAccel& row : s.accel)
        accel.push_back({static_cast<UINT>(std::max(0, row.seconds)), static_cast<UINT>(row.step)});
    if (!accel.empty())
        SendMessageW(spin, UDM_SETACCEL, accel.size(), reinterpret_cast<LPARAM>(accel.data()));
}

int ColumnFormat(ui::TextAlign align) {
    return static_cast<int>(Aligned(align, LVCFMT_LEFT, LVCFMT_CENTER, LVCFMT_RIGHT));
}

// A column's title, format and width in pixels as the list view has them.
struct NativeColumn {
    std::wstring title;
    int format = 0;
    int width = 0;
};

std::optional<NativeColumn> ReadColumn(HWND list, int index) {
    wchar_t title[256] = {};
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.pszText = title;
    column.cchTextMax = static_cast<int>(std::size(title));
    if (!SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(index),
                      reinterpret_cast<LPARAM>(&column)))
        return std::nullopt;
    return NativeColumn{title, column.fmt & LVCFMT_JUSTIFYMASK, column.cx};
}

void InsertColumn(HWND list, int index, const std::wstring& title, int format, int width) {
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.fmt = format;
    column.cx = width;
    column.pszText = const_cast<wchar_t*>(title.c_str());
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&column));
}

// The columns as the window logic asks for them. A list view's leftmost column is always
// left-aligned as it is inserted; inserted behind a placeholder that is then deleted, it keeps
// its own alignment.
void SyncColumns(HWND list, const std::vector<ui::TableColumn>& wanted, HWND dialog) {
    std::vector<NativeColumn> columns;
    for (const ui::TableColumn& column : wanted) {
        RECT r{0, 0, column.width, 0};
        MapDialogRect(dialog, &r);
        columns.push_back({Wide(column.title), ColumnFormat(column.align), r.right});
    }
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    const int count = header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    bool same = count == static_cast<int>(columns.size());
    for (int c = 0; same && c < count; ++c) {
        const std::optional<NativeColumn> shown = ReadColumn(list, c);
        const NativeColumn& want = columns[static_cast<std::size_t>(c)];
        same = shown && shown->title == want.title && shown->format == want.format;
        if (same && shown->width != want.width)
            SendMessageW(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(c), want.width);
    }
    if (same) return;
    // New columns: the rows are made again under them.
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    for (int c = count - 1; c >= 0; --c)
        SendMessageW(list, LVM_DELETECOLUMN, static_cast<WPARAM>(c), 0);
    if (columns.empty()) return;
    InsertColumn(list, 0, L"", LVCFMT_LEFT, 0);
    for (std::size_t c = 0; c < columns.size(); ++c)
        InsertColumn(list, static_cast<int>(c) + 1, columns[c].title, columns[c].format,
                     columns[c].width);
    SendMessageW(list, LVM_DELETECOLUMN, 0, 0);
}

std::wstring CellText(HWND list, int row, int column) {
    std::wstring text(64, L'\0');
    for (;;) {
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(text.size());
        const auto length = static_cast<std::size_t>(SendMessageW(
            list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        if (length + 1 < text.size()) {
            text.resize(length);
            return text;
        }
        text.resize(text.size() * 2);
    }
}

void SetCellText(HWND list, int row, int column, const std::wstring& text) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

// A table shows rows under fixed columns: the person selects a whole row and scrolls, but
// neither sorts nor resizes. Only the cells that differ are written, so new figures in the
// same rows keep the selected row and the scroll position.
void SyncTable(HWND list, const ui::TableState& state, const NativeContext& context) {
    const auto extended = static_cast<DWORD>(LVS_EX_FULLROWSELECT);
    if ((SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & extended) != extended)
        SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    if (HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0))) {
        const LONG_PTR style = GetWindowLongPtrW(header, GWL_STYLE);
        if (!(style & HDS_NOSIZING)) SetWindowLongPtrW(header, GWL_STYLE, style | HDS_NOSIZING);
    }
    SyncColumns(list, state.columns, context.dialog);
    const int columns = static_cast<int>(state.columns.size());
    const int rows = columns == 0 ? 0 : static_cast<int>(state.rows.size());
    int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    while (count > rows) SendMessageW(list, LVM_DELETEITEM, static_cast<WPARAM>(--count), 0);
    for (; count < rows; ++count) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = count;
        item.pszText = const_cast<wchar_t*>(L"");
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    for (int r = 0; r < rows; ++r) {
        const std::vector<std::string>& texts = state.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < columns; ++c) {
            const auto k = static_cast<std::size_t>(c);
            const std::wstring text = k < texts.size() ? Wide(texts[k]) : std::wstring();
            if (CellText(list, r, c) != text) SetCellText(list, r, c, text);
        }
    }
}

// Widens a rectangle by `extra` pixels away from the edge its text is aligned to.
void Grow(RECT& r, int extra, ui::TextAlign align) {
    if (extra <= 0) return;
    switch (align) {
        case ui::TextAlign::Left:
            r.right += extra;
            break;
        case ui::TextAlign::Right:
            r.left -= extra;
            break;
        case ui::TextAlign::Center:
            r.left -= extra / 2;
            r.right += extra - extra / 2;
            break;
    }
}

// A label shows its whole text: one in a face wider than the one its layout was made for
// grows away from its alignment edge (to its longest word, when it wraps) instead of cutting
// the text off, staying inside the window.
void FitLabel(HWND label, const ui::Control& control, const NativeContext& context) {
    RECT r{control.layout.rect.x, control.layout.rect.y,
           control.layout.rect.x + control.layout.rect.w,
           control.layout.rect.y + control.layout.rect.h};
    MapDialogRect(context.dialog, &r);
    const std::wstring text = Wide(control.text);
    HDC dc = GetDC(label);
    if (!dc) return;
    HGDIOBJ oldFont =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const auto widthOf = [&](const std::wstring& s) {
        RECT measured{0, 0, 0, 0};
        DrawTextW(dc, s.c_str(), static_cast<int>(s.size()), &measured,
                  DT_CALCRECT | DT_SINGLELINE);
        // A static breaks a line that only just fits: a few pixels to spare keep it whole.
        return static_cast<int>(measured.right - measured.left) + 4;
    };
    const int need = widthOf(text);
    const int lineHeight = metrics.tmHeight;
    // Most of a second line is enough room: the static shows it, clipped at the bottom.
    const bool twoLines = 2 * (r.bottom - r.top) >= 3 * lineHeight;
    const bool wraps =
        text.find(L'\n') != std::wstring::npos || (need > r.right - r.left && twoLines);
    if (wraps) {
        int widest = 0;
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = text.find_first_of(L" \n", start);
            const std::size_t stop = end == std::wstring::npos ? text.size() : end;
            if (stop > start) widest = std::max(widest, widthOf(text.substr(start, stop - start)));
            start = stop + 1;
        }
        Grow(r, widest - (r.right - r.left), control.layout.style.align);
    } else {
        Grow(r, need - (r.right - r.left), control.layout.style.align);
    }
    RECT client{};
    GetClientRect(context.dialog, &client);
    if (r.right > client.right) OffsetRect(&r, client.right - r.right, 0);
    if (r.left < 0) OffsetRect(&r, -r.left, 0);
    if (wraps) {
        RECT measured{0, 0, r.right - r.left, 0};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
                  DT_CALCRECT | DT_WORDBREAK);
        r.bottom = std::max(r.bottom, r.top + measured.bottom);
    }
    SelectObject(dc, oldFont);
    ReleaseDC(label, dc);
    SetWindowPos(label, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

std::vector<std::byte> DialogTemplate(const ui::DialogLayout& layout, const std::string& caption) {
    TemplateWriter w;
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    if (layout.minMaxBoxes) style |= WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    if (layout.resizable) style |= WS_THICKFRAME;
    w.put<WORD>(1);       // dlgVer
    w.put<WORD>(0xFFFF);  // signature: the extended template
    w.put<DWORD>(0);      // helpID
    w.put<DWORD>(0);      // exStyle
    w.put<DWORD>(style);
    w.put<WORD>(static_cast<WORD>(layout.controls.size()));
    w.put<short>(0);
    w.put<short>(0);
    w.put<short>(static_cast<short>(layout.width));
    w.put<short>(static_cast<short>(layout.height));
    w.put<WORD>(0);  // no menu in the template: the host adds the layout's own
    w.put<WORD>(0);  // the standard dialog class
    w.text(Wide(caption));
    w.put<WORD>(static_cast<WORD>(layout.fontPoints > 0 ? layout.fontPoints : 8));
    w.put<WORD>(FW_NORMAL);
    w.put<BYTE>(FALSE);
    w.put<BYTE>(DEFAULT_CHARSET);
    w.text(Wide(layout.fontFace));
    for (const ui::ControlLayout& control : layout.controls) {
        w.align();
        const auto [windowClass, controlStyle] = ClassAndStyle(control);
        w.put<DWORD>(0);  // helpID
        w.put<DWORD>(0);  // exStyle
        w.put<DWORD>(controlStyle);
        w.put<short>(static_cast<short>(control.rect.x));
        w.put<short>(static_cast<short>(control.rect.y));
        w.put<short>(static_cast<short>(control.rect.w));
        w.put<short>(static_cast<short>(control.rect.h));
        // Controls the window logic never addresses (0 or -1) share the static id.
        w.put<DWORD>(control.id > 0 ? static_cast<DWORD>(control.id) : 0xFFFFu);
        w.text(windowClass);
        w.text(IsOwnerDrawn(control.kind) && control.kind != ControlKind::PictureButton
                   ? std::wstring()
                   : Wide(control.text));
        w.put<WORD>(0);  // no creation data
    }
    return w.take();
}

bool IsOwnerDrawn(ControlKind kind) {
    return kind == ControlKind::Picture || kind == ControlKind::Icon ||
           kind == ControlKind::Animation || kind == ControlKind::PictureButton;
}

std::string NativeText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(std::max(0, length)) + 1, L'\0');
    const int got = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(0, got)));
    return Utf8(text);
}

void SyncNativeControl(HWND window, const ui::Control& control, NativeContext& context) {
    if (!window) return;
    HFONT font = FontFor(control.font, context);
    if (reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)) != font)
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if ((IsWindowEnabled(window) != FALSE) != control.enabled)
        EnableWindow(window, control.enabled);
    SyncToolTip(window, control, context);
    switch (control.kind()) {
        case ControlKind::Static:
            SetTextIfChanged(window, control.text);
            FitLabel(window, control, context);
            break;
        case ControlKind::Edit:
        case ControlKind::GroupBox:
        case ControlKind::PushButton:
        case ControlKind::PictureButton:
            SetTextIfChanged(window, control.text);
            break;
        case ControlKind::RadioButton:
            SetTextIfChanged(window, control.text);
            SendMessageW(window, BM_SETCHECK, control.checked ? BST_CHECKED : BST_UNCHECKED, 0);
            break;
        case ControlKind::ComboBox:
            SyncCombo(window, control.combo);
            break;
        case ControlKind::Slider:
            SyncSlider(window, control);
            break;
        case ControlKind::Spin:
            SyncSpin(window, control.spin);
            break;
        case ControlKind::Progress: {
            SendMessageW(window, PBM_SETRANGE32, static_cast<WPARAM>(control.progress.min),
                         control.progress.max);
            SendMessageW(window, PBM_SETPOS, static_cast<WPARAM>(control.progress.pos), 0);
            break;
        }
        case ControlKind::Picture:
        case ControlKind::Icon:
        case ControlKind::Animation:
            InvalidateRect(window, nullptr, TRUE);
            break;
        case ControlKind::EtchedLine:
            break;
        case ControlKind::Table:
            SyncTable(window, control.table, context);
            break;
    }
}

}  // namespace veltrane::win32
