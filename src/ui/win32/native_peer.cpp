#include "ui/win32/native_peer.h"

#include "ui/win32/hint_window.h"
#include "ui/win32/mouse_input.h"
#include "ui/win32/win32_backend.h"

#include <windowsx.h>

namespace ui::win32 {

NativePeer::~NativePeer() {
    // The window outlives this part of the peer for a moment: give it its own procedure back.
    if (hwnd_ && native_) {
        SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(native_));
    }
}

void NativePeer::createNative(const char* windowClass, DWORD style, DWORD exStyle,
                              const char* text) {
    create(windowClass, style, exStyle, text);
    if (!hwnd_) return;
    native_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NativePeer::proc)));
}

LRESULT CALLBACK NativePeer::proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* peer = static_cast<NativePeer*>(
        reinterpret_cast<WindowPeer*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)));
    if (!peer) return DefWindowProcA(hwnd, msg, wp, lp); // not reached: the peer unhooks first
    if (msg == WM_NCDESTROY) {
        // Destroyed with its parent window: the handle is no longer this control's.
        const WNDPROC native = peer->native_;
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(native));
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        peer->native_ = nullptr;
        peer->hwnd_ = nullptr;
        return CallWindowProcA(native, hwnd, msg, wp, lp);
    }
    return peer->handle(msg, wp, lp);
}

LRESULT NativePeer::callNative(UINT msg, WPARAM wp, LPARAM lp) {
    return CallWindowProcA(native_, hwnd_, msg, wp, lp);
}

LRESULT NativePeer::handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: {
        // The control does its own work first (caret, selection, button state); the model's
        // handlers run last, so nothing of this peer is touched after them.
        const LRESULT r = callNative(msg, wp, lp);
        mouse(msg, wp, lp);
        return r;
    }
    case WM_MOUSELEAVE:
        hovering_ = false;
        backend().hints().hover(nullptr, POINT{0, 0});
        break;
    default:
        break;
    }
    return callNative(msg, wp, lp);
}

void NativePeer::mouse(UINT msg, WPARAM wp, LPARAM lp) {
    const POINT client{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    POINT screen = client;
    ClientToScreen(hwnd_, &screen);
    RECT window;
    GetWindowRect(hwnd_, &window);
    // The model measures from the control's outer corner, frame included.
    const int x = screen.x - window.left, y = screen.y - window.top;
    const ShiftState shift = shiftFrom(wp);
    Control& c = control();
    switch (msg) {
    case WM_MOUSEMOVE:
        if (!hovering_) {
            hovering_ = true;
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd_, 0};
            TrackMouseEvent(&track);
            backend().hints().hover(&c, screen);
        }
        c.mouseMove(shift, x, y);
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        backend().hints().hide();
        c.mouseDown(buttonOf(msg), shift, x, y);
        break;
    case WM_LBUTTONDBLCLK:
        c.doubleClick();
        break;
    case WM_LBUTTONUP: {
        RECT inside;
        GetClientRect(hwnd_, &inside);
        if (clickOnMouseUp_ && PtInRect(&inside, client)) c.click();
        c.mouseUp(MouseButton::Left, shift, x, y);
        break;
    }
    default:
        c.mouseUp(buttonOf(msg), shift, x, y);
        break;
    }
}

void NativePeer::changed(Change what) {
    WindowPeer::changed(what);
    // A new font colour keeps the same font object: the control must still repaint.
    if (what == Change::Font && hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

} // namespace ui::win32
