#include "ui/qt/AppSetup.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>
#include <clocale>

namespace veltrane::qt {

void SetUpApplication() {
    // Qt has set the locale from the environment; numbers are read and written the C way.
    std::setlocale(LC_NUMERIC, "C");
    // One style everywhere, so the fixed-pixel layouts look alike on every desktop.
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(style);
    }
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(8);
    QApplication::setFont(font);
}

}  // namespace veltrane::qt
