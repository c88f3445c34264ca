#include "ui/win32/hint_window.h"

#include "ui/application.h"
#include "ui/control.h"
#include "ui/win32/gdi_cache.h"

namespace ui::win32 {
namespace {

constexpr UINT_PTR kShowTimer = 1, kHideTimer = 2;
constexpr const char* kClass = "BrelkHint";

} // namespace

HintWindow::HintWindow(HINSTANCE instance, Application*& app) : app_(app) {
    WNDCLASSA wc{};
    wc.style = CS_SAVEBITS | CS_DROPSHADOW;
    wc.lpfnWndProc = &HintWindow::proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kClass;
    RegisterClassA(&wc);
    hwnd_ = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kClass, "", WS_POPUP | WS_BORDER, 0,
                            0, 10, 10, nullptr, nullptr, instance, nullptr);
    if (hwnd_) SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

HintWindow::~HintWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void HintWindow::hover(const Control* c, POINT screen) {
    hide();
    pending_.clear();
    if (!c || !c->showHint() || c->hint().empty() || !app_) return;
    pending_ = c->hint();
    at_ = screen;
    SetTimer(hwnd_, kShowTimer, static_cast<UINT>(app_->hintPause()), nullptr);
}

void HintWindow::hide() {
    KillTimer(hwnd_, kShowTimer);
    KillTimer(hwnd_, kHideTimer);
    if (!shown_.empty()) ShowWindow(hwnd_, SW_HIDE);
    shown_.clear();
}

void HintWindow::show() {
    KillTimer(hwnd_, kShowTimer);
    if (pending_.empty() || !app_) return;
    shown_ = pending_;
    HDC dc = GetDC(hwnd_);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    RECT r{0, 0, 300, 0};
    DrawTextA(dc, shown_.c_str(), static_cast<int>(shown_.size()), &r,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    SetWindowPos(hwnd_, HWND_TOPMOST, at_.x, at_.y + 20, r.right + 8, r.bottom + 6,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(hwnd_, nullptr, TRUE);
    SetTimer(hwnd_, kHideTimer, static_cast<UINT>(app_->hintHidePause()), nullptr);
}

LRESULT CALLBACK HintWindow::proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<HintWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, msg, wp, lp);
    switch (msg) {
    case WM_TIMER:
        if (wp == kShowTimer) self->show();
        if (wp == kHideTimer) self->hide();
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT r;
        GetClientRect(hwnd, &r);
        FillRect(dc, &r, brushFor(self->app_ ? self->app_->hintColor() : colors::InfoBk));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
        HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        InflateRect(&r, -3, -2);
        DrawTextA(dc, self->shown_.c_str(), static_cast<int>(self->shown_.size()), &r,
                  DT_WORDBREAK | DT_NOPREFIX);
        SelectObject(dc, old);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    default:
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

} // namespace ui::win32
