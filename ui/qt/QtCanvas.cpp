#include "ui/qt/QtCanvas.h"

#include <QBrush>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "ui/qt/QtText.h"

namespace veltrane::qt {

namespace {

QColor ToQColor(const ui::Color& c) {
    return QColor(c.r, c.g, c.b);
}

QBrush ToQBrush(const ui::Brush& brush) {
    const Qt::BrushStyle style =
        brush.style == ui::BrushStyle::HatchBDiagonal ? Qt::BDiagPattern : Qt::SolidPattern;
    return QBrush(ToQColor(brush.color), style);
}

// The rectangle of pixels from (left, top) up to, not including, (right, bottom).
QRect Exclusive(int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    return QRect(left, top, right - left, bottom - top);
}

}  // namespace

QtCanvas::QtCanvas(QPainter& painter, QFont font, const QPaintDevice* metricsDevice)
    : m_painter(painter), m_font(std::move(font)), m_metricsDevice(metricsDevice) {}

bool QtCanvas::active() const {
    return m_painter.isActive();
}

void QtCanvas::selectPen(const ui::Pen& pen) {
    m_pen = pen;
}

void QtCanvas::selectBrush(const ui::Brush& brush) {
    m_brush = brush;
}

void QtCanvas::fill(const QRect& deviceRect, const ui::Brush& brush) {
    if (!active() || deviceRect.isEmpty()) return;
    m_painter.fillRect(deviceRect, ToQBrush(brush));
}

void QtCanvas::fillWithPen(const QRect& deviceRect) {
    if (!active() || deviceRect.isEmpty()) return;
    m_painter.fillRect(deviceRect, ToQColor(m_pen.color));
}

void QtCanvas::rectangle(int left, int top, int right, int bottom) {
    QRect outer = Exclusive(left, top, right, bottom).translated(m_origin);
    if (outer.isEmpty()) return;
    fill(outer, m_brush);
    // The outline runs along the outermost pixels; a wider pen grows to both sides of it.
    const int w = std::max(1, m_pen.width);
    const int before = (w - 1) / 2;
    const int l = outer.left();
    const int t = outer.top();
    const int r = outer.right();  // the last pixel column inside
    const int b = outer.bottom();
    fillWithPen(QRect(l - before, t - before, r - l + w, w));
    fillWithPen(QRect(l - before, b - before, r - l + w, w));
    fillWithPen(QRect(l - before, t - before, w, b - t + w));
    fillWithPen(QRect(r - before, t - before, w, b - t + w));
}

void QtCanvas::fillRect(const ui::Rect& rect, const ui::Brush& brush) {
    fill(Exclusive(rect.left, rect.top, rect.right, rect.bottom).translated(m_origin), brush);
}

void QtCanvas::moveTo(int x, int y) {
    m_current = QPoint(x, y);
}

void QtCanvas::lineTo(int x, int y) {
    const QPoint from = m_current + m_origin;
    const QPoint to = QPoint(x, y) + m_origin;
    m_current = QPoint(x, y);
    if (!active() || from == to) return;
    const int w = std::max(1, m_pen.width);
    if (w > 1) {
        QPen pen(ToQColor(m_pen.color), w, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
        m_painter.setPen(pen);
        m_painter.drawLine(from, to);
        return;
    }
    // Bresenham, stopping one pixel short of the end point as GDI does.
    std::vector<QPoint> points;
    int x0 = from.x();
    int y0 = from.y();
    const int dx = std::abs(to.x() - x0);
    const int dy = -std::abs(to.y() - y0);
    const int sx = x0 < to.x() ? 1 : -1;
    const int sy = y0 < to.y() ? 1 : -1;
    int err = dx + dy;
    points.reserve(static_cast<std::size_t>(std::max(dx, -dy)));
    while (x0 != to.x() || y0 != to.y()) {
        points.emplace_back(x0, y0);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
    m_painter.setPen(QPen(ToQColor(m_pen.color), 1));
    m_painter.drawPoints(points.data(), static_cast<int>(points.size()));
}

void QtCanvas::setViewportOrigin(int x, int y) {
    m_origin = QPoint(x, y);
}

void QtCanvas::textOut(int x, int y, std::string_view text) {
    if (!active()) return;
    m_painter.setFont(m_font);
    m_painter.setPen(Qt::black);
    const QFontMetrics metrics(m_font, m_painter.device());
    const QPoint at = QPoint(x, y) + m_origin;
    m_painter.drawText(QPoint(at.x(), at.y() + metrics.ascent()), ToQString(text));
}

ui::TextMetrics QtCanvas::textMetrics() {
    const QPaintDevice* device = active() ? m_painter.device() : m_metricsDevice;
    const QFontMetrics metrics = device ? QFontMetrics(m_font, device) : QFontMetrics(m_font);
    ui::TextMetrics tm;
    tm.height = metrics.height();
    tm.externalLeading = std::max(0, metrics.leading());
    tm.aveCharWidth = metrics.averageCharWidth();
    return tm;
}

}  // namespace veltrane::qt
