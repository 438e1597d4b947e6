// A horizontal spin button without an edit field: two arrows that step while held, accelerating.
#pragma once

#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

#include "ui/Control.h"

namespace veltrane::qt {

// The step for an arrow held this long: the step of the last row whose seconds have passed,
// the first row's before that, and 1 without a table.
int AccelStep(const std::vector<ui::SpinAccel>& accel, double secondsHeld);

// The left arrow steps down, the right arrow up. Each step is reported through stepped(); the
// window logic keeps the position and its range.
class UpDown : public QWidget {
    Q_OBJECT
public:
    using Clock = std::function<std::int64_t()>;  // milliseconds, any fixed start

    explicit UpDown(QWidget* parent = nullptr);

    void setAccel(std::vector<ui::SpinAccel> accel);
    // The time source for the acceleration; tests move it on by hand.
    void setClock(Clock clock);

    QRect leftArrowRect() const;
    QRect rightArrowRect() const;
    int heldDirection() const { return m_held; }

    // One auto-repeat step while an arrow is held; the repeat timer calls it.
    void repeat();

signals:
    void stepped(int delta);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void step();
    void release();

    std::vector<ui::SpinAccel> m_accel;
    Clock m_clock;
    std::int64_t m_pressedAt = 0;
    int m_held = 0;  // -1 left arrow, +1 right arrow, 0 none
    QTimer m_timer;
};

}  // namespace veltrane::qt
