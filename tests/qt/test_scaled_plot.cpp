// The plot window on a denser screen: this program runs once on a desktop of 120 dots per inch
// (QT_FONT_DPI=120) and once at a scale of 1.5 (QT_SCALE_FACTOR=1.5), see CMakeLists.txt. Its
// texts are drawn finer there, and must keep as clear of each other as at 96 dots per inch.
#include <gmock/gmock.h>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <optional>

#include "app/Launcher.h"
#include "column/ColumnIds.h"
#include "plot/PlotWindow.h"
#include "resources/ResourceIds.h"
#include "tests/qt/support/WindowDriver.h"
#include "tests/support/Languages.h"
#include "tests/support/WindowFiles.h"

namespace veltrane::testing {
namespace {

// The rectangle a label's text is painted in, in window pixels: its dark pixels as the label
// paints itself at the screen's density.
QRectF PaintedText(QLabel& label) {
    const QImage look = label.grab().toImage();
    QRect ink;
    for (int y = 0; y < look.height(); ++y)
        for (int x = 0; x < look.width(); ++x)
            if (qGray(look.pixel(x, y)) < 160) ink |= QRect(x, y, 1, 1);
    const qreal ratio = look.devicePixelRatio();
    return QRectF(ink.topLeft() / ratio, ink.size() / ratio).translated(label.pos());
}

// "-dpi120" or "@1.5x", after the screenshot's name.
std::string Density() {
    const QByteArray dpi = qgetenv("QT_FONT_DPI");
    if (!dpi.isEmpty()) return "-dpi" + dpi.toStdString();
    return "@" + QString::number(qApp->devicePixelRatio()).toStdString() + "x";
}

// Opens the plot from the launcher and runs `look` in it.
void InPlotWindow(const std::function<void(qt::DialogView&)>& look) {
    QTemporaryDir folder;
    RecordingQtHost host;
    host.workIn(folder.path(), SettingsFileText("KPa", "atm", "Helium", "", ""));
    WindowScript script(host);
    script.on(res::IDD_LAUNCHER, [](qt::DialogView& view) {
        QTest::mouseClick(view.widget(IDC_FLOW_BUTTON), Qt::LeftButton);
        QTest::mouseClick(view.widget(IDC_EXIT_BUTTON), Qt::LeftButton);
    });
    script.on(res::IDD_COLUMN, [](qt::DialogView& view) {
        QTest::mouseClick(view.widget(column::IDC_PLOT), Qt::LeftButton);
        QTest::keyClick(&view, Qt::Key_Escape);
    });
    script.on(res::IDD_PLOT, [&](qt::DialogView& view) {
        look(view);
        QTest::keyClick(&view, Qt::Key_Escape);
    });
    Launcher(host).run();
    EXPECT_THAT(script.shown(), ::testing::Contains(res::IDD_PLOT));
}

TEST(ScaledPlot, TheVelocityTitleKeepsClearOfTheTickLabelsInBothLanguages) {
    ASSERT_GT(qApp->devicePixelRatio(), 1.0) << "run with QT_FONT_DPI=120 or QT_SCALE_FACTOR=1.5";
    for (const bool english : {false, true}) {
        SCOPED_TRACE(english ? "English" : "Russian");
        std::optional<ScopedLanguage> language;
        if (english) language.emplace(kEnglish);
        InPlotWindow([&](qt::DialogView& view) {
            EXPECT_FALSE(SaveScreenshot(view, "plot" + Density() + (english ? "-en" : "")).empty());
            auto* title = view.widgetAs<QLabel>(plot::IDC_VELOCITY_TITLE);
            ASSERT_TRUE(title);
            // A pixel of room all round, so no letter touches a figure.
            const QRectF titleText = PaintedText(*title).adjusted(-1, -1, 1, 1);
            int ticks = 0;
            for (QLabel* label : view.findChildren<QLabel*>()) {
                const QString text = label->text();
                if (!QStringList{"200", "160", "120", "80", "40", "0"}.contains(text)) continue;
                ++ticks;
                EXPECT_FALSE(titleText.intersects(PaintedText(*label))) << text.toStdString();
            }
            EXPECT_EQ(ticks, 6);
        });
    }
}

}  // namespace
}  // namespace veltrane::testing
