#include "ui/standard_controls.h"
#include "ui/win32/gdi_cache.h"
#include "ui/win32/standard_peers.h"
#include "ui/win32/win32_backend.h"

namespace ui::win32 {
namespace {

UINT edgeOf(BevelCut outer, BevelCut inner) {
    UINT edge = 0;
    if (outer == BevelCut::Raised) edge |= BDR_RAISEDOUTER;
    if (outer == BevelCut::Lowered) edge |= BDR_SUNKENOUTER;
    if (inner == BevelCut::Raised) edge |= BDR_RAISEDINNER;
    if (inner == BevelCut::Lowered) edge |= BDR_SUNKENINNER;
    return edge;
}

void centredText(HDC dc, const Control& c, const std::string& text, RECT r) {
    if (text.empty()) return;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, resolveColor(c.font().color));
    HGDIOBJ old = SelectObject(dc, fontFor(c.font()));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
}

} // namespace

PanelPeer::PanelPeer(Panel& p, Win32Backend& b) : ContainerPeer(p, b), panel_(p) {
    createChild();
}

void PanelPeer::paintBackground(HDC dc, const RECT& client) {
    ContainerPeer::paintBackground(dc, client);
    RECT r = client;
    if (const UINT edge = edgeOf(panel_.bevelOuter(), panel_.bevelInner())) {
        DrawEdge(dc, &r, edge, BF_RECT);
    }
    centredText(dc, panel_, panel_.caption(), client);
}

GroupBoxPeer::GroupBoxPeer(GroupBox& g, Win32Backend& b) : ContainerPeer(g, b), group_(g) {
    createChild();
}

void GroupBoxPeer::paintBackground(HDC dc, const RECT& client) {
    ContainerPeer::paintBackground(dc, client);
    HGDIOBJ old = SelectObject(dc, fontFor(group_.font()));
    SIZE text{0, 0};
    GetTextExtentPoint32A(dc, group_.caption().c_str(), static_cast<int>(group_.caption().size()),
                          &text);
    SelectObject(dc, old);
    RECT frame = client;
    frame.top += text.cy / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (!group_.caption().empty()) {
        RECT label{8, 0, 8 + text.cx + 4, text.cy};
        FillRect(dc, &label, brushFor(group_.effectiveColor()));
        centredText(dc, group_, group_.caption(), label);
    }
}

ScrollBoxPeer::ScrollBoxPeer(ScrollBox& s, Win32Backend& b) : ContainerPeer(s, b), box_(s) {
    create(containerClassName(), WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL, WS_EX_CONTROLPARENT);
    updateBars();
}

void ScrollBoxPeer::updateBars() {
    if (!hwnd()) return;
    for (auto kind : {ScrollBarKind::Vertical, ScrollBarKind::Horizontal}) {
        const bool vertical = kind == ScrollBarKind::Vertical;
        const int page = vertical ? box_.height() : box_.width();
        SCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMin = 0;
        si.nMax = box_.range(kind) > 0 ? box_.range(kind) + page - 1 : 0;
        si.nPage = box_.range(kind) > 0 ? static_cast<UINT>(page) : 0;
        si.nPos = box_.position(kind);
        SetScrollInfo(hwnd(), vertical ? SB_VERT : SB_HORZ, &si, TRUE);
        ShowScrollBar(hwnd(), vertical ? SB_VERT : SB_HORZ, box_.range(kind) > 0);
    }
}

void ScrollBoxPeer::moveChildren() {
    for (Control* child : box_.children()) {
        auto* p = ControlPeer::of(child);
        if (p && p->hwnd()) p->changed(Change::Bounds);
    }
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void ScrollBoxPeer::changed(Change what) {
    if (what == Change::Position) {
        moveChildren();
        updateBars();
        return;
    }
    ContainerPeer::changed(what);
    if (what == Change::Bounds) updateBars();
}

LRESULT ScrollBoxPeer::handle(UINT msg, WPARAM wp, LPARAM lp) {
    if ((msg == WM_VSCROLL || msg == WM_HSCROLL) && lp == 0) { // the box's own bars
        const auto kind = msg == WM_VSCROLL ? ScrollBarKind::Vertical : ScrollBarKind::Horizontal;
        ScrollCode code = ScrollCode::EndScroll;
        switch (LOWORD(wp)) {
        case SB_LINEUP:
            code = ScrollCode::LineUp;
            break;
        case SB_LINEDOWN:
            code = ScrollCode::LineDown;
            break;
        case SB_PAGEUP:
            code = ScrollCode::PageUp;
            break;
        case SB_PAGEDOWN:
            code = ScrollCode::PageDown;
            break;
        case SB_TOP:
            code = ScrollCode::Top;
            break;
        case SB_BOTTOM:
            code = ScrollCode::Bottom;
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            code = ScrollCode::Thumb;
            break;
        default:
            break;
        }
        box_.scroll(kind, code, static_cast<short>(HIWORD(wp)));
        return 0;
    }
    return ContainerPeer::handle(msg, wp, lp);
}

} // namespace ui::win32
