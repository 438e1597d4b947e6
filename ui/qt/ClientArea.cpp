#include "ui/qt/ClientArea.h"

#include <QPainter>

#include "ui/qt/QtCanvas.h"

namespace veltrane::qt {

ClientArea::ClientArea(ui::Dialog& dialog, QWidget* parent) : QWidget(parent), m_dialog(dialog) {
    setAutoFillBackground(true);
}

void ClientArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QtCanvas canvas(painter, font(), this);
    m_dialog.paint(canvas);
}

}  // namespace veltrane::qt
