// The window logic's controls on real widgets: placement, and every model change reaching its
// widget without coming back as input.
#include <gmock/gmock.h>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include "resources/ResourceIds.h"
#include "tests/qt/DemoWindow.h"
#include "ui/qt/ClientArea.h"
#include "ui/qt/ClipPlayer.h"
#include "ui/qt/PictureButton.h"
#include "ui/qt/QtText.h"
#include "ui/qt/TrackBar.h"
#include "ui/qt/UpDown.h"

namespace veltrane::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

QString Q(const char* text) {
    return QString::fromUtf8(text);
}

using DialogViewTest = DemoWindow;

struct Placement {
    int id;
    QRect pixels;  // x*1.5, y*1.625, w*1.5, h*1.625, each rounded
};

TEST_F(DialogViewTest, ControlsSitAtTheirDialogUnitRectangles) {
    const Placement table[] = {
        {kLengthEdit, QRect(63, 13, 60, 20)},
        {kResultField, QRect(15, 39, 108, 33)},
        {kFrame, QRect(8, 78, 120, 78)},
        {kLine, QRect(8, 163, 405, 2)},
        {kVelocitySlider, QRect(143, 94, 150, 24)},
        {kLengthSpin, QRect(143, 124, 36, 16)},
        {kCapacityBar, QRect(188, 127, 105, 13)},
        {kClip, QRect(308, 13, 105, 98)},
        {ui::IDOK, QRect(240, 208, 75, 23)},
        {ui::IDCANCEL, QRect(330, 208, 75, 23)},
    };
    for (const Placement& row : table) {
        ASSERT_NE(view.widget(row.id), nullptr) << row.id;
        EXPECT_EQ(view.widget(row.id)->geometry(), row.pixels) << row.id;
    }
    // The client area is the dialog's size; the menu bar sits above it.
    EXPECT_EQ(view.clientArea()->size(), QSize(420, 244));
    EXPECT_EQ(view.clientArea()->mapTo(&view, QPoint(0, 0)).y(), view.menuBar()->height());
    // The closed drop-down list is as high as its text; the layout height is its dropped list.
    const QRect combo = view.widget(kGasList)->geometry();
    EXPECT_EQ(combo.topLeft(), QPoint(143, 65));
    EXPECT_EQ(combo.width(), 105);
    EXPECT_LT(combo.height(), 40);
}

TEST_F(DialogViewTest, EachKindGetsItsWidget) {
    EXPECT_TRUE(view.widgetAs<QLineEdit>(kLengthEdit));
    EXPECT_TRUE(view.widgetAs<QLabel>(kResultField));  // read-only multi-line: shows text only
    EXPECT_TRUE(view.widgetAs<QLabel>(kLongLabel));
    EXPECT_TRUE(view.widgetAs<QGroupBox>(kFrame));
    EXPECT_TRUE(view.widgetAs<qt::PictureButton>(kFlowButton));
    EXPECT_TRUE(view.widgetAs<QPushButton>(ui::IDOK));
    EXPECT_TRUE(view.widgetAs<QComboBox>(kGasList));
    EXPECT_TRUE(view.widgetAs<qt::TrackBar>(kVelocitySlider));
    EXPECT_TRUE(view.widgetAs<qt::UpDown>(kLengthSpin));
    EXPECT_TRUE(view.widgetAs<QProgressBar>(kCapacityBar));
    EXPECT_TRUE(view.widgetAs<qt::ClipPlayer>(kClip));
    EXPECT_EQ(view.widget(4242), nullptr);
    auto* radio = view.widgetAs<QRadioButton>(kRadioA);
    ASSERT_TRUE(radio);
    EXPECT_FALSE(radio->autoExclusive());
    EXPECT_TRUE(view.widgetAs<QPushButton>(ui::IDOK)->isDefault());
    EXPECT_FALSE(view.widgetAs<QPushButton>(ui::IDCANCEL)->isDefault());
}

TEST_F(DialogViewTest, PicturesTakeTheSizeOfTheirBitmaps) {
    const QPixmap lamp = images.bitmap(res::IDB_LAMP_GREEN);
    const QPixmap flow = images.bitmap(res::IDB_FLOW_UP);
    if (lamp.isNull() || flow.isNull()) GTEST_SKIP() << "pictures not embedded";
    EXPECT_EQ(view.widget(kLamp)->geometry(), QRect(QPoint(240, 13), lamp.size()));
    EXPECT_EQ(view.widget(kFlowButton)->geometry(), QRect(QPoint(15, 172), flow.size()));
    EXPECT_EQ(view.widget(kIconId)->size(), QSize(32, 32));
}

