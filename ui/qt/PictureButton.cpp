#include "ui/qt/PictureButton.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace veltrane::qt {

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void PictureButton::setImages(const QPixmap& up, const QPixmap& down, const QPixmap& focus) {
    m_up = up;
    m_down = down.isNull() ? up : down;
    m_focus = focus.isNull() ? up : focus;
    if (!m_up.isNull()) resize(m_up.deviceIndependentSize().toSize());
    update();
}

const QPixmap& PictureButton::currentImage() const {
    if (isDown()) return m_down;
    if (hasFocus()) return m_focus;
    return m_up;
}

QSize PictureButton::sizeHint() const {
    if (!m_up.isNull()) return m_up.deviceIndependentSize().toSize();
    return QSize(75, 23);
}

void PictureButton::paintEvent(QPaintEvent*) {
    if (hasImages()) {
        QPainter painter(this);
        painter.drawPixmap(0, 0, currentImage());
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.text = text();
    if (isDown())
        option.state |= QStyle::State_Sunken;
    else
        option.state |= QStyle::State_Raised;
    painter.drawControl(QStyle::CE_PushButton, option);
}

}  // namespace veltrane::qt
