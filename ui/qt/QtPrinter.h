// ui::Printer on a QPrinter: one document of pages drawn in printer device pixels.
#pragma once

#include <QPainter>
#include <memory>

#include "ui/Canvas.h"
#include "ui/qt/QtCanvas.h"

class QPrinter;

namespace veltrane::qt {

// The printer's own text face, the counterpart of a printer's built-in default font.
QFont PrinterFont();

class QtPrinter : public ui::Printer {
public:
    explicit QtPrinter(std::unique_ptr<QPrinter> printer);
    ~QtPrinter() override;  // ends a document left open

    QPrinter& device() { return *m_printer; }

    bool startDoc(const std::string& name) override;
    bool startPage() override;
    bool endPage() override;
    bool endDoc() override;

    void selectPen(const ui::Pen& pen) override { m_canvas.selectPen(pen); }
    void selectBrush(const ui::Brush& brush) override { m_canvas.selectBrush(brush); }
    void rectangle(int left, int top, int right, int bottom) override {
        m_canvas.rectangle(left, top, right, bottom);
    }
    void fillRect(const ui::Rect& rect, const ui::Brush& brush) override {
        m_canvas.fillRect(rect, brush);
    }
    void moveTo(int x, int y) override { m_canvas.moveTo(x, y); }
    void lineTo(int x, int y) override { m_canvas.lineTo(x, y); }
    void setViewportOrigin(int x, int y) override { m_canvas.setViewportOrigin(x, y); }
    void textOut(int x, int y, std::string_view text) override { m_canvas.textOut(x, y, text); }
    ui::TextMetrics textMetrics() override { return m_canvas.textMetrics(); }

private:
    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    QtCanvas m_canvas;
    int m_pages = 0;
};

}  // namespace veltrane::qt
