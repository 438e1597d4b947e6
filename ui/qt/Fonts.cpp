#include "ui/qt/Fonts.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "ui/qt/QtText.h"

namespace veltrane::qt {

QString FaceFor(const std::string& face) {
    if (face.empty() || face == "MS Sans Serif" || face == "MS Shell Dlg" || face == "Arial" ||
        face == "Helvetica" || face == "System")
        return QStringLiteral("Liberation Sans");
    if (face == "Times New Roman") return QStringLiteral("Liberation Serif");
    if (face == "Courier New" || face == "Courier") return QStringLiteral("Liberation Mono");
    return ToQString(face);
}

QFont DialogFont(const ui::DialogLayout& layout) {
    QFont font(FaceFor(layout.fontFace));
    const int points = layout.fontPoints > 0 ? layout.fontPoints : 8;
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    return font;
}

QFont ControlFont(const ui::Font& font, const QFont& dialogFont) {
    if (font.face.empty()) return dialogFont;
    QFont q(FaceFor(font.face));
    if (font.height > 0) {
        // A positive height is the whole character cell; Qt sizes the em, which is smaller.
        QFont probe(q);
        probe.setPixelSize(1000);
        const double cellPerEm = QFontMetricsF(probe).height() / 1000.0;
        q.setPixelSize(std::max(1, static_cast<int>(std::lround(font.height / cellPerEm))));
    } else if (font.height < 0) {
        q.setPixelSize(-font.height);
    } else {
        q.setPixelSize(dialogFont.pixelSize() > 0 ? dialogFont.pixelSize() : 11);
    }
    const int weight = font.weight <= 0 ? 400 : std::clamp(font.weight, 100, 900);
    q.setWeight(static_cast<QFont::Weight>(weight));
    return q;
}

}  // namespace veltrane::qt
