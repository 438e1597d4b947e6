// The windows on a screen with a device pixel ratio of 2: every picture comes from the set drawn
// twice as fine, keeps its size on the screen, and is not the plain one pixel-doubled.
#include <gmock/gmock.h>
#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "app/AboutBox.h"
#include "app/Launcher.h"
#include "resources/ResourceIds.h"
#include "tests/qt/support/WindowDriver.h"
#include "tests/support/WindowFiles.h"
#include "ui/qt/ClipPlayer.h"
#include "ui/qt/ImageStore.h"
#include "ui/qt/PictureButton.h"
#include "vapor/VaporIds.h"

namespace veltrane::testing {
namespace {

// Whether a picture is the 2x rendition of the plain picture at `plainPath`.
void ExpectFine(const QPixmap& picture, const QString& plainPath) {
    SCOPED_TRACE(plainPath.toStdString());
    const QImage plain = QImage(plainPath).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(plain.isNull());
    EXPECT_EQ(picture.devicePixelRatio(), 2.0);
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), plain.size());
    const QImage doubled =
        plain.scaled(plain.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    EXPECT_NE(picture.toImage().convertToFormat(QImage::Format_ARGB32), doubled);
}

TEST(HighDensity, EveryPictureHasItsTwiceAsFineRendition) {
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
    qt::ImageStore images;
    for (int id : {147, 148, 149, 150, 151, 152, 154, 155, 156, 157, 158, 172, 173, 174, 175})
        ExpectFine(images.bitmap(id), QStringLiteral(":/bitmaps/%1.png").arg(id));
    ExpectFine(images.icon(128), QStringLiteral(":/icons/128.png"));
    for (int id : {185, 187, 189})
        ExpectFine(images.clipStrip(id), QStringLiteral(":/clips/%1.png").arg(id));
}

TEST(HighDensity, TheLauncherAboutAndVaporWindowsShowTheFinePictures) {
    QTemporaryDir folder;
    RecordingQtHost host;
    host.workIn(folder.path(),
                SettingsFileText("KPa", "atm", "Helium", "n-Hexane", "4 mm ID single taper"));
    WindowScript script(host);
    MessageBoxAnswerer answers;
    script.on(res::IDD_LAUNCHER, [&](qt::DialogView& view) {
        auto* flow = view.widgetAs<qt::PictureButton>(IDC_FLOW_BUTTON);
        ASSERT_TRUE(flow);
        EXPECT_EQ(flow->size(), QSize(88, 50));  // the same place on the screen, in its units
        EXPECT_EQ(flow->currentImage().devicePixelRatio(), 2.0);
        EXPECT_FALSE(SaveScreenshot(view, "launcher@2x").empty());
        view.menuAction(ID_FILE_ABOUT)->trigger();
        QTest::mouseClick(view.widget(IDC_VAPOR_BUTTON), Qt::LeftButton);
        QTest::mouseClick(view.widget(IDC_EXIT_BUTTON), Qt::LeftButton);
    });
    script.on(res::IDD_ABOUT, [&](qt::DialogView& view) {
        auto* clip = view.widgetAs<qt::ClipPlayer>(IDC_ANIMATE1);
        ASSERT_TRUE(clip);
        const QPixmap frame = clip->currentImage();  // one frame cut from the 2x strip
        EXPECT_EQ(frame.devicePixelRatio(), 2.0);
        EXPECT_EQ(frame.deviceIndependentSize().toSize(), QSize(105, 83));
        QTest::keyClick(&view, Qt::Key_Escape);
    });
    script.on(res::IDD_VAPOR, [&](qt::DialogView& view) {
        auto* lamp = view.widgetAs<QLabel>(vapor::IDC_LAMP);
        ASSERT_TRUE(lamp);
        EXPECT_EQ(lamp->pixmap().devicePixelRatio(), 2.0);
        EXPECT_EQ(lamp->size(), QSize(70, 26));
        EXPECT_FALSE(SaveScreenshot(view, "vapor@2x").empty());
        QTest::keyClick(&view, Qt::Key_Escape);
    });
    EXPECT_EQ(Launcher(host).run(), ui::IDOK);
    EXPECT_TRUE(answers.boxes().empty());
}

}  // namespace
}  // namespace veltrane::testing