TEST_F(DialogViewTest, LabelsShowMnemonicsAndTheirWholeText) {
    auto* mnemonic = view.widgetAs<QLabel>(kLengthLabel);
    EXPECT_EQ(mnemonic->buddy(), view.widget(kLengthEdit));
    EXPECT_EQ(mnemonic->text(), Q("Д&лина"));  // drawn with the л underlined
    // Without a mnemonic "&&" is a plain ampersand; right alignment is kept.
    auto* ampersand = view.widgetAs<QLabel>(kAmpersandLabel);
    EXPECT_EQ(ampersand->text(), Q("Газ & пар"));
    EXPECT_TRUE(ampersand->alignment() & Qt::AlignRight);
    // A label too narrow for its text grows to the right rather than cutting it.
    auto* longLabel = view.widgetAs<QLabel>(kLongLabel);
    EXPECT_EQ(longLabel->x(), 135);
    EXPECT_GE(longLabel->width(),
              longLabel->fontMetrics().horizontalAdvance(Q("Перепускное время")));
    // Window texts are Liberation Sans at 8 points (11 pixels at 96 dots per inch).
    EXPECT_EQ(longLabel->font().family(), Q("Liberation Sans"));
    EXPECT_EQ(longLabel->font().pixelSize(), 11);
}

TEST_F(DialogViewTest, TextEnableAndCheckChangesReachTheWidgetsWithoutEcho) {
    dialog.setText(kLengthEdit, "12.5");  // the edit's own change notification, once
    dialog.setText(kResultField, "3.21\nminutes");
    dialog.setText(kLongLabel, "Поток");
    dialog.enable(kLengthEdit, false);
    dialog.checkRadio(kRadioB);
    dialog.setToolTip(kVelocitySlider, "Скорость");
    dialog.setFont(kLongLabel, {"Arial", 16, 700});
    ProcessEvents();

    EXPECT_EQ(view.widgetAs<QLineEdit>(kLengthEdit)->text(), Q("12.5"));
    EXPECT_FALSE(view.widget(kLengthEdit)->isEnabled());
    EXPECT_EQ(view.widgetAs<QLabel>(kResultField)->text(), Q("3.21\nminutes"));
    EXPECT_EQ(view.widgetAs<QLabel>(kLongLabel)->text(), Q("Поток"));
    EXPECT_TRUE(view.widgetAs<QRadioButton>(kRadioB)->isChecked());
    EXPECT_FALSE(view.widgetAs<QRadioButton>(kRadioA)->isChecked());
    EXPECT_EQ(view.widget(kVelocitySlider)->toolTip(), Q("Скорость"));
    const QFont bold = view.widget(kLongLabel)->font();
    EXPECT_EQ(bold.family(), Q("Liberation Sans"));
    EXPECT_EQ(bold.weight(), QFont::Bold);
    EXPECT_NEAR(QFontMetrics(bold).height(), 16, 1);  // a 16-pixel character cell
    EXPECT_THAT(log, ElementsAre("change 101 12.5", "change 102 3.21\nminutes"));
}

TEST_F(DialogViewTest, SliderSpinListProgressAndPictureChangesReachTheWidgetsWithoutEcho) {
    dialog.setSliderRange(kVelocitySlider, 10, 4000);
    dialog.setSliderTicks(kVelocitySlider, 200);
    dialog.setSliderPage(kVelocitySlider, 100);
    dialog.setSliderSelection(kVelocitySlider, 200, 400);
    dialog.setSliderPos(kVelocitySlider, 314);
    dialog.setSpinAccel(kLengthSpin, {{1, 1}, {2, 5}});
    for (const char* gas : {"Гелий", "Азот", "Водород"}) dialog.addEntry(kGasList, gas);
    dialog.setSelection(kGasList, 2);
    dialog.setProgressRange(kCapacityBar, 0, 200);
    dialog.setProgressPos(kCapacityBar, 250);  // beyond the range: shown full
    dialog.setImage(kLamp, res::IDB_LAMP_RED);
    ProcessEvents();

    const auto* slider = view.widgetAs<qt::TrackBar>(kVelocitySlider);
    EXPECT_EQ(slider->position(), 314);
    EXPECT_EQ(slider->state().min, 10);
    EXPECT_EQ(slider->state().max, 4000);
    EXPECT_EQ(slider->state().tickFrequency, 200);
    EXPECT_EQ(slider->state().pageSize, 100);
    EXPECT_EQ(slider->state().selStart, 200);
    EXPECT_EQ(slider->state().selEnd, 400);
    const auto* combo = view.widgetAs<QComboBox>(kGasList);
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(0), Q("Гелий"));
    EXPECT_EQ(combo->currentIndex(), 2);
    const auto* bar = view.widgetAs<QProgressBar>(kCapacityBar);
    EXPECT_EQ(bar->maximum(), 200);
    EXPECT_EQ(bar->value(), 200);
    EXPECT_FALSE(bar->isTextVisible());
    const QPixmap red = images.bitmap(res::IDB_LAMP_RED);
    if (!red.isNull()) {
        EXPECT_EQ(view.widgetAs<QLabel>(kLamp)->pixmap().toImage(), red.toImage());
    }

    dialog.clearEntries(kGasList);
    ProcessEvents();
    EXPECT_EQ(combo->count(), 0);
    EXPECT_THAT(log, IsEmpty());
}

Qt::Alignment AlignmentOf(const QTreeWidgetItem* item, int column) {
    return item->data(column, Qt::TextAlignmentRole).value<Qt::Alignment>();
}

