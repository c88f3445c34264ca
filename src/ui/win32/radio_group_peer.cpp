#include "ui/input_controls.h"
#include "ui/win32/gdi_cache.h"
#include "ui/win32/standard_peers.h"
#include "ui/win32/win32_backend.h"

namespace ui::win32 {

RadioGroupPeer::RadioGroupPeer(RadioGroup& g, Win32Backend& b) : GroupBoxPeer(g, b), radios_(g) {
    rebuildButtons();
}

// The items share the height below the caption evenly, in one column.
void RadioGroupPeer::arrangeButtons() {
    if (buttons_.empty()) return;
    HDC dc = GetDC(hwnd());
    HGDIOBJ old = SelectObject(dc, fontFor(radios_.font()));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(hwnd(), dc);
    const int count = static_cast<int>(buttons_.size());
    const int room = radios_.height() - metrics.tmHeight - 5;
    const int each = room > 0 ? room / count : 0;
    const int top = metrics.tmHeight + 1 + (room > 0 ? room % count : 0) / 2;
    for (int i = 0; i < count; ++i) {
        SetWindowPos(buttons_[static_cast<std::size_t>(i)], nullptr, 8, top + i * each,
                     radios_.width() - 16, each, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void RadioGroupPeer::rebuildButtons() {
    if (!hwnd()) return;
    for (HWND button : buttons_)
        DestroyWindow(button);
    buttons_.clear();
    for (const std::string& item : radios_.items()) {
        HWND button = CreateWindowExA(0, "BUTTON", item.c_str(),
                                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_RADIOBUTTON, 0, 0, 0,
                                      0, hwnd(), nullptr, backend().instance(), nullptr);
        if (!button) continue;
        SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(radios_.font())), FALSE);
        buttons_.push_back(button);
    }
    arrangeButtons();
    showSelection();
}

void RadioGroupPeer::showSelection() {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const bool selected = static_cast<int>(i) == radios_.itemIndex();
        SendMessageA(buttons_[i], BM_SETCHECK, selected ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void RadioGroupPeer::perform(Command c) {
    if (c != Command::Focus || buttons_.empty()) {
        GroupBoxPeer::perform(c);
        return;
    }
    const int selected = radios_.itemIndex();
    const bool valid = selected >= 0 && selected < static_cast<int>(buttons_.size());
    SetFocus(buttons_[valid ? static_cast<std::size_t>(selected) : 0]);
}

int RadioGroupPeer::indexOf(HWND button) const {
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        if (buttons_[i] == button) return static_cast<int>(i);
    return -1;
}

void RadioGroupPeer::changed(Change what) {
    switch (what) {
    case Change::Items:
        rebuildButtons();
        return;
    case Change::Position:
        showSelection();
        return;
    case Change::Bounds:
    case Change::Font:
        GroupBoxPeer::changed(what);
        arrangeButtons();
        return;
    default:
        GroupBoxPeer::changed(what);
    }
}

LRESULT RadioGroupPeer::handle(UINT msg, WPARAM wp, LPARAM lp) {
    const int index = lp ? indexOf(reinterpret_cast<HWND>(lp)) : -1;
    if (index >= 0 && msg == WM_COMMAND) {
        if (HIWORD(wp) == BN_CLICKED) radios_.userSelected(index);
        return 0;
    }
    if (index >= 0 && (msg == WM_CTLCOLORBTN || msg == WM_CTLCOLORSTATIC)) {
        HDC dc = reinterpret_cast<HDC>(wp);
        SetBkColor(dc, resolveColor(radios_.effectiveColor()));
        SetTextColor(dc, resolveColor(radios_.font().color));
        return reinterpret_cast<LRESULT>(brushFor(radios_.effectiveColor()));
    }
    return GroupBoxPeer::handle(msg, wp, lp);
}

} // namespace ui::win32
