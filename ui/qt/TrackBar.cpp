#include "ui/qt/TrackBar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QStyleOptionFocusRect>
#include <algorithm>
#include <cmath>
#include <vector>

namespace veltrane::qt {

namespace {

constexpr int kThumbWidth = 11;
constexpr int kThumbTop = 5;  // the thumb's point; the ticks stand above it
constexpr int kThumbMaxHeight = 19;
constexpr int kMargin = kThumbWidth / 2 + 3;
constexpr int kFirstRepeatMs = 400;
constexpr int kRepeatMs = 100;

}  // namespace

TrackBar::TrackBar(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    m_pageRepeat.setInterval(kRepeatMs);
    connect(&m_pageRepeat, &QTimer::timeout, this, [this] {
        m_pageRepeat.setInterval(kRepeatMs);
        pageTowardPress();
    });
}

void TrackBar::setState(const ui::SliderState& state, bool selectionBand) {
    m_state = state;
    m_selectionBand = selectionBand;
    update();
}

int TrackBar::low() const {
    return std::min(m_state.min, m_state.max);
}

int TrackBar::high() const {
    return std::max(m_state.min, m_state.max);
}

int TrackBar::travelLeft() const {
    return kMargin;
}

int TrackBar::travelRight() const {
    return std::max(kMargin, width() - 1 - kMargin);
}

int TrackBar::xOf(int position) const {
    const int span = high() - low();
    if (span <= 0) return travelLeft();
    const long long offset = static_cast<long long>(std::clamp(position, low(), high()) - low()) *
                             (travelRight() - travelLeft());
    return travelLeft() + static_cast<int>((offset + span / 2) / span);
}

int TrackBar::positionAt(int x) const {
    const int travel = travelRight() - travelLeft();
    if (travel <= 0 || high() == low()) return low();
    const double fraction = static_cast<double>(x - travelLeft()) / travel;
    const long p = low() + std::lround(fraction * (high() - low()));
    return static_cast<int>(std::clamp<long>(p, low(), high()));
}

QRect TrackBar::thumbRect() const {
    const int bottom = std::min(height() - 2, kThumbTop + kThumbMaxHeight);
    const int cx = xOf(m_state.pos);
    return QRect(cx - kThumbWidth / 2, kThumbTop, kThumbWidth, bottom - kThumbTop + 1);
}

int TrackBar::channelCentreY() const {
    const QRect thumb = thumbRect();
    return (thumb.top() + 5 + thumb.bottom()) / 2;
}

void TrackBar::moveTo(int position) {
    m_state.pos = std::clamp(position, low(), high());
    update();
    emit moved(m_state.pos);
}

void TrackBar::pageTowardPress() {
    const QRect thumb = thumbRect();
    if (m_pressX < thumb.left())
        moveTo(m_state.pos - m_state.pageSize);
    else if (m_pressX > thumb.right())
        moveTo(m_state.pos + m_state.pageSize);
    else
        m_pageRepeat.stop();  // the thumb has reached the pointer
}

void TrackBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    const bool enabled = isEnabled();

    // Tick marks along the top: every tickFrequency positions from the start, and both ends.
    p.setPen(pal.color(QPalette::WindowText));
    std::vector<bool> ticked(static_cast<std::size_t>(std::max(1, width())), false);
    auto tick = [&](int position) {
        const int x = xOf(position);
        if (x < 0 || x >= width() || ticked[static_cast<std::size_t>(x)]) return;
        ticked[static_cast<std::size_t>(x)] = true;
        p.drawLine(x, 1, x, 3);
    };
    tick(low());
    tick(high());
    if (m_state.tickFrequency > 0)
        for (long pos = low(); pos <= high(); pos += m_state.tickFrequency)
            tick(static_cast<int>(pos));

    // The channel, sunken, with the selection band inside it.
    const int half = m_selectionBand ? 3 : 2;
    const int cy = channelCentreY();
    const QRect channel(QPoint(travelLeft() - kThumbWidth / 2, cy - half),
                        QPoint(travelRight() + kThumbWidth / 2, cy + half - 1));
    p.fillRect(channel, pal.color(QPalette::Base));
    p.setPen(pal.color(QPalette::Dark));
    p.drawLine(channel.topLeft(), channel.topRight());
    p.drawLine(channel.topLeft(), channel.bottomLeft());
    p.setPen(pal.color(QPalette::Light));
    p.drawLine(channel.bottomLeft(), channel.bottomRight());
    p.drawLine(channel.topRight(), channel.bottomRight());
    if (m_selectionBand && m_state.selEnd > m_state.selStart) {
        const int x0 = xOf(m_state.selStart);
        const int x1 = xOf(m_state.selEnd);
        p.fillRect(QRect(QPoint(x0, channel.top() + 1), QPoint(x1, channel.bottom() - 1)),
                   enabled ? pal.color(QPalette::Highlight) : pal.color(QPalette::Mid));
        p.setPen(pal.color(QPalette::WindowText));
        p.setBrush(pal.color(QPalette::WindowText));
        for (int x : {x0, x1})
            p.drawPolygon(QPolygon({QPoint(x - 2, 1), QPoint(x + 2, 1), QPoint(x, 3)}));
    }

    // The thumb: a button-face body with its point toward the ticks.
    const QRect t = thumbRect();
    const int cx = t.center().x();
    const QPolygon thumb({QPoint(cx, t.top()), QPoint(t.right(), t.top() + 5),
                          QPoint(t.right(), t.bottom()), QPoint(t.left(), t.bottom()),
                          QPoint(t.left(), t.top() + 5)});
    p.setPen(Qt::NoPen);
    p.setBrush(pal.color(QPalette::Button));
    p.drawPolygon(thumb);
    p.setPen(pal.color(QPalette::Light));
    p.drawLine(t.left(), t.bottom(), t.left(), t.top() + 5);
    p.drawLine(t.left(), t.top() + 5, cx, t.top());
    p.setPen(pal.color(QPalette::Shadow));
    p.drawLine(cx, t.top(), t.right(), t.top() + 5);
    p.drawLine(t.right(), t.top() + 5, t.right(), t.bottom());
    p.drawLine(t.right(), t.bottom(), t.left(), t.bottom());

    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(0, 0, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }
}

void TrackBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    const int x = event->position().toPoint().x();
    if (thumbRect().contains(event->position().toPoint())) {
        m_dragging = true;
        m_dragOffset = x - xOf(m_state.pos);
        return;
    }
    m_pressX = x;
    pageTowardPress();
    m_pageRepeat.start(kFirstRepeatMs);
}

void TrackBar::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging) return;
    const int target = positionAt(event->position().toPoint().x() - m_dragOffset);
    if (target != m_state.pos) moveTo(target);
}

void TrackBar::mouseReleaseEvent(QMouseEvent*) {
    m_dragging = false;
    m_pageRepeat.stop();
}

void TrackBar::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            moveTo(m_state.pos - m_state.lineSize);
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            moveTo(m_state.pos + m_state.lineSize);
            break;
        case Qt::Key_PageUp:
            moveTo(m_state.pos - m_state.pageSize);
            break;
        case Qt::Key_PageDown:
            moveTo(m_state.pos + m_state.pageSize);
            break;
        case Qt::Key_Home:
            moveTo(low());
            break;
        case Qt::Key_End:
            moveTo(high());
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

}  // namespace veltrane::qt
