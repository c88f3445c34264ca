#include "ui/win32/picture_preview.h"

#include "ui/win32/gdi_cache.h"

#include <dlgs.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace ui::win32 {
namespace {

constexpr WORD kPreviewId = 1000;
constexpr const char* kPictureProp = "brelkPreviewPicture";

// Dialog units of the preview area.
constexpr short kAreaLeft = 8, kAreaTop = 16, kAreaWidth = 100, kAreaHeight = 100;

void dword(std::vector<WORD>& t, DWORD v) {
    t.push_back(LOWORD(v));
    t.push_back(HIWORD(v));
}

// A static control of the template (class atom 0x0082), DWORD-aligned as the format wants.
void staticItem(std::vector<WORD>& t, DWORD style, short x, short y, short cx, short cy, WORD id) {
    if (t.size() % 2) t.push_back(0);
    dword(t, WS_CHILD | WS_VISIBLE | style);
    dword(t, 0);
    for (short v : {x, y, cx, cy})
        t.push_back(static_cast<WORD>(v));
    t.push_back(id);
    t.push_back(0xFFFF);
    t.push_back(0x0082);
    t.push_back(0); // no text
    t.push_back(0); // no creation data
}

} // namespace

HGLOBAL previewTemplate() {
    std::vector<WORD> t;
    dword(t, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | DS_3DLOOK | DS_CONTROL);
    dword(t, 0);
    t.push_back(2); // items
    for (short v : {short{0}, short{0}, short{kAreaWidth + 20}, short{kAreaHeight + 24}})
        t.push_back(static_cast<WORD>(v));
    t.push_back(0); // no menu
    t.push_back(0); // the dialog class
    t.push_back(0); // no title
    // The standard controls go where stc32 stands; the system moves the area beside them.
    staticItem(t, 0, 0, 0, 4, 4, stc32);
    staticItem(t, SS_OWNERDRAW, kAreaLeft, kAreaTop, kAreaWidth, kAreaHeight, kPreviewId);
    HGLOBAL memory = GlobalAlloc(GMEM_FIXED, t.size() * sizeof(WORD));
    if (memory) std::memcpy(memory, t.data(), t.size() * sizeof(WORD));
    return memory;
}

void showPreview(HWND hook, const Bitmap* picture) {
    if (auto old = static_cast<HBITMAP>(GetPropA(hook, kPictureProp))) DeleteObject(old);
    HBITMAP shown = picture && !picture->empty() ? makeDib(*picture) : nullptr;
    SetPropA(hook, kPictureProp, shown);
    InvalidateRect(GetDlgItem(hook, kPreviewId), nullptr, TRUE);
}

bool drawPreview(HWND hook, const DRAWITEMSTRUCT& item) {
    if (item.CtlID != kPreviewId) return false;
    const RECT& area = item.rcItem;
    FillRect(item.hDC, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    auto picture = static_cast<HBITMAP>(GetPropA(hook, kPictureProp));
    BITMAP info{};
    if (!picture || !GetObjectA(picture, sizeof info, &info) || info.bmWidth <= 0) return true;
    const int width = area.right - area.left, height = area.bottom - area.top;
    const int pictureHeight = std::abs(info.bmHeight);
    // Scaled to fit, never enlarged, centred.
    const double scale =
        std::min({1.0, double(width) / info.bmWidth, double(height) / std::max(1, pictureHeight)});
    const int w = std::max(1, int(info.bmWidth * scale)),
              h = std::max(1, int(pictureHeight * scale));
    HDC source = CreateCompatibleDC(item.hDC);
    HGDIOBJ before = SelectObject(source, picture);
    SetStretchBltMode(item.hDC, HALFTONE);
    StretchBlt(item.hDC, area.left + (width - w) / 2, area.top + (height - h) / 2, w, h, source, 0,
               0, info.bmWidth, pictureHeight, SRCCOPY);
    SelectObject(source, before);
    DeleteDC(source);
    return true;
}

void endPreview(HWND hook) {
    if (auto old = static_cast<HBITMAP>(RemovePropA(hook, kPictureProp))) DeleteObject(old);
}

} // namespace ui::win32
