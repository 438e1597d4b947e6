// The picture buttons' up, pressed and focus pictures, in both languages, on the screen's density
// (this file runs in the plain and in the 2x test programs): each picture fits the button and
// shows the whole word, and a focused button in its window shows its whole focus picture.
#include <gmock/gmock.h>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include "app/Launcher.h"
#include "resources/ResourceIds.h"
#include "tests/qt/support/WindowDriver.h"
#include "tests/support/Languages.h"
#include "tests/support/WindowFiles.h"
#include "ui/qt/ImageStore.h"
#include "ui/qt/PictureButton.h"
#include "vapor/VaporIds.h"

namespace veltrane::testing {
namespace {

struct PictureButtonSet {
    const char* name;
    int up, down, focus;
    QRect words;  // where the words are painted: beside the drawing, inside the button's edge
};

const PictureButtonSet kButtons[] = {
    {"vapor", res::IDB_VAPOR_UP, res::IDB_VAPOR_DOWN, res::IDB_VAPOR_FOCUS, {30, 2, 57, 46}},
    {"flow", res::IDB_FLOW_UP, res::IDB_FLOW_DOWN, res::IDB_FLOW_FOCUS, {35, 2, 51, 46}},
    {"gases", res::IDB_GASES_UP, res::IDB_GASES_DOWN, res::IDB_GASES_FOCUS, {36, 2, 59, 23}},
    {"solvents",
     res::IDB_SOLVENTS_UP,
     res::IDB_SOLVENTS_DOWN,
     res::IDB_SOLVENTS_FOCUS,
     {2, 27, 78, 13}},
};

QImage Pixels(const QPixmap& picture) {
    return picture.toImage().convertToFormat(QImage::Format_ARGB32);
}

// The box around the black pixels of the words, in image pixels.
QRect WordBox(const QImage& up, const QRect& words, int scale) {
    const QRect area(words.topLeft() * scale, words.size() * scale);
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (up.valid(x, y) && up.pixel(x, y) == qRgb(0, 0, 0)) box |= QRect(x, y, 1, 1);
    return box;
}

// The pixels of `box` in `a` and the same pixels moved by `shift` in `b` are alike, and all lie
// inside both pictures.
bool SameWithin(const QImage& a, const QImage& b, const QRect& box, QPoint shift = {}) {
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            const QPoint moved = QPoint(x, y) + shift;
            if (!a.valid(x, y) || !b.valid(moved) || a.pixel(x, y) != b.pixel(moved)) return false;
        }
    return true;
}

TEST(PictureButtons, EveryPictureFitsTheButtonAndShowsTheWholeWord) {
    const int scale = static_cast<int>(qApp->devicePixelRatio());
    for (const bool english : {false, true}) {
        std::optional<ScopedLanguage> language;
        if (english) language.emplace(kEnglish);
        qt::ImageStore images;
        for (const PictureButtonSet& button : kButtons) {
            SCOPED_TRACE(std::string(button.name) + (english ? " en" : " ru") + " at " +
                         std::to_string(scale) + "x");
            const QPixmap up = images.bitmap(button.up);
            ASSERT_FALSE(up.isNull());
            ASSERT_EQ(up.devicePixelRatio(), scale);
            const QImage upPixels = Pixels(up);
            // The button takes the up picture's size, so a larger picture would be cut.
            const QImage down = Pixels(images.bitmap(button.down));
            const QImage focus = Pixels(images.bitmap(button.focus));
            EXPECT_TRUE(down.size() == upPixels.size()) << "pressed picture of another size";
            EXPECT_TRUE(focus.size() == upPixels.size()) << "focus picture of another size";
            const QRect box = WordBox(upPixels, button.words, scale);
            ASSERT_FALSE(box.isEmpty());
            // One screen pixel around the words: no dot of the focus frame comes that close, and
            // pressed, the words move one pixel down and right, whole, clear of the sunken edge.
            const QRect margin = box.adjusted(-scale, -scale, scale, scale);
            EXPECT_TRUE(SameWithin(upPixels, focus, margin)) << "focus frame on the words";
            EXPECT_TRUE(SameWithin(upPixels, down, margin, QPoint(scale, scale)))
                << "pressed words cut";
        }
    }
}

// Focuses a picture button in its active window; its grab is what a person sees of it.
QImage FocusedLook(qt::DialogView& view, int id) {
    view.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&view));
    QWidget* button = view.widget(id);
    button->setFocus(Qt::TabFocusReason);
    ProcessEvents();
    EXPECT_TRUE(button->hasFocus());
    return Pixels(button->grab());
}

TEST(PictureButtons, AFocusedButtonShowsItsWholeFocusPicture) {
    QTemporaryDir folder;
    RecordingQtHost host;
    host.workIn(folder.path(),
                SettingsFileText("KPa", "atm", "Helium", "n-Hexane", "4 mm ID single taper"));
    WindowScript script(host);
    qt::ImageStore images;
    const std::string density = qApp->devicePixelRatio() > 1 ? "@2x" : "";
    script.on(res::IDD_LAUNCHER, [&](qt::DialogView& view) {
        EXPECT_TRUE(FocusedLook(view, IDC_VAPOR_BUTTON) ==
                    Pixels(images.bitmap(res::IDB_VAPOR_FOCUS)));
        EXPECT_TRUE(FocusedLook(view, IDC_FLOW_BUTTON) ==
                    Pixels(images.bitmap(res::IDB_FLOW_FOCUS)));
        EXPECT_FALSE(SaveScreenshot(view, "launcher-focus" + density).empty());
        QTest::mouseClick(view.widget(IDC_VAPOR_BUTTON), Qt::LeftButton);
        QTest::mouseClick(view.widget(IDC_EXIT_BUTTON), Qt::LeftButton);
    });
    script.on(res::IDD_VAPOR, [&](qt::DialogView& view) {
        EXPECT_TRUE(FocusedLook(view, vapor::IDC_SOLVENTS_BUTTON) ==
                    Pixels(images.bitmap(res::IDB_SOLVENTS_FOCUS)));
        EXPECT_FALSE(SaveScreenshot(view, "vapor-focus" + density).empty());
        QTest::keyClick(&view, Qt::Key_Escape);
    });
    EXPECT_EQ(Launcher(host).run(), ui::IDOK);
    EXPECT_THAT(script.shown(), ::testing::ElementsAre(res::IDD_LAUNCHER, res::IDD_VAPOR));
}

}  // namespace
}  // namespace veltrane::testing
