#include "ui/qt/ImageStore.h"

#include <QGuiApplication>

#include "data/Translation.h"

// The images live in a static library, so the program must ask for them to be linked in and
// registered; registering twice is harmless.
static void RegisterEmbeddedImages() {
#ifdef VELTRANE_HAVE_IMAGES
    Q_INIT_RESOURCE(images);
#endif
}

namespace veltrane::qt {

ImageStore::ImageStore() {
    RegisterEmbeddedImages();
}

QPixmap ImageStore::bitmap(int id) {
    // Pictures with words painted in them come in the language of the windows where drawn so.
    const std::string language = TextLanguage();
    if (!language.empty()) {
        QPixmap translated = load(
            QStringLiteral(":/bitmaps/%1/%2.png").arg(QString::fromStdString(language)).arg(id));
        if (!translated.isNull()) return translated;
    }
    return load(QStringLiteral(":/bitmaps/%1.png").arg(id));
}

QPixmap ImageStore::icon(int id) {
    return load(QStringLiteral(":/icons/%1.png").arg(id));
}

QPixmap ImageStore::clipStrip(int id) {
    return load(QStringLiteral(":/clips/%1.png").arg(id));
}

QIcon ImageStore::windowIcon(int id) {
    QIcon icon;
    for (const char* size : {"", "-16", "-32", "-48", "-256"}) {
        const QPixmap picture = load(QStringLiteral(":/icons/%1%2.png").arg(id).arg(size));
        if (!picture.isNull()) icon.addPixmap(picture);
    }
    return icon;
}

QPixmap ImageStore::load(const QString& path) {
    auto it = m_cache.find(path);
    if (it == m_cache.end()) {
        // A high-density screen gets the picture drawn twice as fine, where there is one; its
        // "@2x" name gives it a device pixel ratio of 2, so it keeps its size on the screen.
        QPixmap picture;
        if (qApp && qApp->devicePixelRatio() > 1) {
            QString fine = path;
            picture = QPixmap(fine.insert(fine.lastIndexOf('.'), QStringLiteral("@2x")));
        }
        if (picture.isNull()) picture = QPixmap(path);
        it = m_cache.emplace(path, picture).first;
    }
    return it->second;
}

}  // namespace veltrane::qt
