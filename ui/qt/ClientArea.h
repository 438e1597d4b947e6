// A dialog's client area: the window logic paints it, the control widgets sit on it.
#pragma once

#include <QFont>
#include <QWidget>

#include "ui/Dialog.h"

namespace veltrane::qt {

class ClientArea : public QWidget {
    Q_OBJECT
public:
    ClientArea(ui::Dialog& dialog, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ui::Dialog& m_dialog;
};

}  // namespace veltrane::qt
