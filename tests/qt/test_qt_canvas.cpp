// Drawing through QtCanvas follows GDI's pixel rules.
#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>

#include "tests/qt/DemoWindow.h"
#include "ui/qt/ClientArea.h"
#include "ui/qt/QtCanvas.h"

namespace veltrane::qt {
namespace {

const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

class QtCanvasTest : public ::testing::Test {
protected:
    QtCanvasTest() : image(40, 40, QImage::Format_RGB32) { image.fill(kWhite); }

    // Draws with a fresh canvas and returns the colour of each asked pixel.
    template <class Draw>
    void draw(Draw&& drawing) {
        QPainter painter(&image);
        QtCanvas canvas(painter, QFont(QStringLiteral("Liberation Sans"), 10), &image);
        drawing(canvas);
    }
    QColor at(int x, int y) const { return image.pixelColor(x, y); }

    QImage image;
};

struct PixelRow {
    int x;
    int y;
    QColor color;
};

void ExpectPixels(const QImage& image, std::initializer_list<PixelRow> rows) {
    for (const PixelRow& row : rows)
        EXPECT_EQ(image.pixelColor(row.x, row.y), row.color) << row.x << "," << row.y;
}

TEST_F(QtCanvasTest, RectangleLeavesOutItsRightAndBottomEdges) {
    draw([](ui::Canvas& c) {
        c.selectPen({{255, 0, 0}, 1});
        c.selectBrush({ui::BrushStyle::Solid, {0, 0, 255}});
        c.rectangle(2, 3, 10, 8);
    });
    ExpectPixels(image, {{2, 3, kRed},
                         {9, 3, kRed},
                         {2, 7, kRed},
                         {9, 7, kRed},
                         {5, 5, kBlue},
                         {3, 4, kBlue},
                         {8, 6, kBlue},
                         {10, 3, kWhite},
                         {2, 8, kWhite},
                         {10, 8, kWhite},
                         {1, 3, kWhite},
                         {2, 2, kWhite}});
}

TEST_F(QtCanvasTest, AFreshCanvasHasABlackPenAndAWhiteBrush) {
    image.fill(kBlue);
    draw([](ui::Canvas& c) { c.rectangle(0, 0, 5, 5); });
    ExpectPixels(image, {{0, 0, Qt::black}, {4, 4, Qt::black}, {2, 2, kWhite}, {5, 5, kBlue}});
}

TEST_F(QtCanvasTest, FillRectCoversLeftAndTopButNotRightAndBottom) {
    draw([](ui::Canvas& c) { c.fillRect({5, 5, 8, 7}, {ui::BrushStyle::Solid, {255, 0, 0}}); });
    ExpectPixels(image,
                 {{5, 5, kRed}, {7, 6, kRed}, {8, 5, kWhite}, {5, 7, kWhite}, {4, 5, kWhite}});
}

TEST_F(QtCanvasTest, LinesStopShortOfTheirEndPoint) {
    draw([](ui::Canvas& c) {
        c.selectPen({{255, 0, 0}, 1});
        c.moveTo(2, 2);
        c.lineTo(10, 2);  // horizontal
        c.lineTo(10, 8);  // on from where the last one ended: its end is drawn now
        c.moveTo(20, 20);
        c.lineTo(25, 25);  // diagonal
    });
    ExpectPixels(image, {{2, 2, kRed},
                         {9, 2, kRed},
                         {10, 2, kRed},
                         {10, 7, kRed},
                         {10, 8, kWhite},
                         {20, 20, kRed},
                         {24, 24, kRed},
                         {25, 25, kWhite},
                         {11, 2, kWhite},
                         {1, 2, kWhite}});
}

TEST_F(QtCanvasTest, TheViewportOriginMovesLaterDrawing) {
    draw([](ui::Canvas& c) {
        c.setViewportOrigin(10, 20);
        c.selectPen({{255, 0, 0}, 1});
        c.moveTo(0, 0);
        c.lineTo(3, 0);
        c.fillRect({0, 2, 2, 4}, {ui::BrushStyle::Solid, {0, 0, 255}});
    });
    ExpectPixels(image, {{10, 20, kRed},
                         {12, 20, kRed},
                         {13, 20, kWhite},
                         {0, 0, kWhite},
                         {10, 22, kBlue},
                         {11, 23, kBlue},
                         {12, 22, kWhite}});
}

TEST_F(QtCanvasTest, HatchBrushDrawsRisingDiagonalsInItsColour) {
    draw([](ui::Canvas& c) {
        c.fillRect({0, 0, 16, 16}, {ui::BrushStyle::HatchBDiagonal, {255, 0, 0}});
    });
    int red = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) red += at(x, y) == kRed;
    EXPECT_GT(red, 16);
    EXPECT_LT(red, 128);
    // A rising line: a red pixel has a red neighbour up and to the right.
    for (int y = 1; y < 15; ++y)
        for (int x = 0; x < 15; ++x)
            if (at(x, y) == kRed) {
                EXPECT_EQ(at(x + 1, y - 1), kRed) << x << "," << y;
            }
    EXPECT_EQ(at(20, 20), kWhite);
}

TEST_F(QtCanvasTest, TextHangsFromItsTopLeftCorner) {
    ui::TextMetrics metrics;
    draw([&](ui::Canvas& c) {
        metrics = c.textMetrics();
        c.textOut(5, 10, "Ёж");
    });
    EXPECT_GT(metrics.height, 8);
    EXPECT_GT(metrics.aveCharWidth, 2);
    EXPECT_GE(metrics.externalLeading, 0);
    int top = 40, left = 40, bottom = -1;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            if (at(x, y).lightness() < 128) {
                top = std::min(top, y);
                left = std::min(left, x);
                bottom = std::max(bottom, y);
            }
    EXPECT_GE(top, 10);
    EXPECT_LE(top, 12);  // the dots of Ё stand near the top of the cell
    EXPECT_GE(left, 5);
    EXPECT_LT(bottom, 10 + metrics.height);
}

class PaintedWindowTest : public testing::DemoWindow {};

TEST_F(PaintedWindowTest, TheWindowLogicPaintsTheClientAreaUnderTheControls) {
    dialog.onPaint([](ui::Canvas& c) {
        c.selectPen({{0, 0, 255}, 1});
        c.rectangle(150, 175, 170, 185);
    });
    dialog.invalidate();
    const QImage shot = view.clientArea()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(150, 175), kBlue);
    EXPECT_EQ(shot.pixelColor(169, 184), kBlue);
    EXPECT_EQ(shot.pixelColor(160, 180), kWhite);
    EXPECT_NE(shot.pixelColor(170, 185), kBlue);
}

}  // namespace
}  // namespace veltrane::qt
