// What a person does on the real widgets arrives at the window logic's handlers.
#include <gmock/gmock.h>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "resources/ResourceIds.h"
#include "tests/qt/DemoWindow.h"
#include "ui/qt/ClientArea.h"
#include "ui/qt/PictureButton.h"
#include "ui/qt/TrackBar.h"
#include "ui/qt/UpDown.h"

namespace veltrane::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class DialogInputTest : public DemoWindow {
protected:
    DialogInputTest() {
        view.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&view));
        // The focus starts on the first edit; leaving it would be logged by the first click.
        focus(ui::IDCANCEL);
        log.clear();
    }
    void focus(int id) {
        view.widget(id)->setFocus(Qt::TabFocusReason);
        ProcessEvents();
    }
};

TEST_F(DialogInputTest, TypingGivesAChangePerKeystrokeAndLeavingGivesLeave) {
    auto* edit = view.widgetAs<QLineEdit>(kLengthEdit);
    focus(kLengthEdit);
    edit->selectAll();
    QTest::keyClicks(edit, "45");
    EXPECT_EQ(dialog.text(kLengthEdit), "45");
    focus(ui::IDCANCEL);
    EXPECT_THAT(log, ElementsAre("change 101 4", "change 101 45", "leave 101"));
}

TEST_F(DialogInputTest, TypingStopsWhenAFieldWithoutSidewaysScrollingIsFull) {
    auto* edit = view.widgetAs<QLineEdit>(kLengthEdit);
    focus(kLengthEdit);
    edit->clear();
    QTest::keyClicks(edit, QString(40, u'8'));
    const QString typed = edit->text();
    EXPECT_GT(typed.size(), 3);
    EXPECT_LT(typed.size(), 40);
    EXPECT_EQ(dialog.text(kLengthEdit), typed.toStdString());
    // The program's own texts are not held to the width.
    dialog.setText(kLengthEdit, std::string(40, '9'));
    EXPECT_EQ(edit->text().size(), 40);
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_Backspace);  // and it can still be shortened
    EXPECT_EQ(dialog.text(kLengthEdit), std::string(39, '9'));
    // A field that scrolls takes any length.
    dialog.setText(kReadOnlyEdit, "");
    auto* other = view.widgetAs<QLineEdit>(kReadOnlyEdit);
    EXPECT_EQ(other->validator(), nullptr);
}

TEST_F(DialogInputTest, AHandlerRewritingTheTextIsShownAndNotTypedAgain) {
    dialog.onChange(kLengthEdit, [&] {
        log.push_back("change " + dialog.text(kLengthEdit));
        if (dialog.text(kLengthEdit) == "9") dialog.setText(kResultField, "nine");
    });
    dialog.onLeave(kLengthEdit, [&] {
        log.push_back("leave");
        dialog.setText(kLengthEdit, "500");  // a bound written back on leaving
    });
    auto* edit = view.widgetAs<QLineEdit>(kLengthEdit);
    focus(kLengthEdit);
    edit->clear();
    QTest::keyClicks(edit, "9");
    focus(ui::IDOK);
    EXPECT_EQ(edit->text(), "500");
    EXPECT_EQ(view.widgetAs<QLabel>(kResultField)->text(), "nine");
    EXPECT_THAT(log, ElementsAre("change 9", "change 102 nine", "leave", "change 500"));
}

TEST_F(DialogInputTest, ButtonsPictureButtonsAndMenuItemsClick) {
    QTest::mouseClick(view.widget(ui::IDOK), Qt::LeftButton);
    QTest::mouseClick(view.widget(kFlowButton), Qt::LeftButton);
    view.menuAction(501)->trigger();
    dialog.enable(ui::IDCANCEL, false);
    QTest::mouseClick(view.widget(ui::IDCANCEL), Qt::LeftButton);
    EXPECT_THAT(log, ElementsAre("click 1", "click 109", "click 501"));
}

TEST_F(DialogInputTest, ThePictureButtonShowsItsDownAndFocusPictures) {
    auto* button = view.widgetAs<qt::PictureButton>(kFlowButton);
    if (!button->hasImages()) GTEST_SKIP() << "pictures not embedded";
    const QImage up = images.bitmap(res::IDB_FLOW_UP).toImage();
    const QImage down = images.bitmap(res::IDB_FLOW_DOWN).toImage();
    const QImage focused = images.bitmap(res::IDB_FLOW_FOCUS).toImage();
    EXPECT_EQ(button->currentImage().toImage(), up);
    button->setDown(true);
    EXPECT_EQ(button->currentImage().toImage(), down);
    button->setDown(false);
    focus(kFlowButton);
    EXPECT_EQ(button->currentImage().toImage(), focused);
    EXPECT_EQ(button->grab().toImage().pixel(10, 10), focused.pixel(10, 10));
}