TEST_F(DialogViewTest, TableShowsTitlesAndCellsAndKeepsTheSelectedRowAsFiguresChange) {
    dialog.setTableColumns(
        kTable,
        {{"№", 16, ui::TextAlign::Right}, {"Соединение", 60}, {"tR", 30, ui::TextAlign::Center}});
    dialog.setTableRows(kTable, {{"1", "Декан", "5.31"}, {"2", "Ундекан"}});
    auto* table = view.widgetAs<QTreeWidget>(kTable);
    ASSERT_TRUE(table);
    ASSERT_EQ(table->columnCount(), 3);
    EXPECT_EQ(table->headerItem()->text(1), Q("Соединение"));
    EXPECT_EQ(table->columnWidth(0), 24);  // 16 dialog units
    EXPECT_EQ(table->columnWidth(1), 90);
    ASSERT_EQ(table->topLevelItemCount(), 2);
    EXPECT_EQ(table->topLevelItem(0)->text(1), Q("Декан"));
    EXPECT_EQ(table->topLevelItem(1)->text(2), QString());  // a short row
    EXPECT_TRUE(AlignmentOf(table->headerItem(), 0) & Qt::AlignRight);
    EXPECT_TRUE(AlignmentOf(table->topLevelItem(1), 0) & Qt::AlignRight);
    EXPECT_TRUE(AlignmentOf(table->topLevelItem(1), 2) & Qt::AlignHCenter);

    // The person's row stays selected as new figures come into the same rows.
    table->setCurrentItem(table->topLevelItem(1));
    dialog.setTableRows(kTable, {{"1", "Декан", "5.40"}, {"2", "Ундекан", "7.02"}});
    EXPECT_EQ(table->topLevelItem(0)->text(2), Q("5.40"));
    EXPECT_TRUE(table->topLevelItem(1)->isSelected());
    dialog.setTableRows(kTable, {{"1"}});
    EXPECT_EQ(table->topLevelItemCount(), 1);
    dialog.setTableColumns(kTable, {{"A", 20}});
    EXPECT_EQ(table->columnCount(), 1);
    EXPECT_EQ(table->headerItem()->text(0), Q("A"));
    EXPECT_THAT(log, IsEmpty());
}

TEST_F(DialogViewTest, CaptionMenuAndContextMenuComeFromTheDialog) {
    EXPECT_EQ(view.windowTitle(), Q("Демо"));
    dialog.setCaption("Демо - psi");
    EXPECT_EQ(view.windowTitle(), Q("Демо - psi"));

    const QList<QAction*> menus = view.menuBar()->actions();
    ASSERT_EQ(menus.size(), 1);
    EXPECT_EQ(menus[0]->text(), Q("&Файл"));
    const QList<QAction*> items = menus[0]->menu()->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), Q("&Открыть"));
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items[2], view.menuAction(501));

    EXPECT_EQ(view.createContextMenu(), nullptr);
    dialog.addContextMenuItem(16, "&О программе...");
    auto menu = view.createContextMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions()[0]->text(), Q("&О программе..."));
}

TEST_F(DialogViewTest, AnimationFollowsOpenAndPlay) {
    auto* clip = view.widgetAs<qt::ClipPlayer>(kClip);
    EXPECT_FALSE(clip->hasClip());
    dialog.openClip(kClip, res::IDR_AVI2);
    if (!clip->hasClip()) GTEST_SKIP() << "clips not embedded";
    EXPECT_FALSE(clip->isPlaying());
    EXPECT_FALSE(clip->currentImage().isNull());
    dialog.playClip(kClip, 0, -1, -1);
    EXPECT_TRUE(clip->isPlaying());
    clip->advance();
    EXPECT_EQ(clip->currentFrame(), 1);
    dialog.openClip(kClip, res::IDR_AVI_STILL);  // opening stops the clip before
    EXPECT_FALSE(clip->isPlaying());
    EXPECT_EQ(clip->currentFrame(), 0);
    dialog.openClip(kClip, 4321);  // no such clip: nothing shows
    EXPECT_FALSE(clip->hasClip());
    EXPECT_TRUE(clip->currentImage().isNull());
}

TEST_F(DialogViewTest, ScreenshotShowsEveryKind) {
    for (const char* gas : {"Гелий", "Азот"}) dialog.addEntry(kGasList, gas);
    dialog.setSelection(kGasList, 0);
    dialog.setSliderRange(kVelocitySlider, 0, 100);
    dialog.setSliderTicks(kVelocitySlider, 10);
    dialog.setSliderSelection(kVelocitySlider, 20, 45);
    dialog.setSliderPos(kVelocitySlider, 30);
    dialog.setProgressPos(kCapacityBar, 60);
    dialog.setText(kResultField, "2.47 minutes");
    dialog.checkRadio(kRadioA);
    dialog.openClip(kClip, res::IDR_AVI2);
    dialog.setTableColumns(kTable, {{"№", 14, ui::TextAlign::Right}, {"Соединение", 60}});
    dialog.setTableRows(kTable, {{"1", "Декан"}, {"2", "Ундекан"}});
    EXPECT_FALSE(SaveScreenshot(view, "demo_window").empty());
}

}  // namespace
}  // namespace veltrane::testing
