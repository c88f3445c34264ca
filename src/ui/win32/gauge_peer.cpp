#include "ui/input_controls.h"
#include "ui/win32/gdi_cache.h"
#include "ui/win32/input_peers.h"

#include <algorithm>
#include <string>

namespace ui::win32 {

GaugePeer::GaugePeer(Gauge& g, Win32Backend& b) : GraphicPeer(g, b), gauge_(g) {}

void GaugePeer::paint(HDC dc, const RECT& r) {
    RECT inner = r;
    if (gauge_.border()) {
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&inner, -1, -1);
    }
    if (inner.right <= inner.left || inner.bottom <= inner.top) return;
    const int width = inner.right - inner.left;
    RECT filled = inner;
    filled.right = inner.left + width * std::clamp(gauge_.percentDone(), 0, 100) / 100;
    RECT rest = inner;
    rest.left = filled.right;
    FillRect(dc, &filled, brushFor(gauge_.foreColor()));
    FillRect(dc, &rest, brushFor(gauge_.backColor()));
    if (gauge_.showText()) paintText(dc, inner);
}

// The text is drawn white on black into a buffer and laid over the bar with XOR: each text
// pixel shows the inverse of the bar beneath it, readable on the filled and the empty part.
void GaugePeer::paintText(HDC dc, const RECT& r) {
    const std::string text = std::to_string(gauge_.percentDone()) + "%";
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC buffer = CreateCompatibleDC(dc);
    HBITMAP bits = CreateCompatibleBitmap(dc, w, h);
    if (!buffer || !bits) {
        if (bits) DeleteObject(bits);
        if (buffer) DeleteDC(buffer);
        return;
    }
    HGDIOBJ oldBitmap = SelectObject(buffer, bits);
    RECT box{0, 0, w, h};
    FillRect(buffer, &box, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    HGDIOBJ oldFont = SelectObject(buffer, fontFor(gauge_.font()));
    SetBkMode(buffer, TRANSPARENT);
    SetTextColor(buffer, RGB(255, 255, 255));
    DrawTextA(buffer, text.c_str(), static_cast<int>(text.size()), &box,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    BitBlt(dc, r.left, r.top, w, h, buffer, 0, 0, SRCINVERT);
    SelectObject(buffer, oldFont);
    SelectObject(buffer, oldBitmap);
    DeleteObject(bits);
    DeleteDC(buffer);
}

} // namespace ui::win32
