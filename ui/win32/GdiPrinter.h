// A printer page on GDI: the device context the print dialog gave, its document and pages.
#pragma once

#include <memory>

#include "ui/Canvas.h"
#include "ui/win32/GdiCanvas.h"
#include "ui/win32/Win32.h"

namespace veltrane::win32 {

class GdiPrinter : public ui::Printer {
public:
    // Takes the printer's device context over; it is deleted with the printer.
    explicit GdiPrinter(HDC printerDc);
    ~GdiPrinter() override;  // a document still open is aborted, never left half-sent
    GdiPrinter(const GdiPrinter&) = delete;
    GdiPrinter& operator=(const GdiPrinter&) = delete;

    bool startDoc(const std::string& name) override;
    bool startPage() override;
    bool endPage() override;
    bool endDoc() override;
    bool cancelled() const override { return m_cancelled; }

    void selectPen(const ui::Pen& pen) override;
    void selectBrush(const ui::Brush& brush) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void fillRect(const ui::Rect& rect, const ui::Brush& brush) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void setViewportOrigin(int x, int y) override;
    void textOut(int x, int y, std::string_view text) override;
    ui::TextMetrics textMetrics() override;

private:
    HDC m_dc;
    HFONT m_font;  // the printout's fixed-pitch face at 10 points on this printer
    std::unique_ptr<GdiCanvas> m_canvas;
    bool m_inDoc = false;
    bool m_inPage = false;
    bool m_cancelled = false;
};

}  // namespace veltrane::win32
