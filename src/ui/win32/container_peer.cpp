#include "ui/win32/container_peer.h"

#include "ui/form.h"
#include "ui/standard_controls.h"
#include "ui/win32/gdi_cache.h"
#include "ui/win32/hint_window.h"
#include "ui/win32/mouse_input.h"
#include "ui/win32/win32_backend.h"

#include <windowsx.h>

namespace ui::win32 {
namespace {

Form* formOf(Control& c) {
    for (Control* p = &c; p; p = p->parent()) {
        if (auto* f = dynamic_cast<Form*>(p)) return f;
    }
    return nullptr;
}

} // namespace

LRESULT CALLBACK containerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* peer = reinterpret_cast<ContainerPeer*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!peer) return DefWindowProcA(hwnd, msg, wp, lp);
    return peer->handle(msg, wp, lp);
}

void ContainerPeer::createChild() {
    create(containerClassName(), WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
}

void ContainerPeer::changed(Change what) {
    WindowPeer::changed(what);
    if (what == Change::Visible && !control().visible()) {
        hovered_ = nullptr;
        pressed_ = nullptr;
    }
}

LRESULT ContainerPeer::defaultHandling(UINT msg, WPARAM wp, LPARAM lp) {
    return DefWindowProcA(hwnd(), msg, wp, lp);
}

LRESULT ContainerPeer::handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ERASEBKGND:
        return 1; // everything is painted in WM_PAINT, without flicker
    case WM_PAINT:
        paint();
        return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        mouse(msg, wp, lp);
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lp) == HTCLIENT && reinterpret_cast<HWND>(wp) == hwnd()) {
            setCursor();
            return TRUE;
        }
        break;
    case WM_MOUSEWHEEL:
        if (Form* f = formOf(control())) {
            POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            f->mouseWheel(shiftFrom(GET_KEYSTATE_WPARAM(wp)), GET_WHEEL_DELTA_WPARAM(wp), pt.x,
                          pt.y);
        }
        return 0;
    case WM_COMMAND:
        if (lp) {
            auto* child = reinterpret_cast<WindowPeer*>(
                GetWindowLongPtrA(reinterpret_cast<HWND>(lp), GWLP_USERDATA));
            if (child) return child->command(HIWORD(wp));
        }
        break;
    case WM_NOTIFY: {
        const auto* n = reinterpret_cast<const NMHDR*>(lp);
        auto* child =
            n ? reinterpret_cast<WindowPeer*>(GetWindowLongPtrA(n->hwndFrom, GWLP_USERDATA))
              : nullptr;
        if (child) return child->notify(*n);
        break;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
        // From a child control; a container's own scroll bars send no window handle.
        if (lp) {
            auto* child = reinterpret_cast<WindowPeer*>(
                GetWindowLongPtrA(reinterpret_cast<HWND>(lp), GWLP_USERDATA));
            if (child) child->scrolled(LOWORD(wp));
            return 0;
        }
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
        auto* child = reinterpret_cast<WindowPeer*>(
            GetWindowLongPtrA(reinterpret_cast<HWND>(lp), GWLP_USERDATA));
        if (child)
            return reinterpret_cast<LRESULT>(child->controlColors(reinterpret_cast<HDC>(wp)));
        break;
    }
    case WM_CAPTURECHANGED:
        pressed_ = nullptr;
        break;
    default:
        break;
    }
    return defaultHandling(msg, wp, lp);
}

void ContainerPeer::paintBackground(HDC dc, const RECT& client) {
    FillRect(dc, &client, brushFor(control().effectiveColor()));
}

void ContainerPeer::paint() {
    PAINTSTRUCT ps;
    HDC screen = BeginPaint(hwnd(), &ps);
    RECT client;
    GetClientRect(hwnd(), &client);
    const int w = client.right, h = client.bottom;
    if (w > 0 && h > 0) {
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP buffer = CreateCompatibleBitmap(screen, w, h);
        HGDIOBJ old = SelectObject(dc, buffer);
        paintBackground(dc, client);
        for (Control* child : control().children()) {
            if (child->windowed() || !child->visible()) continue;
            auto* g = dynamic_cast<GraphicPeer*>(child->peer());
            if (!g) continue;
            const RECT r = g->rectInHost();
            RECT clip;
            if (!IntersectRect(&clip, &r, &ps.rcPaint)) continue;
            const int saved = SaveDC(dc);
            IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
            g->paint(dc, r);
            RestoreDC(dc, saved);
        }
        BitBlt(screen, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
               ps.rcPaint.bottom - ps.rcPaint.top, dc, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
        SelectObject(dc, old);
        DeleteObject(buffer);
        DeleteDC(dc);
    }
    EndPaint(hwnd(), &ps);
}

Control* ContainerPeer::controlAt(int x, int y) {
    const auto& kids = control().children();
    for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
        Control* c = *it;
        if (c->windowed() || !c->visible() || !c->enabled()) continue;
        auto* p = ControlPeer::of(c);
        if (!p) continue;
        const RECT r = p->rectInHost();
        const POINT pt{x, y};
        if (PtInRect(&r, pt)) return c;
    }
    return &control();
}

void ContainerPeer::mouse(UINT msg, WPARAM wp, LPARAM lp) {
    const int x = GET_X_LPARAM(lp), y = GET_Y_LPARAM(lp);
    Control* target = pressed_ ? pressed_ : controlAt(x, y);
    const RECT r = target == &control() ? RECT{0, 0, 0, 0} : ControlPeer::of(target)->rectInHost();
    const int cx = x - r.left, cy = y - r.top;
    const ShiftState shift = shiftFrom(wp);
    switch (msg) {
    case WM_MOUSEMOVE: {
        Control* over = controlAt(x, y);
        if (over != hovered_) {
            hovered_ = over;
            POINT screen{x, y};
            ClientToScreen(hwnd(), &screen);
            backend().hints().hover(over, screen);
        }
        target->mouseMove(shift, cx, cy);
        break;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        backend().hints().hide();
        if (msg == WM_LBUTTONDOWN) {
            pressed_ = target;
            SetCapture(hwnd());
        }
        target->mouseDown(buttonOf(msg), shift, cx, cy);
        break;
    case WM_LBUTTONDBLCLK:
        target->doubleClick();
        break;
    case WM_LBUTTONUP: {
        Control* was = pressed_;
        pressed_ = nullptr;
        if (GetCapture() == hwnd()) ReleaseCapture();
        target->mouseUp(buttonOf(msg), shift, cx, cy);
        if (was && was == controlAt(x, y)) was->click();
        break;
    }
    default:
        target->mouseUp(buttonOf(msg), shift, cx, cy);
        break;
    }
}

void ContainerPeer::setCursor() {
    POINT pt;
    GetCursorPos(&pt);
    ScreenToClient(hwnd(), &pt);
    const Control* c = controlAt(pt.x, pt.y);
    const char* id = IDC_ARROW;
    switch (c->cursor()) {
    case Cursor::HandPoint:
        id = IDC_HAND;
        break;
    case Cursor::IBeam:
        id = IDC_IBEAM;
        break;
    case Cursor::Wait:
        id = IDC_WAIT;
        break;
    case Cursor::SizeAll:
        id = IDC_SIZEALL;
        break;
    default:
        break;
    }
    SetCursor(LoadCursorA(nullptr, id));
}

} // namespace ui::win32