TEST_F(DialogInputTest, RadioButtonsShowWhatTheDialogDecides) {
    auto* a = view.widgetAs<QRadioButton>(kRadioA);
    auto* b = view.widgetAs<QRadioButton>(kRadioB);
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_TRUE(dialog.isChecked(kRadioB));
    EXPECT_TRUE(b->isChecked());
    QTest::mouseClick(a, Qt::LeftButton);
    EXPECT_TRUE(a->isChecked());
    EXPECT_FALSE(b->isChecked());
    QTest::mouseClick(a, Qt::LeftButton);  // clicking the checked one keeps it checked
    EXPECT_TRUE(a->isChecked());
    // A handler that checks another button of the group wins over the click.
    dialog.onClick(kRadioC, [&] { dialog.checkRadio(kRadioB); });
    QTest::mouseClick(view.widget(kRadioC), Qt::LeftButton);
    EXPECT_TRUE(b->isChecked());
    EXPECT_FALSE(view.widgetAs<QRadioButton>(kRadioC)->isChecked());
    EXPECT_THAT(log, ElementsAre("click 111", "click 110", "click 110"));
}

TEST_F(DialogInputTest, ArrowKeysMoveThroughTheRadioGroupAndClick) {
    dialog.enable(kRadioB, false);
    focus(kRadioA);
    QTest::keyClick(view.widget(kRadioA), Qt::Key_Down);  // past the disabled one
    EXPECT_EQ(QApplication::focusWidget(), view.widget(kRadioC));
    QTest::keyClick(view.widget(kRadioC), Qt::Key_Right);  // round to the first
    QTest::keyClick(view.widget(kRadioA), Qt::Key_Up);
    EXPECT_TRUE(view.widgetAs<QRadioButton>(kRadioC)->isChecked());
    EXPECT_FALSE(view.widgetAs<QRadioButton>(kRadioA)->isChecked());
    EXPECT_THAT(log, ElementsAre("click 112", "click 110", "click 112"));
}

TEST_F(DialogInputTest, PickingAListEntrySelectsIt) {
    for (const char* gas : {"Гелий", "Азот", "Водород"}) dialog.addEntry(kGasList, gas);
    dialog.setSelection(kGasList, 0);
    auto* combo = view.widgetAs<QComboBox>(kGasList);
    focus(kGasList);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(dialog.selection(kGasList), 1);
    QTest::keyClick(combo, Qt::Key_End);
    EXPECT_EQ(dialog.text(kGasList), "Водород");
    EXPECT_THAT(log, ElementsAre("select 113 1", "select 113 2"));
}

TEST_F(DialogInputTest, SliderKeysAndClicksMoveByLineAndPage) {
    dialog.setSliderRange(kVelocitySlider, 0, 100);
    dialog.setSliderPage(kVelocitySlider, 10);
    dialog.setSliderLine(kVelocitySlider, 2);
    dialog.setSliderPos(kVelocitySlider, 50);
    auto* slider = view.widgetAs<qt::TrackBar>(kVelocitySlider);
    focus(kVelocitySlider);
    QTest::keyClick(slider, Qt::Key_Right);
    QTest::keyClick(slider, Qt::Key_PageUp);
    QTest::keyClick(slider, Qt::Key_End);
    QTest::keyClick(slider, Qt::Key_Right);  // held at the end, and still notified
    QTest::keyClick(slider, Qt::Key_Home);
    // A click in the channel beside the thumb moves a page toward the click.
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(slider->width() - 10, 18));
    EXPECT_EQ(dialog.sliderPos(kVelocitySlider), 10);
    EXPECT_EQ(slider->position(), 10);
    EXPECT_THAT(log, ElementsAre("scroll 114 52", "scroll 114 42", "scroll 114 100",
                                 "scroll 114 100", "scroll 114 0", "scroll 114 10"));
}

TEST_F(DialogInputTest, DraggingTheThumbReportsEveryNewPosition) {
    dialog.setSliderRange(kVelocitySlider, 0, 100);
    dialog.setSliderPos(kVelocitySlider, 0);
    auto* slider = view.widgetAs<qt::TrackBar>(kVelocitySlider);
    const QPoint thumb = slider->thumbRect().center();
    QTest::mousePress(slider, Qt::LeftButton, {}, thumb);
    QTest::mouseMove(slider, QPoint(slider->xOf(40), thumb.y()));
    QTest::mouseMove(slider, QPoint(slider->xOf(40), thumb.y() + 2));   // same column: nothing
    QTest::mouseMove(slider, QPoint(slider->width() + 50, thumb.y()));  // past the end
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(slider->width() + 50, thumb.y()));
    EXPECT_EQ(dialog.sliderPos(kVelocitySlider), 100);
    EXPECT_THAT(log, ElementsAre("scroll 114 40", "scroll 114 100"));
}

