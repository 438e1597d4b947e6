// ui::Canvas on a QPainter: GDI-style pixel drawing on a window or a printer page.
#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>

#include "ui/Canvas.h"

class QPainter;
class QPaintDevice;

namespace veltrane::qt {

// Pens, brushes and the origin are kept here and applied per call, so the canvas can hold them
// before its painter is active (a printer page starts later than its pens are chosen). Drawing
// on an inactive painter does nothing.
class QtCanvas : public ui::Canvas {
public:
    // `metricsDevice` answers textMetrics when the painter is not active (may be null).
    QtCanvas(QPainter& painter, QFont font, const QPaintDevice* metricsDevice = nullptr);

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
    bool active() const;
    void fill(const QRect& deviceRect, const ui::Brush& brush);
    void fillWithPen(const QRect& deviceRect);

    QPainter& m_painter;
    QFont m_font;
    const QPaintDevice* m_metricsDevice;
    ui::Pen m_pen{{0, 0, 0}, 1};
    ui::Brush m_brush{ui::BrushStyle::Solid, {255, 255, 255}};
    QPoint m_origin;
    QPoint m_current;  // logical coordinates
};

}  // namespace veltrane::qt
