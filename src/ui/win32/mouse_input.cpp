#include "ui/win32/mouse_input.h"

namespace ui::win32 {

ShiftState shiftFrom(WPARAM wp) {
    ShiftState s;
    s.shift = (wp & MK_SHIFT) != 0;
    s.ctrl = (wp & MK_CONTROL) != 0;
    s.alt = GetKeyState(VK_MENU) < 0;
    s.left = (wp & MK_LBUTTON) != 0;
    s.right = (wp & MK_RBUTTON) != 0;
    s.middle = (wp & MK_MBUTTON) != 0;
    return s;
}

MouseButton buttonOf(UINT msg) {
    switch (msg) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        return MouseButton::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        return MouseButton::Middle;
    default:
        return MouseButton::Left;
    }
}

} // namespace ui::win32
