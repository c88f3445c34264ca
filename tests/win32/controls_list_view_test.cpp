// List view and string grid on real windows: columns, items and the selection reach the
// system's list view and come back from it; the grid paints its cells.
#include "controls_fixture.h"
#include "ui/list_view.h"
#include "ui/string_grid.h"

#include <commctrl.h>

namespace {

struct ListViews : controls_test::ControlsWindow {
    std::string itemText(HWND w, int item, int sub) {
        char text[256] = {};
        LVITEMA lv{};
        lv.iSubItem = sub;
        lv.pszText = text;
        lv.cchTextMax = sizeof text;
        SendMessageA(w, LVM_GETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lv));
        return text;
    }
    // ListView1 of the layout below in report view with the process list's two columns.
    ui::ListView& processList();
    int selectedItem(HWND w) {
        return static_cast<int>(
            SendMessageA(w, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }
};

const char* kViews =
    "  object ListView1: TListView\n    Left = 10\n    Top = 10\n    Width = 200\n"
    "    Height = 120\n    GridLines = True\n    RowSelect = True\n"
    "    ReadOnly = True\n    ColumnClick = False\n    SortType = stText\n"
    "    OnClick = noted\n  end\n"
    "  object StringGrid1: TStringGrid\n    Left = 10\n    Top = 140\n"
    "    Width = 200\n    Height = 40\n    ColCount = 2\n    RowCount = 2\n"
    "    FixedColor = 15851987\n    Options = [goFixedHorzLine, goRowSelect]\n  end\n";

ui::ListView& ListViews::processList() {
    load(kViews);
    auto& list = get<ui::ListView>("ListView1");
    list.setViewStyle(ui::ViewStyle::Report);
    list.addColumn("Prozess", 120);
    list.addColumn("ProzessID", 60);
    return list;
}

} // namespace

TEST_F(ListViews, ColumnsItemsAndSelectionGoBothWays) {
    auto& list = processList();
    HWND w = hwnd("ListView1");
    ASSERT_TRUE(w);
    list.addItem({"explorer.exe", {"03E8"}});
    list.addItem({"brelk.exe", {"0410"}});
    EXPECT_EQ(GetWindowLongA(w, GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
    HWND header = reinterpret_cast<HWND>(SendMessageA(w, LVM_GETHEADER, 0, 0));
    EXPECT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageA(w, LVM_GETCOLUMNWIDTH, 1, 0), 60);
    ASSERT_EQ(SendMessageA(w, LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(itemText(w, 0, 0), "brelk.exe");
    EXPECT_EQ(itemText(w, 0, 1), "0410");
    const auto extended = SendMessageA(w, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    EXPECT_TRUE(extended & LVS_EX_GRIDLINES);
    EXPECT_TRUE(extended & LVS_EX_FULLROWSELECT);

    // The user selects the second row.
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED;
    state.state = LVIS_SELECTED;
    SendMessageA(w, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
    EXPECT_EQ(list.selectedIndex(), 1);
    EXPECT_EQ(events, (std::vector<std::string>{"ListView1"}));

    list.setSelectedIndex(0);
    EXPECT_EQ(selectedItem(w), 0);
    list.beginUpdate();
    list.clearItems();
    EXPECT_EQ(SendMessageA(w, LVM_GETITEMCOUNT, 0, 0), 2) << "frozen";
    list.endUpdate();
    EXPECT_EQ(SendMessageA(w, LVM_GETITEMCOUNT, 0, 0), 0);
    EXPECT_EQ(list.selectedIndex(), -1);
}

// Rows added one by one each go to their sorted place without the others being inserted
// again; the selected row stays selected as rows come before it.
TEST_F(ListViews, AddedRowsGoToTheirPlaceAndKeepTheSelection) {
    auto& list = processList();
    HWND w = hwnd("ListView1");
    ASSERT_TRUE(w);
    list.addItem({"m.exe", {"1"}});
    list.setSelectedIndex(0);
    // A mark on the native row that only a row inserted anew would lose.
    auto mark = [&](int row) {
        LVITEMA lv{};
        lv.mask = LVIF_PARAM;
        lv.iItem = row;
        SendMessageA(w, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&lv));
        return lv.lParam;
    };
    LVITEMA marked{};
    marked.mask = LVIF_PARAM;
    marked.lParam = 42;
    ASSERT_TRUE(SendMessageA(w, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&marked)));
    for (const char* name : {"z.exe", "a.exe", "k.exe", "A.exe", "y.exe"})
        list.addItem({name, {name}});
    EXPECT_EQ(mark(list.selectedIndex()), 42) << "the first row was not inserted again";
    ASSERT_EQ(SendMessageA(w, LVM_GETITEMCOUNT, 0, 0), 6);
    for (int i = 0; i < 6; ++i) {
        const auto& item = list.items()[static_cast<std::size_t>(i)];
        EXPECT_EQ(itemText(w, i, 0), item.caption) << i;
        EXPECT_EQ(itemText(w, i, 1), item.subItems[0]) << i;
    }
    EXPECT_EQ(list.selected()->caption, "m.exe");
    EXPECT_EQ(selectedItem(w), list.selectedIndex());
    EXPECT_TRUE(events.empty()) << "no selection reported by adding";
}

TEST_F(ListViews, TheGridPaintsItsCells) {
    load(kViews);
    auto& grid = get<ui::StringGrid>("StringGrid1");
    HWND w = hwnd("StringGrid1");
    ASSERT_TRUE(w);
    grid.setCell(1, 1, "GenuineIntel  2400 Mhz");
    EXPECT_THROW(grid.setCell(2, 0, "x"), ui::Exception);
    UpdateWindow(w);
    // The fixed row is painted in its colour just inside the frame.
    HDC dc = GetDC(w);
    EXPECT_EQ(GetPixel(dc, 1, 1), static_cast<COLORREF>(15851987));
    ReleaseDC(w, dc);
}
