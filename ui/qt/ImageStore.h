// The program's embedded pictures by resource id: bitmaps, icons and animation clip strips.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <map>

namespace veltrane::qt {

// Loads each picture once and keeps it; a picture that is not there is a null pixmap, and the
// control that wanted it simply shows nothing. On a screen with a device pixel ratio above 1 the
// 2x picture ("<id>@2x.png") is taken when there is one.
class ImageStore {
public:
    ImageStore();

    // ":/bitmaps/<id>.png", or ":/bitmaps/<language>/<id>.png" when the windows are in a
    // language that picture is drawn in.
    QPixmap bitmap(int id);
    QPixmap icon(int id);       // ":/icons/<id>.png"
    QPixmap clipStrip(int id);  // ":/clips/<id>.png": the frames side by side
    // A window icon from the icon and its other sizes (":/icons/<id>-16.png" and so on).
    QIcon windowIcon(int id);

private:
    QPixmap load(const QString& path);

    std::map<QString, QPixmap> m_cache;
};

}  // namespace veltrane::qt
