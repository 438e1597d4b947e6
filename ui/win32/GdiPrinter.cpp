#include "ui/win32/GdiPrinter.h"

#include "ui/win32/Win32Text.h"

namespace veltrane::win32 {

namespace {

// The printout's fixed-pitch face at 10 points, in this printer's pixels.
HFONT PrinterFont(HDC dc) {
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    return CreateFontW(-MulDiv(10, dpi > 0 ? dpi : 72, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       FIXED_PITCH | FF_MODERN, L"Courier New");
}

}  // namespace

GdiPrinter::GdiPrinter(HDC printerDc)
    : m_dc(printerDc),
      m_font(PrinterFont(printerDc)),
      m_canvas(std::make_unique<GdiCanvas>(printerDc, m_font)) {}

GdiPrinter::~GdiPrinter() {
    if (m_inDoc) AbortDoc(m_dc);
    m_canvas.reset();  // the device context gets its own font back before ours goes
    if (m_font) DeleteObject(m_font);
    DeleteDC(m_dc);
}

bool GdiPrinter::startDoc(const std::string& name) {
    if (m_inDoc) return true;
    const std::wstring title = Wide(name);
    DOCINFOW info{};
    info.cbSize = sizeof info;
    info.lpszDocName = title.c_str();
    // The spooler refuses here a printer that is gone or an output file it cannot write.
    m_inDoc = StartDocW(m_dc, &info) > 0;
    // A printer that writes a file (a PDF) asks for its name here; no name given is no error.
    m_cancelled = !m_inDoc && GetLastError() == ERROR_CANCELLED;
    return m_inDoc;
}

bool GdiPrinter::startPage() {
    if (!m_inDoc || m_inPage) return false;
    m_inPage = StartPage(m_dc) > 0;
    return m_inPage;
}

bool GdiPrinter::endPage() {
    if (!m_inPage) return false;
    m_inPage = false;
    return EndPage(m_dc) > 0;
}

bool GdiPrinter::endDoc() {
    if (!m_inDoc) return false;
    const bool pageEnded = !m_inPage || endPage();
    m_inDoc = false;
    // A page that did not end leaves a document that must not go out as if whole.
    if (!pageEnded) {
        AbortDoc(m_dc);
        return false;
    }
    return EndDoc(m_dc) > 0;
}

void GdiPrinter::selectPen(const ui::Pen& pen) {
    m_canvas->selectPen(pen);
}

void GdiPrinter::selectBrush(const ui::Brush& brush) {
    m_canvas->selectBrush(brush);
}

void GdiPrinter::rectangle(int left, int top, int right, int bottom) {
    m_canvas->rectangle(left, top, right, bottom);
}

void GdiPrinter::fillRect(const ui::Rect& rect, const ui::Brush& brush) {
    m_canvas->fillRect(rect, brush);
}

void GdiPrinter::moveTo(int x, int y) {
    m_canvas->moveTo(x, y);
}

void GdiPrinter::lineTo(int x, int y) {
    m_canvas->lineTo(x, y);
}

void GdiPrinter::setViewportOrigin(int x, int y) {
    m_canvas->setViewportOrigin(x, y);
}

void GdiPrinter::textOut(int x, int y, std::string_view text) {
    m_canvas->textOut(x, y, text);
}

ui::TextMetrics GdiPrinter::textMetrics() {
    return m_canvas->textMetrics();
}

}  // namespace veltrane::win32
