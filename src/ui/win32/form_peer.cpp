#include "ui/win32/form_peer.h"

#include "ui/application.h"
#include "ui/form.h"
#include "ui/win32/win32_backend.h"

namespace ui::win32 {
namespace {

DWORD styleOf(const Form& f) {
    switch (f.borderStyle()) {
    case BorderStyle::None:
        return WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX;
    case BorderStyle::Dialog:
        return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME | WS_CLIPCHILDREN;
    case BorderStyle::Single:
    case BorderStyle::ToolWindow:
        return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    case BorderStyle::Sizeable:
        break;
    }
    return WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
}

} // namespace

FormPeer::FormPeer(Form& form, Win32Backend& backend) : ContainerPeer(form, backend), form_(form) {
    if (form.position() != FormPosition::Designed) {
        RECT work;
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        const int sw = form.position() == FormPosition::ScreenCenter ? GetSystemMetrics(SM_CXSCREEN)
                                                                     : work.right - work.left;
        const int sh = form.position() == FormPosition::ScreenCenter ? GetSystemMetrics(SM_CYSCREEN)
                                                                     : work.bottom - work.top;
        form.setBounds((sw - form.width()) / 2, (sh - form.height()) / 2, form.width(),
                       form.height());
    }
    DWORD ex = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;
    if (form.alphaBlend()) ex |= WS_EX_LAYERED;
    hwnd_ = CreateWindowExA(ex, containerClassName(), form.caption().c_str(), styleOf(form),
                            form.left(), form.top(), form.width(), form.height(), nullptr, nullptr,
                            backend.instance(), nullptr);
    if (!hwnd_) return;
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    applyAlpha();
}

void FormPeer::applyAlpha() {
    if (form_.alphaBlend()) {
        SetLayeredWindowAttributes(hwnd_, 0, static_cast<BYTE>(form_.alphaBlendValue()), LWA_ALPHA);
    }
}

void FormPeer::changed(Change what) {
    if (!hwnd_) return;
    switch (what) {
    case Change::Bounds:
        SetWindowPos(hwnd_, nullptr, form_.left(), form_.top(), form_.width(), form_.height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        break;
    case Change::Visible:
        ShowWindow(hwnd_, form_.visible() ? SW_SHOW : SW_HIDE);
        if (form_.visible()) UpdateWindow(hwnd_);
        break;
    case Change::Alpha:
        applyAlpha();
        break;
    case Change::Caption:
        SetWindowTextA(hwnd_, form_.caption().c_str());
        break;
    case Change::Style:
        SetWindowLongPtrA(
            hwnd_, GWL_STYLE,
            static_cast<LONG_PTR>(styleOf(form_) | (form_.visible() ? WS_VISIBLE : 0)));
        SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOACTIVATE);
        break;
    default:
        ContainerPeer::changed(what);
        break;
    }
}

void FormPeer::perform(Command c) {
    if (c == Command::SystemMove && hwnd_) {
        // 0xF012 is a move started from the caption: the system drags while the button is held.
        ReleaseCapture();
        SendMessageA(hwnd_, WM_SYSCOMMAND, 0xF012, 0);
        return;
    }
    if (c == Command::BringToFront && hwnd_) {
        SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        SetForegroundWindow(hwnd_);
        return;
    }
    ContainerPeer::perform(c);
}

LRESULT FormPeer::handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CLOSE:
        if (backend().app() && backend().app()->mainForm() == &form_) {
            backend().app()->terminate();
        } else {
            form_.hide();
        }
        return 0;
    case WM_ACTIVATEAPP:
        break;
    default:
        break;
    }
    return ContainerPeer::handle(msg, wp, lp);
}

} // namespace ui::win32
