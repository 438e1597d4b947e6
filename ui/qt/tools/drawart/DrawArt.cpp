// Draws every picture the program embeds: the icon, the picture buttons, the capacity lamps and
// the about box clips. Run it with the resources folder as its argument; it rewrites
// images/*.png and images.qrc there.
// The pictures themselves are drawn in Buttons.cpp, Lamps.cpp, Icon.cpp and Clips.cpp.

#include "ui/qt/tools/drawart/Pictures.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QTextStream>

#include <cstdio>
#include <vector>

namespace {

QImage Strip(const std::vector<QImage>& frames) {
    const int w = frames.front().width(), h = frames.front().height();
    const qreal scale = frames.front().devicePixelRatio();
    QImage strip(w * static_cast<int>(frames.size()), h, QImage::Format_ARGB32);
    strip.setDevicePixelRatio(scale);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    for (size_t i = 0; i < frames.size(); ++i)
        p.drawImage(QPointF(static_cast<int>(i) * w / scale, 0), frames[i]);
    return strip;
}

bool Save(const QImage& img, const QString& path, bool& ok) {
    const bool saved = img.convertToFormat(QImage::Format_ARGB32).save(path, "PNG");
    if (!saved) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    ok = ok && saved;
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace veltrane::art;
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resources folder>\n", argv[0]);
        return 2;
    }
    const QDir res(QString::fromLocal8Bit(argv[1]));
    if (!res.mkpath("images/en")) {
        std::fprintf(stderr, "cannot make %s/images\n", argv[1]);
        return 1;
    }
    const QString dir = res.filePath("images") + "/";
    bool ok = true;
    std::vector<int> bitmaps, translated;
    // The plain set, then the 2x set that Qt picks by its "@2x" names on high-density screens.
    const QString suffixes[] = {"", "@2x"};
    for (int scale : {1, 2}) {
        const QString at = suffixes[scale - 1];
        // The picture buttons carry words: the Russian set, then the English one in images/en/.
        for (const ButtonWords* words : {&kRussianWords, &kEnglishWords}) {
            const QString language = words->russian ? "" : "en/";
            auto bitmap = [&](int id, const QImage& img) {
                Save(img, dir + language + QString::number(id) + at + ".png", ok);
                if (scale == 1 && words->russian) bitmaps.push_back(id);
                if (scale == 1 && !words->russian) translated.push_back(id);
            };
            const Content vapor = [words](QPainter& p, bool down) {
                VaporContent(p, down, *words);
            };
            const Content flow = [words](QPainter& p, bool down) { FlowContent(p, down, *words); };
            const Content gases = [words](QPainter& p, bool down) {
                GasesContent(p, down, *words);
            };
            const Content solvents = [words](QPainter& p, bool down) {
                SolventsContent(p, down, *words);
            };
            bitmap(147, Button(89, 50, false, false, vapor, scale));
            bitmap(148, Button(89, 50, true, false, vapor, scale));
            bitmap(149, Button(89, 50, false, true, vapor, scale));
            bitmap(150, Button(88, 50, false, false, flow, scale));
            bitmap(151, Button(88, 50, true, false, flow, scale));
            bitmap(152, Button(88, 50, false, true, flow, scale));
            bitmap(154, Button(82, 42, false, false, solvents, scale));
            bitmap(155, Button(82, 42, true, false, solvents, scale));
            bitmap(156, Button(97, 27, false, false, gases, scale));
            bitmap(157, Button(97, 27, true, false, gases, scale));
            bitmap(158, Button(97, 27, false, true, gases, scale));
            bitmap(172, Button(82, 42, false, true, solvents, scale));
        }
        auto bitmap = [&](int id, const QImage& img) {
            Save(img, dir + QString::number(id) + at + ".png", ok);
            if (scale == 1) bitmaps.push_back(id);
        };
        bitmap(173, Lamps(2, scale));
        bitmap(174, Lamps(0, scale));
        bitmap(175, Lamps(1, scale));

        Save(SmallIcon(32, scale), dir + "128" + at + ".png", ok);

        std::vector<QImage> frames;
        for (int i = 0; i < 4; ++i) frames.push_back(ClipCylinder(i, scale));
        Save(Strip(frames), dir + "clip185" + at + ".png", ok);
        frames.clear();
        for (int i = 0; i < kChromFrames; ++i) frames.push_back(ChromFrame(i, scale));
        Save(Strip(frames), dir + "clip187" + at + ".png", ok);
        Save(Strip({ClipStill(scale)}), dir + "clip189" + at + ".png", ok);
    }
    // The window icon's other sizes: a 32 pixel icon on a 2x screen takes the 48 or 256 one.
    const int iconSizes[] = {16, 48, 256};
    Save(SmallIcon(16, 1), dir + "icon128-16.png", ok);
    Save(LargeIcon(48), dir + "icon128-48.png", ok);
    Save(LargeIcon(256), dir + "icon128-256.png", ok);

    QFile qrc(res.filePath("images.qrc"));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "cannot write images.qrc\n");
        return 1;
    }
    QTextStream out(&qrc);
    out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const QString& at : suffixes)
        for (int id : bitmaps)
            out << "    <file alias=\"bitmaps/" << id << at << ".png\">images/" << id << at
                << ".png</file>\n";
    for (const QString& at : suffixes)
        for (int id : translated)
            out << "    <file alias=\"bitmaps/en/" << id << at << ".png\">images/en/" << id << at
                << ".png</file>\n";
    for (const QString& at : suffixes)
        out << "    <file alias=\"icons/128" << at << ".png\">images/128" << at << ".png</file>\n";
    for (int s : iconSizes)
        out << "    <file alias=\"icons/128-" << s << ".png\">images/icon128-" << s
            << ".png</file>\n";
    for (const QString& at : suffixes)
        for (int id : {185, 187, 189})
            out << "    <file alias=\"clips/" << id << at << ".png\">images/clip" << id << at
                << ".png</file>\n";
    out << "</qresource>\n</RCC>\n";
    return ok ? 0 : 1;
}
