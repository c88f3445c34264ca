#include "ui/cool_form.h"
#include "ui/form.h"
#include "ui/win32/gdi_cache.h"
#include "ui/win32/standard_peers.h"

namespace ui::win32 {

LabelPeer::LabelPeer(Label& l, Win32Backend& b) : GraphicPeer(l, b), label_(l) {
    fitText();
}

// An auto-sized label takes the size of its text, as the user sees and points at it.
void LabelPeer::fitText() {
    if (!label_.autoSize() || label_.wordWrap()) return;
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, fontFor(label_.font()));
    RECT r{0, 0, 0, 0};
    const std::string& text = label_.caption().empty() ? std::string(" ") : label_.caption();
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    const int width = label_.caption().empty() ? 0 : r.right;
    label_.setBounds(label_.left(), label_.top(), width, r.bottom);
}

void LabelPeer::changed(Change what) {
    if (what == Change::Caption || what == Change::Font) fitText();
    GraphicPeer::changed(what);
}

void LabelPeer::paint(HDC dc, const RECT& r) {
    if (!label_.transparent()) FillRect(dc, &r, brushFor(label_.effectiveColor()));
    SetBkMode(dc, TRANSPARENT);
    const bool grey = !label_.enabled();
    SetTextColor(dc, grey ? GetSysColor(COLOR_GRAYTEXT) : resolveColor(label_.font().color));
    HGDIOBJ old = SelectObject(dc, fontFor(label_.font()));
    UINT flags = DT_NOPREFIX | DT_EXPANDTABS;
    flags |= label_.wordWrap() ? DT_WORDBREAK : 0;
    if (label_.alignment() == TextAlign::Center) flags |= DT_CENTER;
    if (label_.alignment() == TextAlign::Right) flags |= DT_RIGHT;
    RECT box = r;
    DrawTextA(dc, label_.caption().c_str(), static_cast<int>(label_.caption().size()), &box, flags);
    SelectObject(dc, old);
}

ImagePeer::ImagePeer(Image& i, Win32Backend& b) : GraphicPeer(i, b), image_(i) {
    refreshBitmap();
}

ImagePeer::~ImagePeer() {
    if (bitmap_) DeleteObject(bitmap_);
}

void ImagePeer::refreshBitmap() {
    if (bitmap_) DeleteObject(bitmap_);
    bitmap_ = nullptr;
    if (image_.picture() && !image_.picture()->empty()) bitmap_ = makeDib(*image_.picture());
}

void ImagePeer::changed(Change what) {
    if (what == Change::Picture) refreshBitmap();
    GraphicPeer::changed(what);
}

void ImagePeer::paint(HDC dc, const RECT& r) {
    if (!bitmap_) return;
    const Bitmap& pic = *image_.picture();
    HDC src = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(src, bitmap_);
    int x = r.left, y = r.top, w = pic.width, h = pic.height;
    if (image_.stretch()) {
        w = r.right - r.left;
        h = r.bottom - r.top;
    } else if (image_.center()) {
        x += (r.right - r.left - w) / 2;
        y += (r.bottom - r.top - h) / 2;
    }
    if (image_.transparent()) {
        // The colour of the bottom-left pixel is the see-through colour.
        const std::uint32_t key = pic.at(0, pic.height - 1);
        const COLORREF ref = RGB((key >> 16) & 0xFF, (key >> 8) & 0xFF, key & 0xFF);
        TransparentBlt(dc, x, y, w, h, src, 0, 0, pic.width, pic.height, ref);
    } else if (w == pic.width && h == pic.height) {
        BitBlt(dc, x, y, w, h, src, 0, 0, SRCCOPY);
    } else {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, x, y, w, h, src, 0, 0, pic.width, pic.height, SRCCOPY);
    }
    SelectObject(src, old);
    DeleteDC(src);
}

CoolFormPeer::CoolFormPeer(CoolForm& c, Win32Backend& b) : ImagePeer(c, b), skin_(c) {
    applyRegion();
}

void CoolFormPeer::applyRegion() {
    const RegionData* region = skin_.mask().region();
    HWND window = hostWindow();
    if (!region || !window) return; // no region: the window keeps the shape it has
    const auto data = regionDataBytes(*region);
    HRGN rgn = ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                               reinterpret_cast<const RGNDATA*>(data.data()));
    // Once set, the region belongs to the window; it must not be deleted here.
    if (rgn && !SetWindowRgn(window, rgn, TRUE)) DeleteObject(rgn);
}

void CoolFormPeer::changed(Change what) {
    if (what == Change::Region) applyRegion();
    ImagePeer::changed(what);
}

BevelPeer::BevelPeer(Bevel& b, Win32Backend& backend) : GraphicPeer(b, backend), bevel_(b) {}

void BevelPeer::paint(HDC dc, const RECT& r) {
    RECT box = r;
    DrawEdge(dc, &box, bevel_.lowered() ? EDGE_ETCHED : EDGE_BUMP, BF_RECT);
}

} // namespace ui::win32
