// The canvas on GDI: a window's client area or a printer page.
#pragma once

#include "ui/Canvas.h"
#include "ui/win32/Win32.h"

namespace veltrane::win32 {

// Draws on a device context, GDI style. Coordinates are the window layer's (nominal pixels on
// a window, device pixels on paper) multiplied by scaleX and scaleY; text is in `font`, drawn
// transparently in black. The device context's own pen, brush, font and origin are put back
// when the canvas goes.
class GdiCanvas : public ui::Canvas {
public:
    GdiCanvas(HDC dc, HFONT font, double scaleX = 1.0, double scaleY = 1.0);
    ~GdiCanvas() override;
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    void selectPen(const ui::Pen& pen) override;
    void selectBrush(const ui::Brush& brush) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void fillRect(const ui::Rect& rect, const ui::Brush& brush) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void setViewportOrigin(int x, int y) override;
    void textOut(int x, int y, std::string_view text) override;
    // In the canvas's own coordinates: device metrics divided by the scale.
    ui::TextMetrics textMetrics() override;

private:
    int penWidth() const;  // in device pixels
    void fillDevice(RECT rect, HBRUSH brush);

    HDC m_dc;
    HFONT m_font;
    double m_scaleX;
    double m_scaleY;
    int m_savedState = 0;
    HPEN m_pen = nullptr;
    HBRUSH m_brush = nullptr;
    ui::Pen m_penSpec;
    POINT m_baseOrigin{0, 0};  // the device context's own origin, which ours are relative to
    POINT m_current{0, 0};     // the pen position, in the canvas's coordinates
};

}  // namespace veltrane::win32
