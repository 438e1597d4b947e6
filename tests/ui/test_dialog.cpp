// The window layer behaves as the window logic relies on.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ui/Dialog.h"

namespace veltrane::ui {
namespace {

using ::testing::ElementsAre;

DialogLayout TestLayout() {
    DialogLayout d;
    d.id = 900;
    d.width = 200;
    d.height = 100;
    d.caption = "Test";
    ControlStyle group;
    group.group = true;
    ControlStyle readOnly;
    readOnly.readOnly = true;
    d.controls = {
        {10, ControlKind::Edit, {1, 1, 40, 12}, "", {}, {}},
        {11, ControlKind::Edit, {1, 15, 40, 12}, "", {}, {}},
        {12, ControlKind::Static, {50, 1, 40, 8}, "label", {}, {}},
        {13, ControlKind::Edit, {1, 30, 40, 12}, "fixed", readOnly, {}},
        {20, ControlKind::Slider, {1, 45, 100, 15}, "", {}, {}},
        {21, ControlKind::Spin, {1, 60, 20, 12}, "", {}, {}},
        {31, ControlKind::RadioButton, {1, 80, 30, 10}, "a", group, {}},
        {32, ControlKind::RadioButton, {31, 80, 30, 10}, "b", {}, {}},
        {33, ControlKind::RadioButton, {61, 80, 30, 10}, "c", {}, {}},
        {41, ControlKind::RadioButton, {91, 80, 30, 10}, "x", group, {}},
        {42, ControlKind::RadioButton, {121, 80, 30, 10}, "y", {}, {}},
        {50, ControlKind::ComboBox, {100, 1, 80, 60}, "", group, {}},
        {60, ControlKind::Table, {1, 95, 190, 40}, "", group, {}},
    };
    return d;
}

struct CountingObserver : DialogObserver {
    std::vector<int> changes;
    int invalidations = 0;
    void controlChanged(int id) override { changes.push_back(id); }
    void captionChanged() override {}
    void contextMenuChanged() override {}
    void invalidated() override { ++invalidations; }
    void ended(int) override {}
};

TEST(DialogText, EditChangeIsHandledBeforeTheWriteReturns) {
    Dialog d(TestLayout());
    std::vector<std::string> seen;
    d.onChange(10, [&] { seen.push_back(d.text(10)); });
    d.setText(10, "1.66");
    seen.push_back("after write");
    d.typeInto(10, "2");
    EXPECT_THAT(seen, ElementsAre("1.66", "after write", "2"));
}

TEST(DialogText, WritingTheSameTextStillNotifiesTheEditButRedrawsNothing) {
    Dialog d(TestLayout());
    CountingObserver observer;
    d.setObserver(&observer);
    int notified = 0;
    d.onChange(10, [&] { ++notified; });
    d.setText(10, "x");
    d.setText(10, "x");
    d.setText(12, "label");  // a label set to what it shows
    EXPECT_EQ(notified, 2);
    EXPECT_THAT(observer.changes, ElementsAre(10));
}

TEST(DialogText, StaticsAndReadOnlyFieldsTakeNoTyping) {
    Dialog d(TestLayout());
    d.typeInto(13, "typed");
    EXPECT_EQ(d.text(13), "fixed");
    d.setText(13, "written");  // the window itself may write it
    EXPECT_EQ(d.text(13), "written");
}

TEST(DialogFocus, LeavingAnEditIsItsOwnNotification) {
    Dialog d(TestLayout());
    std::vector<std::string> events;
    d.onChange(11, [&] { events.push_back("change"); });
    d.onLeave(11, [&] { events.push_back("leave " + d.text(11)); });
    d.typeInto(11, "-82");
    d.leave(11);
    EXPECT_THAT(events, ElementsAre("change", "leave -82"));
}

TEST(DialogSlider, PositionsOutsideTheRangeAreHeldAtTheNearestEnd) {
    Dialog d(TestLayout());
    d.setSliderRange(20, 10, 1500);
    d.setSliderPos(20, 3000);
    EXPECT_EQ(d.sliderPos(20), 1500);
    d.setSliderPos(20, -85);
    EXPECT_EQ(d.sliderPos(20), 10);
    d.setSliderPos(20, 700);
    d.setSliderRange(20, 10, 500);  // a narrower range pulls the thumb in
    EXPECT_EQ(d.sliderPos(20), 500);
}

TEST(DialogSlider, MovingTheThumbNotifiesWithTheHeldPosition) {
    Dialog d(TestLayout());
    d.setSliderRange(20, 1, 100);
    int seen = 0;
    d.onScroll(20, [&] { seen = d.sliderPos(20); });
    d.moveSlider(20, 250);
    EXPECT_EQ(seen, 100);
}

TEST(DialogSpin, KeepsTheLowSixteenBitsOfAPosition) {
    Dialog d(TestLayout());
    const std::pair<int, int> cases[] = {{300, 300}, {-85, -85}, {70000, 4464}, {40000, -25536}};
    for (auto [given, kept] : cases) {
        d.setSpinPos(21, given);
        EXPECT_EQ(d.spinPos(21), kept) << given;
    }
}

TEST(DialogSpin, StepsStayInsideTheRangeAndNotify) {
    Dialog d(TestLayout());
    d.setSpinRange(21, 0, 1035);
    d.setSpinPos(21, 1030);
    std::vector<int> seen;
    d.onScroll(21, [&] { seen.push_back(d.spinPos(21)); });
    d.stepSpin(21, 20);
    d.stepSpin(21, -100);
    EXPECT_THAT(seen, ElementsAre(1035, 935));
}

TEST(DialogRadio, ClickChecksItClearsItsGroupThenNotifies) {
    Dialog d(TestLayout());
    d.checkRadio(31);
    d.checkRadio(41);
    bool checkedWhenNotified = false;
    d.onClick(33, [&] { checkedWhenNotified = d.isChecked(33) && !d.isChecked(31); });
    d.click(33);
    EXPECT_TRUE(checkedWhenNotified);
    EXPECT_FALSE(d.isChecked(32));
    EXPECT_TRUE(d.isChecked(41)) << "the other group is left alone";
    d.click(42);
    EXPECT_FALSE(d.isChecked(41));
    EXPECT_TRUE(d.isChecked(33));
}

TEST(DialogList, SelectsTheFirstEntryThatBeginsWithTheTextIgnoringCase) {
    Dialog d(TestLayout());
    for (const char* name : {"Helium", "Hydrogen", "Гелий", "ёмкость", "Nitrogen"})
        d.addEntry(50, name);
    struct Row {
        const char* prefix;
        int expected;
    };
    const Row rows[] = {
        {"helium", 0}, {"HY", 1}, {"h", 0}, {"гЕЛ", 2}, {"ЁМК", 3}, {"NITROGEN", 4}, {"", 0},
    };
    for (const Row& row : rows) {
        d.setSelection(50, -1);
        EXPECT_EQ(d.selectByPrefix(50, row.prefix), row.expected) << row.prefix;
        EXPECT_EQ(d.selection(50), row.expected) << row.prefix;
    }
}

TEST(DialogList, NoMatchLeavesTheSelectionAsItWas) {
    Dialog d(TestLayout());
    d.addEntry(50, "Helium");
    d.addEntry(50, "Argon");
    d.setSelection(50, 1);
    EXPECT_EQ(d.selectByPrefix(50, "Heliumx"), -1);
    EXPECT_EQ(d.selection(50), 1);
    EXPECT_EQ(d.text(50), "Argon");
}

TEST(DialogList, PickingAnEntryNotifiesAndTheTextFollows) {
    Dialog d(TestLayout());
    d.addEntry(50, "Helium");
    d.addEntry(50, "Argon");
    std::string seen;
    d.onSelect(50, [&] { seen = d.text(50); });
    d.selectEntry(50, 1);
    EXPECT_EQ(seen, "Argon");
}

TEST(DialogTable, ColumnsAndRowsAreKeptAsSetAndToldOnlyWhenTheyChange) {
    Dialog d(TestLayout());
    CountingObserver observer;
    d.setObserver(&observer);
    const std::vector<TableColumn> columns = {{"No.", 16, TextAlign::Right}, {"Compound", 80}};
    d.setTableColumns(60, columns);
    d.setTableRows(60, {{"1", "Decane"}, {"2"}});
    d.setTableColumns(60, columns);
    d.setTableRows(60, {{"1", "Decane"}, {"2"}});  // the same again: nothing to redraw
    EXPECT_EQ(d.control(60).table.columns, columns);
    EXPECT_THAT(d.control(60).table.rows,
                ElementsAre(ElementsAre("1", "Decane"), ElementsAre("2")));
    EXPECT_THAT(observer.changes, ElementsAre(60, 60));
    d.setTableRows(60, {{"1", "Undecane"}, {"2"}});
    EXPECT_EQ(d.control(60).table.rows[0][1], "Undecane");
    EXPECT_THAT(observer.changes, ElementsAre(60, 60, 60));
}

TEST(DialogEnd, OkAndCancelEndTheWindowUnlessBound) {
    Dialog plain(TestLayout());
    plain.click(IDCANCEL);
    EXPECT_TRUE(plain.hasEnded());
    EXPECT_EQ(plain.result(), IDCANCEL);

    Dialog bound(TestLayout());
    bool saved = false;
    bound.onClick(IDOK, [&] {
        saved = true;
        bound.end(IDOK);
    });
    bound.click(IDOK);
    EXPECT_TRUE(saved);
    EXPECT_EQ(bound.result(), IDOK);
}

TEST(DialogInput, DisabledControlsTakeNoInput) {
    Dialog d(TestLayout());
    d.setSliderRange(20, 0, 100);
    d.enable(20, false);
    d.enable(10, false);
    int events = 0;
    d.onScroll(20, [&] { ++events; });
    d.onChange(10, [&] { ++events; });
    d.moveSlider(20, 50);
    d.typeInto(10, "5");
    EXPECT_EQ(events, 0);
    EXPECT_EQ(d.sliderPos(20), 0);
}

}  // namespace
}  // namespace veltrane::ui
