#include "ui/form.h"
#include "ui/standard_controls.h"
#include "ui/win32/gdi_cache.h"
#include "ui/win32/peers.h"
#include "ui/win32/win32_backend.h"

namespace ui::win32 {
namespace {

POINT scrollOffset(const Control* container) {
    if (auto* box = dynamic_cast<const ScrollBox*>(container)) {
        return {box->position(ScrollBarKind::Horizontal), box->position(ScrollBarKind::Vertical)};
    }
    return {0, 0};
}

} // namespace

HWND ControlPeer::hostWindow() const {
    for (const Control* c = control_.parent(); c; c = c->parent()) {
        if (c->windowed()) {
            auto* p = of(c);
            return p ? p->hwnd() : nullptr;
        }
    }
    return nullptr;
}

RECT ControlPeer::rectInHost() const {
    RECT r{control_.left(), control_.top(), control_.left() + control_.width(),
           control_.top() + control_.height()};
    // Graphic controls sit directly on a windowed parent; the parent's scroll moves them.
    if (const Control* parent = control_.parent()) {
        const POINT off = scrollOffset(parent);
        OffsetRect(&r, -off.x, -off.y);
    }
    return r;
}

void GraphicPeer::invalidate() {
    HWND host = hostWindow();
    if (!host) return;
    InvalidateRect(host, &lastRect_, FALSE);
    lastRect_ = rectInHost();
    InvalidateRect(host, &lastRect_, FALSE);
}

void GraphicPeer::changed(Change) {
    invalidate();
}

WindowPeer::~WindowPeer() {
    if (hwnd_) {
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

void WindowPeer::create(const char* windowClass, DWORD style, DWORD exStyle, const char* text) {
    const RECT r = rectInHost();
    HWND parent = hostWindow();
    style |= WS_CHILD | WS_CLIPSIBLINGS;
    if (control().visible()) style |= WS_VISIBLE;
    if (!control().enabled()) style |= WS_DISABLED;
    hwnd_ = CreateWindowExA(exStyle, windowClass, text, style, r.left, r.top, r.right - r.left,
                            r.bottom - r.top, parent, nullptr, backend().instance(), nullptr);
    if (!hwnd_) return;
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(control().font())), FALSE);
    SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void WindowPeer::changed(Change what) {
    if (!hwnd_) return;
    switch (what) {
    case Change::Bounds: {
        const RECT r = rectInHost();
        SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        break;
    }
    case Change::Visible:
        ShowWindow(hwnd_, control().visible() ? SW_SHOWNA : SW_HIDE);
        break;
    case Change::Enabled:
        EnableWindow(hwnd_, control().enabled());
        break;
    case Change::Font:
        SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(control().font())), TRUE);
        break;
    case Change::Stacking:
        SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        break;
    default:
        InvalidateRect(hwnd_, nullptr, TRUE);
        break;
    }
}

void WindowPeer::perform(Command c) {
    if (!hwnd_) return;
    if (c == Command::Focus) SetFocus(hwnd_);
    if (c == Command::Repaint) UpdateWindow(hwnd_);
}

HBRUSH WindowPeer::controlColors(HDC dc) {
    SetTextColor(dc, resolveColor(control().font().color));
    SetBkColor(dc, resolveColor(control().effectiveColor()));
    return brushFor(control().effectiveColor());
}

} // namespace ui::win32
