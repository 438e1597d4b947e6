// Draws every picture the program embeds: the icon, the picture buttons, the capacity lamps and
// the about box clips. Run it with the resources folder as its argument; it rewrites
// images/*.png and images.qrc there.
// The pictures themselves are drawn in Buttons.cpp, Lamps.cpp, Icon.cpp and Clips.cpp.

#include "ui/qt/art/Pictures.h"

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
    QImage strip(w * static_cast<int>(frames.size()), h, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    for (size_t i = 0; i < frames.size(); ++i) p.drawImage(static_cast<int>(i) * w, 0, frames[i]);
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
    if (!res.mkpath("images")) {
        std::fprintf(stderr, "cannot make %s/images\n", argv[1]);
        return 1;
    }
    const QString dir = res.filePath("images") + "/";
    bool ok = true;
    std::vector<int> bitmaps;
    auto bitmap = [&](int id, const QImage& img) {
        Save(img, dir + QString::number(id) + ".png", ok);
        bitmaps.push_back(id);
    };

    const Content vapor = VaporContent, flow = FlowContent, gases = GasesContent;
    bitmap(147, Button(89, 50, false, false, vapor));
    bitmap(148, Button(89, 50, true, false, vapor));
    bitmap(149, Button(89, 50, false, true, vapor));
    bitmap(150, Button(88, 50, false, false, flow));
    bitmap(151, Button(88, 50, true, false, flow));
    bitmap(152, Button(88, 50, false, true, flow));
    const auto solvents = [](int h) {
        return Content([h](QPainter& p, bool pressed) { SolventsContent(p, pressed, h); });
    };
    bitmap(154, Button(82, 42, false, false, solvents(42)));
    bitmap(155, Button(82, 42, true, false, solvents(42)));
    bitmap(156, Button(97, 27, false, false, gases));
    bitmap(157, Button(97, 27, true, false, gases));
    bitmap(158, Button(97, 27, false, true, gases));
    bitmap(172, Button(82, 48, false, true, solvents(48)));
    bitmap(173, Lamps(2));
    bitmap(174, Lamps(0));
    bitmap(175, Lamps(1));

    const int iconSizes[] = {16, 48, 256};
    Save(SmallIcon(32), dir + "128.png", ok);
    Save(SmallIcon(16), dir + "icon128-16.png", ok);
    Save(LargeIcon(48), dir + "icon128-48.png", ok);
    Save(LargeIcon(256), dir + "icon128-256.png", ok);

    std::vector<QImage> frames;
    for (int i = 0; i < 4; ++i) frames.push_back(ClipCylinder(i));
    Save(Strip(frames), dir + "clip185.png", ok);
    frames.clear();
    for (int i = 0; i < kChromFrames; ++i) frames.push_back(ChromFrame(i));
    Save(Strip(frames), dir + "clip187.png", ok);
    Save(Strip({ClipStill()}), dir + "clip189.png", ok);

    QFile qrc(res.filePath("images.qrc"));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "cannot write images.qrc\n");
        return 1;
    }
    QTextStream out(&qrc);
    out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (int id : bitmaps)
        out << "    <file alias=\"bitmaps/" << id << ".png\">images/" << id << ".png</file>\n";
    out << "    <file alias=\"icons/128.png\">images/128.png</file>\n";
    for (int s : iconSizes)
        out << "    <file alias=\"icons/128-" << s << ".png\">images/icon128-" << s
            << ".png</file>\n";
    for (int id : {185, 187, 189})
        out << "    <file alias=\"clips/" << id << ".png\">images/clip" << id << ".png</file>\n";
    out << "</qresource>\n</RCC>\n";
    return ok ? 0 : 1;
}
