#include "ui/qt/UpDown.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <memory>

namespace veltrane::qt {

namespace {

constexpr int kFirstRepeatMs = 400;
constexpr int kRepeatMs = 100;

}  // namespace

int AccelStep(const std::vector<ui::SpinAccel>& accel, double secondsHeld) {
    if (accel.empty()) return 1;
    int step = accel.front().step;
    for (const ui::SpinAccel& row : accel)
        if (secondsHeld >= row.seconds) step = row.step;
    return step;
}

UpDown::UpDown(QWidget* parent) : QWidget(parent) {
    // Clicking the arrows leaves the keyboard focus where it was, as beside an edit field.
    setFocusPolicy(Qt::NoFocus);
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    m_clock = [started] { return static_cast<std::int64_t>(started->elapsed()); };
    connect(&m_timer, &QTimer::timeout, this, &UpDown::repeat);
}

void UpDown::setAccel(std::vector<ui::SpinAccel> accel) {
    m_accel = std::move(accel);
}

void UpDown::setClock(Clock clock) {
    m_clock = std::move(clock);
}

QRect UpDown::leftArrowRect() const {
    return QRect(0, 0, width() / 2, height());
}

QRect UpDown::rightArrowRect() const {
    return QRect(width() / 2, 0, width() - width() / 2, height());
}

void UpDown::step() {
    const double held = static_cast<double>(m_clock() - m_pressedAt) / 1000.0;
    emit stepped(m_held * AccelStep(m_accel, held));
}

void UpDown::repeat() {
    if (m_held == 0) return;
    m_timer.setInterval(kRepeatMs);
    step();
}

void UpDown::release() {
    m_held = 0;
    m_timer.stop();
    update();
}

void UpDown::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    const QPoint at = event->position().toPoint();
    m_held = leftArrowRect().contains(at) ? -1 : rightArrowRect().contains(at) ? 1 : 0;
    if (m_held == 0) return;
    m_pressedAt = m_clock();
    update();
    step();
    m_timer.start(kFirstRepeatMs);
}

void UpDown::mouseReleaseEvent(QMouseEvent*) {
    release();
}

void UpDown::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled()) release();
    QWidget::changeEvent(event);
}

void UpDown::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (int side : {-1, 1}) {
        const QRect r = side < 0 ? leftArrowRect() : rightArrowRect();
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = r;
        button.state |= (m_held == side) ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &button, &p, this);
        QStyleOption arrow;
        arrow.initFrom(this);
        const int inset = std::max(2, std::min(r.width(), r.height()) / 4);
        arrow.rect = r.adjusted(inset, inset, -inset, -inset);
        if (m_held == side) arrow.rect.translate(1, 1);
        style()->drawPrimitive(
            side < 0 ? QStyle::PE_IndicatorArrowLeft : QStyle::PE_IndicatorArrowRight, &arrow, &p,
            this);
    }
}

}  // namespace veltrane::qt
