// A horizontal slider: channel, tick marks on top, a coloured selection band, line and page steps.
#pragma once

#include <QTimer>
#include <QWidget>

#include "ui/Control.h"

namespace veltrane::qt {

// Every move the user makes is reported through moved(); state set from the window logic moves
// the thumb silently.
class TrackBar : public QWidget {
    Q_OBJECT
public:
    explicit TrackBar(QWidget* parent = nullptr);

    void setState(const ui::SliderState& state, bool selectionBand);
    const ui::SliderState& state() const { return m_state; }
    int position() const { return m_state.pos; }

    // The pixel column of a position along the channel, and the nearest position to a column.
    int xOf(int position) const;
    int positionAt(int x) const;
    QRect thumbRect() const;

signals:
    void moved(int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int low() const;
    int high() const;
    int travelLeft() const;
    int travelRight() const;
    int channelCentreY() const;
    void moveTo(int position);
    void pageTowardPress();

    ui::SliderState m_state;
    bool m_selectionBand = false;
    bool m_dragging = false;
    int m_dragOffset = 0;
    int m_pressX = 0;
    QTimer m_pageRepeat;
};

}  // namespace veltrane::qt