TEST_F(DialogInputTest, SpinArrowsStepAndSpeedUpAlongTheAccelerationTable) {
    dialog.setSpinRange(kLengthSpin, 0, 1000);
    dialog.setSpinPos(kLengthSpin, 100);
    dialog.setSpinAccel(kLengthSpin, {{1, 1}, {2, 20}});
    auto* spin = view.widgetAs<qt::UpDown>(kLengthSpin);
    std::int64_t now = 0;
    spin->setClock([&] { return now; });
    const QPoint right = spin->rightArrowRect().center();
    const QPoint left = spin->leftArrowRect().center();

    QTest::mousePress(spin, Qt::LeftButton, {}, right);  // one step at once
    now = 1500;
    spin->repeat();  // after a second and a half: still 1
    now = 2500;
    spin->repeat();  // after two seconds: 20
    QTest::mouseRelease(spin, Qt::LeftButton, {}, right);
    spin->repeat();  // released: nothing more
    QTest::mousePress(spin, Qt::LeftButton, {}, left);
    QTest::mouseRelease(spin, Qt::LeftButton, {}, left);
    EXPECT_THAT(
        log, ElementsAre("scroll 115 101", "scroll 115 102", "scroll 115 122", "scroll 115 121"));
}

TEST_F(DialogInputTest, EnterPressesTheFocusedOrDefaultButtonAndEscCancels) {
    focus(kLengthEdit);
    QTest::keyClick(view.widget(kLengthEdit), Qt::Key_Return);
    focus(ui::IDCANCEL);
    QTest::keyClick(view.widget(ui::IDCANCEL), Qt::Key_Enter, Qt::KeypadModifier);
    focus(kLengthEdit);
    QTest::keyClick(view.widget(kLengthEdit), Qt::Key_Escape);
    EXPECT_TRUE(view.isVisible());  // the handler of Cancel decides; this one keeps it open
    view.close();                   // the close box is Cancel too
    EXPECT_THAT(log, ElementsAre("click 1", "leave 101", "click 2", "click 2", "click 2"));
}

TEST_F(DialogInputTest, EndingTheDialogClosesTheWindowWithItsResult) {
    dialog.onClick(ui::IDOK, [&] { dialog.end(ui::IDOK); });
    QTest::mouseClick(view.widget(ui::IDOK), Qt::LeftButton);
    EXPECT_FALSE(view.isVisible());
    EXPECT_EQ(view.result(), ui::IDOK);
    view.widget(kLengthEdit)->setFocus();  // nothing reaches an ended dialog
    QTest::keyClicks(view.widget(kLengthEdit), "7");
    EXPECT_THAT(log, IsEmpty());
}

TEST_F(DialogInputTest, DoubleClicksOnTheBackgroundAndOnStaticsReachTheDialog) {
    QTest::mouseDClick(view.clientArea(), Qt::LeftButton, Qt::ShiftModifier, QPoint(400, 5));
    QLabel* label = view.widgetAs<QLabel>(kLongLabel);
    QTest::mouseDClick(label, Qt::LeftButton, Qt::ControlModifier, QPoint(2, 3));
    EXPECT_THAT(log, ElementsAre("double 400,5 shift", "double 137,39 ctrl"));
}

TEST_F(DialogInputTest, MnemonicsPressButtonsAndFocusTheLabelledControl) {
    // Alt+Д: the picture button, whose text is never drawn.
    // A mnemonic press animates the button before it clicks: each click is waited for.
    QTest::sendKeyEvent(QTest::Click, &view, Qt::Key(0x0414), QString::fromUtf8("д"),
                        Qt::AltModifier);
    EXPECT_TRUE(RunUntil([&] { return log.size() == 1; }));
    QTest::keyClick(&view, Qt::Key_K, Qt::AltModifier);  // Alt+K: radio "&KPa"
    EXPECT_TRUE(RunUntil([&] { return log.size() == 2; }));
    QTest::sendKeyEvent(QTest::Click, &view, Qt::Key(0x0414), QString::fromUtf8("д"),
                        Qt::AltModifier);
    EXPECT_TRUE(RunUntil([&] { return log.size() == 3; }));
    EXPECT_TRUE(dialog.isChecked(kRadioA));
    // Alt+Л: the label "Д&лина" sends the focus to the edit after it.
    QTest::sendKeyEvent(QTest::Click, &view, Qt::Key(0x041B), QString::fromUtf8("л"),
                        Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), view.widget(kLengthEdit));
    EXPECT_THAT(log, ElementsAre("click 109", "click 110", "click 109"));
}

TEST_F(DialogInputTest, ContextMenuItemsAreCommands) {
    dialog.addContextMenuItem(500, "&Открыть");
    auto menu = view.createContextMenu();
    menu->actions()[0]->trigger();
    EXPECT_THAT(log, ElementsAre("click 500"));
}

}  // namespace
}  // namespace veltrane::testing
