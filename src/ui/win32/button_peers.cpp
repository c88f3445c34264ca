#include "ui/input_controls.h"
#include "ui/win32/input_peers.h"

namespace ui::win32 {

ButtonPeer::ButtonPeer(Button& button, Win32Backend& b) : NativePeer(button, b), button_(button) {
    createNative("BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, button.caption().c_str());
}

void ButtonPeer::changed(Change what) {
    if (what == Change::Caption && hwnd_) {
        SetWindowTextA(hwnd_, button_.caption().c_str());
        return;
    }
    NativePeer::changed(what);
}

LRESULT ButtonPeer::command(WORD code) {
    if (code == BN_CLICKED) button_.click();
    return 0;
}

CheckPeer::CheckPeer(CheckBox& c, Win32Backend& b) : CheckPeer(c, b, BS_CHECKBOX) {}

CheckPeer::CheckPeer(RadioButton& r, Win32Backend& b) : CheckPeer(r, b, BS_RADIOBUTTON) {}

CheckPeer::CheckPeer(CheckControl& c, Win32Backend& b, DWORD kind) : NativePeer(c, b), check_(c) {
    const DWORD lines = c.wordWrap() ? BS_MULTILINE : 0;
    createNative("BUTTON", kind | lines | WS_TABSTOP, 0, c.caption().c_str());
    showChecked();
}

void CheckPeer::showChecked() {
    if (hwnd_) {
        SendMessageA(hwnd_, BM_SETCHECK, check_.checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void CheckPeer::changed(Change what) {
    switch (what) {
    case Change::Checked:
        showChecked();
        return;
    case Change::Caption:
        if (hwnd_) SetWindowTextA(hwnd_, check_.caption().c_str());
        return;
    default:
        NativePeer::changed(what);
    }
}

LRESULT CheckPeer::command(WORD code) {
    // The model toggles the box or checks the radio button (and unchecks its siblings).
    if (code == BN_CLICKED) check_.click();
    return 0;
}

} // namespace ui::win32
