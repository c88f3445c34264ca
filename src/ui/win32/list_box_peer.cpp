#include "ui/input_controls.h"
#include "ui/win32/input_peers.h"

#include <algorithm>
#include <cstddef>

namespace ui::win32 {

ListBoxPeer::ListBoxPeer(ListBox& l, Win32Backend& b) : NativePeer(l, b), list_(l) {
    createNative("LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                 l.border() ? WS_EX_CLIENTEDGE : 0);
    syncItems();
    showSelection();
}

// Lists grow one entry at a time (file lists with hundreds of entries): one added entry is
// inserted where it belongs; anything else refills the window.
void ListBoxPeer::syncItems() {
    if (!hwnd_) return;
    const auto& items = list_.items();
    if (items.size() == shown_.size() + 1) {
        const auto at = std::mismatch(shown_.begin(), shown_.end(), items.begin());
        const auto index = static_cast<std::size_t>(at.first - shown_.begin());
        if (std::equal(at.first, shown_.end(),
                       items.begin() + static_cast<std::ptrdiff_t>(index) + 1)) {
            SendMessageA(hwnd_, LB_INSERTSTRING, index,
                         reinterpret_cast<LPARAM>(items[index].c_str()));
            shown_.insert(shown_.begin() + static_cast<std::ptrdiff_t>(index), items[index]);
            return;
        }
    }
    SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(hwnd_, LB_RESETCONTENT, 0, 0);
    for (const auto& item : items) {
        SendMessageA(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
    shown_ = items;
}

void ListBoxPeer::showSelection() {
    if (hwnd_) SendMessageA(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(list_.itemIndex()), 0);
}

void ListBoxPeer::changed(Change what) {
    switch (what) {
    case Change::Items:
        syncItems();
        showSelection();
        return;
    case Change::Position:
        showSelection();
        return;
    default:
        NativePeer::changed(what);
    }
}

LRESULT ListBoxPeer::command(WORD code) {
    if (code == LBN_SELCHANGE) {
        list_.userSelected(static_cast<int>(SendMessageA(hwnd_, LB_GETCURSEL, 0, 0)));
    }
    return 0;
}

} // namespace ui::win32
