// A table on the Windows host, under Wine on a virtual display: the list view shows the window
// logic's columns and rows, read back from the control, and follows their changes.
#include "ui/win32/Win32.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/Dialog.h"
#include "ui/win32/DialogWindow.h"
#include "ui/win32/Win32Host.h"
#include "ui/win32/Win32Text.h"

namespace veltrane::win32 {
namespace {

constexpr int kTable = 10;

std::string Cell(HWND list, int row, int column) {
    wchar_t text[256] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = static_cast<int>(std::size(text));
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return Utf8(text);
}

struct Column {
    std::string title;
    int format = 0;
    int width = 0;
};

Column ColumnAt(HWND list, int index) {
    wchar_t title[256] = {};
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
    column.pszText = title;
    column.cchTextMax = static_cast<int>(std::size(title));
    SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&column));
    return {Utf8(title), column.fmt & LVCFMT_JUSTIFYMASK, column.cx};
}

// How the header aligns a column's title: the list view keeps its leftmost column's left.
int HeaderAlignment(HWND list, int index) {
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return item.fmt & HDF_JUSTIFYMASK;
}

int ColumnCount(HWND list) {
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    return static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
}

int Rows(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

int DluToPixels(HWND dialog, int width) {
    RECT r{0, 0, width, 0};
    MapDialogRect(dialog, &r);
    return r.right;
}

ui::DialogLayout TableLayout() {
    ui::DialogLayout d;
    d.id = 950;
    d.width = 220;
    d.height = 110;
    d.caption = "Таблица";
    d.controls = {
        {kTable, ui::ControlKind::Table, {5, 5, 210, 80}, "", {}, {}},
        {ui::IDOK, ui::ControlKind::PushButton, {165, 90, 50, 14}, "OK", {}, {}},
    };
    return d;
}

// What the shown window's list view holds, the window logic changing it on the way.
void CheckList(DialogWindow& window, ui::Dialog& dialog) {
    HWND list = window.control(kTable);
    ASSERT_TRUE(list);
    ASSERT_EQ(ColumnCount(list), 3);
    const Column first = ColumnAt(list, 0);
    EXPECT_EQ(first.title, "№");
    EXPECT_EQ(first.format, LVCFMT_RIGHT);  // the leftmost column too
    EXPECT_EQ(HeaderAlignment(list, 0), HDF_RIGHT);
    EXPECT_EQ(first.width, DluToPixels(window.window(), 16));
    EXPECT_EQ(ColumnAt(list, 1).format, LVCFMT_LEFT);
    EXPECT_EQ(ColumnAt(list, 2).format, LVCFMT_CENTER);
    EXPECT_EQ(ColumnAt(list, 2).title, "tR, мин");
    ASSERT_EQ(Rows(list), 2);
    EXPECT_EQ(Cell(list, 0, 1), "Декан");
    EXPECT_EQ(Cell(list, 1, 0), "2");
    EXPECT_EQ(Cell(list, 1, 2), "");  // a short row
    EXPECT_TRUE(SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT);

    // The person's row stays selected as new figures come into the same rows.
    LVITEMW selected{};
    selected.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    selected.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&selected));
    dialog.setTableRows(kTable, {{"1", "Декан", "5.40"}, {"2", "Ундекан", "7.02"}});
    EXPECT_EQ(Cell(list, 0, 2), "5.40");
    EXPECT_EQ(Cell(list, 1, 2), "7.02");
    EXPECT_EQ(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 1);

    dialog.setTableRows(kTable, {{"3", "Додекан", "8.80"}});
    ASSERT_EQ(Rows(list), 1);
    EXPECT_EQ(Cell(list, 0, 1), "Додекан");
    dialog.setTableColumns(kTable, {{"A", 30}});
    ASSERT_EQ(ColumnCount(list), 1);
    EXPECT_EQ(ColumnAt(list, 0).title, "A");
    EXPECT_EQ(Cell(list, 0, 0), "3");
}

TEST(Table, TheListViewShowsTheColumnsAndRowsAndFollowsTheirChanges) {
    ui::Dialog dialog(TableLayout());
    dialog.onInit([&] {
        dialog.setTableColumns(kTable, {{"№", 16, ui::TextAlign::Right},
                                        {"Соединение", 70},
                                        {"tR, мин", 36, ui::TextAlign::Center}});
        dialog.setTableRows(kTable, {{"1", "Декан", "5.31"}, {"2", "Ундекан"}});
    });
    Win32Host host(GetModuleHandleW(nullptr));
    bool shown = false;
    host.setShownHook([&](DialogWindow& window) {
        shown = true;
        CheckList(window, dialog);
        dialog.end(ui::IDOK);  // whatever the checks found
    });
    EXPECT_EQ(host.runModal(dialog), ui::IDOK);
    EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace veltrane::win32
