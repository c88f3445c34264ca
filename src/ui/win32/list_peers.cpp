#include "ui/win32/list_peers.h"

#include "ui/list_view.h"
#include "ui/string_grid.h"
#include "ui/win32/gdi_cache.h"

#include <commctrl.h>

#include <string>

namespace ui::win32 {
namespace {

DWORD viewStyleBits(ViewStyle v) {
    switch (v) {
    case ViewStyle::Icon:
        return LVS_ICON;
    case ViewStyle::SmallIcon:
        return LVS_SMALLICON;
    case ViewStyle::List:
        return LVS_LIST;
    case ViewStyle::Report:
        break;
    }
    return LVS_REPORT;
}

constexpr COLORREF kGridLine = RGB(192, 192, 192);

} // namespace

ListViewPeer::ListViewPeer(ListView& l, Win32Backend& b) : NativePeer(l, b), list_(l) {
    createNative(WC_LISTVIEWA,
                 viewStyleBits(l.viewStyle()) | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP |
                     (l.columnClick() ? 0 : LVS_NOSORTHEADER),
                 WS_EX_CLIENTEDGE);
    if (!hwnd_) return;
    SendMessageA(hwnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 (l.gridLines() ? LVS_EX_GRIDLINES : 0) |
                     (l.rowSelect() ? LVS_EX_FULLROWSELECT : 0));
    syncColumns();
    syncItems();
}

void ListViewPeer::showStyle() {
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_STYLE));
    const DWORD wanted = (style & ~LVS_TYPEMASK) | viewStyleBits(list_.viewStyle());
    if (wanted != style) SetWindowLongPtrA(hwnd_, GWL_STYLE, static_cast<LONG_PTR>(wanted));
}

void ListViewPeer::syncColumns() {
    while (shownColumns_ > 0)
        SendMessageA(hwnd_, LVM_DELETECOLUMN, static_cast<WPARAM>(--shownColumns_), 0);
    for (const auto& column : list_.columns()) {
        LVCOLUMNA c{};
        c.mask = LVCF_TEXT | LVCF_WIDTH;
        c.cx = column.width;
        c.pszText = const_cast<char*>(column.caption.c_str());
        SendMessageA(hwnd_, LVM_INSERTCOLUMNA, static_cast<WPARAM>(shownColumns_++),
                     reinterpret_cast<LPARAM>(&c));
    }
}

void ListViewPeer::insertRow(int index) {
    const ListItem& item = list_.items()[static_cast<std::size_t>(index)];
    LVITEMA row{};
    row.mask = LVIF_TEXT;
    row.iItem = index;
    row.pszText = const_cast<char*>(item.caption.c_str());
    SendMessageA(hwnd_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row));
    for (std::size_t s = 0; s < item.subItems.size(); ++s) {
        LVITEMA sub{};
        sub.iSubItem = static_cast<int>(s + 1);
        sub.pszText = const_cast<char*>(item.subItems[s].c_str());
        SendMessageA(hwnd_, LVM_SETITEMTEXTA, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&sub));
    }
}

// The one row the model added; the native list moves the rows after it, and its selection
// with them, as the model does.
void ListViewPeer::addRow() {
    const int index = list_.addedIndex();
    const auto shown = static_cast<std::size_t>(SendMessageA(hwnd_, LVM_GETITEMCOUNT, 0, 0));
    if (index < 0 || shown + 1 != list_.items().size()) {
        syncItems(); // out of step: show the list anew
        return;
    }
    applying_ = true;
    insertRow(index);
    applying_ = false;
}

void ListViewPeer::syncItems() {
    applying_ = true;
    SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(hwnd_, LVM_DELETEALLITEMS, 0, 0);
    for (std::size_t index = 0; index < list_.items().size(); ++index)
        insertRow(static_cast<int>(index));
    SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
    applying_ = false;
    showSelection();
}

void ListViewPeer::showSelection() {
    applying_ = true;
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = 0;
    SendMessageA(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(&state));
    if (list_.selectedIndex() >= 0) {
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(list_.selectedIndex()),
                     reinterpret_cast<LPARAM>(&state));
    }
    applying_ = false;
}

void ListViewPeer::changed(Change what) {
    if (!hwnd_) return;
    switch (what) {
    case Change::Style:
        showStyle();
        syncColumns();
        return;
    case Change::Items:
        syncItems();
        return;
    case Change::ItemAdded:
        addRow();
        return;
    case Change::Position:
        showSelection();
        return;
    default:
        NativePeer::changed(what);
    }
}

LRESULT ListViewPeer::notify(const NMHDR& n) {
    if (applying_ || n.code != LVN_ITEMCHANGED) return 0;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(n);
    if ((change.uChanged & LVIF_STATE) == 0) return 0;
    const bool nowSelected = (change.uNewState & LVIS_SELECTED) != 0;
    const bool wasSelected = (change.uOldState & LVIS_SELECTED) != 0;
    if (nowSelected && !wasSelected) {
        list_.userSelected(change.iItem);
    } else if (!nowSelected && wasSelected && change.iItem == list_.selectedIndex()) {
        list_.userSelected(-1);
    }
    return 0;
}

StringGridPeer::StringGridPeer(StringGrid& g, Win32Backend& b) : NativePeer(g, b), grid_(g) {
    createNative("STATIC", SS_NOTIFY, WS_EX_CLIENTEDGE);
}

void StringGridPeer::changed(Change what) {
    if (what == Change::Text) {
        if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
        return;
    }
    NativePeer::changed(what);
}

LRESULT StringGridPeer::handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd_, &ps);
        RECT client;
        GetClientRect(hwnd_, &client);
        paint(dc, client);
        EndPaint(hwnd_, &ps);
        return 0;
    }
    default:
        return NativePeer::handle(msg, wp, lp);
    }
}

// Cells left to right and top to bottom with a one-pixel line after each; fixed cells in the
// fixed colour, the selected row in the system's highlight.
void StringGridPeer::paint(HDC dc, const RECT& client) {
    HBRUSH lines = CreateSolidBrush(kGridLine);
    FillRect(dc, &client, grid_.gridLines() ? lines : brushFor(grid_.color()));
    DeleteObject(lines);
    HGDIOBJ oldFont = SelectObject(dc, fontFor(grid_.font()));
    SetBkMode(dc, TRANSPARENT);
    int top = 0;
    for (int row = 0; row < grid_.rowCount() && top < client.bottom; ++row) {
        int left = 0;
        for (int col = 0; col < grid_.colCount() && left < client.right; ++col) {
            RECT cell{left, top, left + grid_.colWidth(col), top + grid_.rowHeight(row)};
            const bool fixed = row < grid_.fixedRows() || col < grid_.fixedCols();
            const bool selected = !fixed && grid_.rowSelect() && row == grid_.selectedRow();
            FillRect(dc, &cell,
                     selected ? GetSysColorBrush(COLOR_HIGHLIGHT)
                              : brushFor(fixed ? grid_.fixedColor() : grid_.color()));
            SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                      : resolveColor(grid_.font().color));
            RECT text = cell;
            text.left += 2;
            const std::string& s = grid_.cell(col, row);
            DrawTextA(dc, s.c_str(), static_cast<int>(s.size()), &text,
                      DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
            left = cell.right + (grid_.gridLines() ? 1 : 0);
        }
        top += grid_.rowHeight(row) + (grid_.gridLines() ? 1 : 0);
    }
    SelectObject(dc, oldFont);
}

} // namespace ui::win32
