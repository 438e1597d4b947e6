#include "ui/win32/GdiCanvas.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "ui/win32/Win32Text.h"

namespace veltrane::win32 {

namespace {

COLORREF ToColorRef(const ui::Color& c) {
    return RGB(c.r, c.g, c.b);
}

HBRUSH MakeBrush(const ui::Brush& brush) {
    if (brush.style == ui::BrushStyle::HatchBDiagonal)
        return CreateHatchBrush(HS_BDIAGONAL, ToColorRef(brush.color));
    return CreateSolidBrush(ToColorRef(brush.color));
}

int Scaled(int v, double scale) {
    return static_cast<int>(std::lround(v * scale));
}

}  // namespace

GdiCanvas::GdiCanvas(HDC dc, HFONT font, double scaleX, double scaleY)
    : m_dc(dc), m_font(font), m_scaleX(scaleX), m_scaleY(scaleY) {
    m_savedState = SaveDC(m_dc);
    GetViewportOrgEx(m_dc, &m_baseOrigin);
    if (m_font) SelectObject(m_dc, m_font);
    SetBkMode(m_dc, TRANSPARENT);
    SetTextColor(m_dc, RGB(0, 0, 0));
    SetTextAlign(m_dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    selectPen(ui::Pen{});
    selectBrush(ui::Brush{});
}

GdiCanvas::~GdiCanvas() {
    // Putting the device context back also takes our pen and brush out of it, so they can go.
    if (m_savedState != 0) RestoreDC(m_dc, m_savedState);
    if (m_pen) DeleteObject(m_pen);
    if (m_brush) DeleteObject(m_brush);
}

int GdiCanvas::penWidth() const {
    const double scale = (m_scaleX + m_scaleY) / 2;
    return std::max(1, Scaled(std::max(1, m_penSpec.width), scale));
}

void GdiCanvas::selectPen(const ui::Pen& pen) {
    m_penSpec = pen;
    const int width = penWidth();
    HPEN made = nullptr;
    if (width == 1) {
        // The one-pixel cosmetic pen: a line stops one pixel short of its end point.
        made = CreatePen(PS_SOLID, 1, ToColorRef(pen.color));
    } else {
        // Wider lines end flat at their end points, their corners rounded, as on the Qt host.
        LOGBRUSH solid{BS_SOLID, ToColorRef(pen.color), 0};
        made = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT | PS_JOIN_ROUND,
                            static_cast<DWORD>(width), &solid, 0, nullptr);
    }
    if (!made) return;  // out of GDI objects: the old pen keeps drawing
    SelectObject(m_dc, made);
    if (m_pen) DeleteObject(m_pen);
    m_pen = made;
}

void GdiCanvas::selectBrush(const ui::Brush& brush) {
    HBRUSH made = MakeBrush(brush);
    if (!made) return;
    SelectObject(m_dc, made);
    if (m_brush) DeleteObject(m_brush);
    m_brush = made;
}

void GdiCanvas::fillDevice(RECT rect, HBRUSH brush) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    FillRect(m_dc, &rect, brush);
}

void GdiCanvas::rectangle(int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    const RECT outer{Scaled(left, m_scaleX), Scaled(top, m_scaleY), Scaled(right, m_scaleX),
                     Scaled(bottom, m_scaleY)};
    if (outer.right <= outer.left || outer.bottom <= outer.top) return;
    fillDevice(outer, m_brush);
    // The outline runs along the outermost pixels and a wider pen grows to both sides of it,
    // as GDI's own Rectangle draws it; drawn as four bars, its corners stay square whatever the
    // pen's joins are.
    HBRUSH ink = CreateSolidBrush(ToColorRef(m_penSpec.color));
    if (!ink) return;
    const int w = penWidth();
    const int before = (w - 1) / 2;
    const int l = outer.left - before;
    const int t = outer.top - before;
    const int r = outer.right - 1 - before;  // the last pixel column inside, less the growth
    const int b = outer.bottom - 1 - before;
    fillDevice({l, t, r + w, t + w}, ink);
    fillDevice({l, b, r + w, b + w}, ink);
    fillDevice({l, t, l + w, b + w}, ink);
    fillDevice({r, t, r + w, b + w}, ink);
    DeleteObject(ink);
}

void GdiCanvas::fillRect(const ui::Rect& rect, const ui::Brush& brush) {
    HBRUSH made = MakeBrush(brush);
    if (!made) return;
    fillDevice({Scaled(std::min(rect.left, rect.right), m_scaleX),
                Scaled(std::min(rect.top, rect.bottom), m_scaleY),
                Scaled(std::max(rect.left, rect.right), m_scaleX),
                Scaled(std::max(rect.top, rect.bottom), m_scaleY)},
               made);
    DeleteObject(made);
}

void GdiCanvas::moveTo(int x, int y) {
    m_current = {x, y};
}

void GdiCanvas::lineTo(int x, int y) {
    // The pen position is kept in the canvas's coordinates, so rounding at a scale never adds up
    // along a polyline.
    MoveToEx(m_dc, Scaled(m_current.x, m_scaleX), Scaled(m_current.y, m_scaleY), nullptr);
    LineTo(m_dc, Scaled(x, m_scaleX), Scaled(y, m_scaleY));
    m_current = {x, y};
}

void GdiCanvas::setViewportOrigin(int x, int y) {
    SetViewportOrgEx(m_dc, m_baseOrigin.x + Scaled(x, m_scaleX),
                     m_baseOrigin.y + Scaled(y, m_scaleY), nullptr);
}

void GdiCanvas::textOut(int x, int y, std::string_view text) {
    const std::wstring wide = Wide(text);
    if (wide.empty()) return;
    TextOutW(m_dc, Scaled(x, m_scaleX), Scaled(y, m_scaleY), wide.c_str(),
             static_cast<int>(wide.size()));
}

ui::TextMetrics GdiCanvas::textMetrics() {
    TEXTMETRICW tm{};
    if (!GetTextMetricsW(m_dc, &tm)) return {};
    ui::TextMetrics metrics;
    metrics.height = static_cast<int>(std::lround(tm.tmHeight / m_scaleY));
    metrics.externalLeading = static_cast<int>(std::lround(tm.tmExternalLeading / m_scaleY));
    metrics.aveCharWidth = static_cast<int>(std::lround(tm.tmAveCharWidth / m_scaleX));
    return metrics;
}

}  // namespace veltrane::win32
