// List box, track bar and progress bar on real windows: entries, selection and positions go
// both ways; a track bar's scroll notifications reach it, not the scroll box around it.
#include "controls_fixture.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

#include <commctrl.h>

namespace {

struct ListAndRanges : controls_test::ControlsWindow {
    std::string entry(HWND w, int i) {
        const auto n = SendMessageA(w, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        if (n < 0) return "<none>";
        std::string t(static_cast<std::size_t>(n) + 1, '\0');
        SendMessageA(w, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(t.data()));
        t.resize(static_cast<std::size_t>(n));
        return t;
    }
    std::vector<std::string> entries(HWND w) {
        std::vector<std::string> out;
        const auto n = SendMessageA(w, LB_GETCOUNT, 0, 0);
        for (int i = 0; i < n; ++i)
            out.push_back(entry(w, i));
        return out;
    }
};

const char* kLists =
    "  object brelkdeletelistbox: TListBox\n    Left = 10\n    Top = 10\n    Width = 150\n"
    "    Height = 80\n    Items.Strings = (\n      'C:\\Brelk\\b.dll'\n      'C:\\Brelk\\a.exe')\n"
    "    OnClick = noted\n  end\n"
    "  object ListBox3: TListBox\n    Left = 170\n    Top = 10\n    Width = 100\n"
    "    Height = 80\n    Sorted = True\n    BorderStyle = bsNone\n"
    "    Items.Strings = (\n      'b'\n      'd')\n  end\n";

} // namespace

TEST_F(ListAndRanges, ListBoxEntriesAndSelectionGoBothWays) {
    load(kLists);
    auto& list = get<ui::ListBox>("brelkdeletelistbox");
    HWND w = hwnd("brelkdeletelistbox");
    EXPECT_EQ(entries(w), list.items());
    EXPECT_EQ(SendMessageA(w, LB_GETCURSEL, 0, 0), LB_ERR);
    EXPECT_TRUE(GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_FALSE(GetWindowLongA(hwnd("ListBox3"), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

    list.setItemIndex(1);
    EXPECT_EQ(SendMessageA(w, LB_GETCURSEL, 0, 0), 1);
    EXPECT_TRUE(events.empty());

    // The user picks the first entry.
    SendMessageA(w, LB_SETCURSEL, 0, 0);
    notify(w, LBN_SELCHANGE);
    EXPECT_EQ(list.itemIndex(), 0);
    EXPECT_EQ(events, std::vector<std::string>{"brelkdeletelistbox"});

    list.addItem("C:\\Brelk\\c.txt");
    EXPECT_EQ(entries(w), list.items());
    EXPECT_EQ(SendMessageA(w, LB_GETCURSEL, 0, 0), 0);
    list.clear();
    EXPECT_EQ(SendMessageA(w, LB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageA(w, LB_GETCURSEL, 0, 0), LB_ERR);
}

TEST_F(ListAndRanges, SortedListShowsTheModelsOrderAsItGrows) {
    load(kLists);
    auto& list = get<ui::ListBox>("ListBox3");
    HWND w = hwnd("ListBox3");
    list.addItem("c");
    list.addItem("a");
    list.addItem("e");
    EXPECT_EQ(entries(w), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
    for (int i = 0; i < 100; ++i)
        list.addItem(std::to_string((i * 7919) % 1000));
    EXPECT_EQ(entries(w), list.items());
    list.setItems({"z", "y"});
    EXPECT_EQ(entries(w), (std::vector<std::string>{"y", "z"}));
}

TEST_F(ListAndRanges, TrackBarInAScrollBoxMovesOnlyItself) {
    load("  object ScrollBox1: TScrollBox\n    Width = 200\n    Height = 60\n"
         "    object TrackBar1: TTrackBar\n      Left = 0\n      Top = 0\n      Width = 150\n"
         "      Height = 30\n      Max = 20\n      Position = 5\n      OnChange = noted\n    end\n"
         "    object Label1: TLabel\n      Top = 300\n      Caption = 'unten'\n    end\n"
         "  end\n");
    auto& track = get<ui::TrackBar>("TrackBar1");
    auto& box = get<ui::ScrollBox>("ScrollBox1");
    HWND w = hwnd("TrackBar1");
    EXPECT_EQ(SendMessageA(w, TBM_GETRANGEMAX, 0, 0), 20);
    EXPECT_EQ(SendMessageA(w, TBM_GETPOS, 0, 0), 5);

    track.setPosition(12);
    EXPECT_EQ(SendMessageA(w, TBM_GETPOS, 0, 0), 12);
    track.setRange(0, 8); // the position follows the range
    EXPECT_EQ(SendMessageA(w, TBM_GETRANGEMAX, 0, 0), 8);
    EXPECT_EQ(SendMessageA(w, TBM_GETPOS, 0, 0), 8);
    EXPECT_TRUE(events.empty());

    // The user presses the Home key: the bar moves and tells its parent, the scroll box.
    SendMessageA(w, WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(track.position(), 0);
    EXPECT_EQ(events, std::vector<std::string>{"TrackBar1"});
    EXPECT_EQ(box.position(ui::ScrollBarKind::Vertical), 0);
    EXPECT_EQ(box.position(ui::ScrollBarKind::Horizontal), 0);

    SendMessageA(w, TBM_SETPOS, TRUE, 6);
    SendMessageA(GetParent(w), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 6),
                 reinterpret_cast<LPARAM>(w));
    EXPECT_EQ(track.position(), 6);
    EXPECT_EQ(events.size(), 2u);
    // The scroll box's own bar still scrolls the box.
    SendMessageA(GetParent(w), WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
    EXPECT_GT(box.position(ui::ScrollBarKind::Vertical), 0);
}

TEST_F(ListAndRanges, ProgressBarShowsRangeAndPosition) {
    load("  object ProgressBar1: TProgressBar\n    Left = 10\n    Top = 10\n    Width = 150\n"
         "    Height = 16\n    Max = 200\n    Position = 50\n  end\n");
    auto& bar = get<ui::ProgressBar>("ProgressBar1");
    HWND w = hwnd("ProgressBar1");
    EXPECT_EQ(SendMessageA(w, PBM_GETPOS, 0, 0), 50);
    EXPECT_EQ(SendMessageA(w, PBM_GETRANGE, FALSE, 0), 200);
    bar.setPosition(500);
    EXPECT_EQ(SendMessageA(w, PBM_GETPOS, 0, 0), 200);
    bar.setRange(10, 20);
    EXPECT_EQ(SendMessageA(w, PBM_GETRANGE, TRUE, 0), 10);
    EXPECT_EQ(SendMessageA(w, PBM_GETPOS, 0, 0), 20);
}
