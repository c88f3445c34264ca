#include "ui/standard_controls.h"

#include "ui/errors.h"
#include "ui/load_context.h"
#include "ui/property_values.h"
#include "ui/resources.h"

#include <algorithm>
#include <map>
#include <strings.h>

namespace ui {
namespace {

bool is(const LayoutProperty& p, const char* name) {
    return strcasecmp(p.name.c_str(), name) == 0;
}

BevelCut bevelCut(const LayoutProperty& p) {
    const std::string& v = propIdent(p);
    if (strcasecmp(v.c_str(), "bvNone") == 0) return BevelCut::None;
    if (strcasecmp(v.c_str(), "bvLowered") == 0) return BevelCut::Lowered;
    if (strcasecmp(v.c_str(), "bvRaised") == 0) return BevelCut::Raised;
    if (strcasecmp(v.c_str(), "bvSpace") == 0) return BevelCut::None;
    throw ELayoutError(p.line, "unknown bevel " + v);
}

// Pictures named by layouts are decoded once per program run, however many images show them.
std::shared_ptr<const Bitmap> resourcePicture(const LayoutProperty& p, const LoadContext& ctx) {
    static std::map<std::pair<const ResourceStore*, std::string>, std::weak_ptr<const Bitmap>>
        cache;
    const std::string& name = propString(p);
    auto key = std::make_pair(&ctx.resources(), name);
    if (auto hit = cache[key].lock()) return hit;
    auto bytes = ctx.resources().load(name);
    if (!bytes) throw ELayoutError(p.line, "picture '" + name + "' not found");
    try {
        auto bitmap = std::make_shared<const Bitmap>(decodePicture(*bytes));
        cache[key] = bitmap;
        return bitmap;
    } catch (const EInvalidGraphic& e) {
        throw ELayoutError(p.line, "picture '" + name + "': " + e.what());
    }
}

} // namespace

bool Label::applyProperty(const LayoutProperty& p, LoadContext& ctx) {
    if (is(p, "Transparent")) {
        transparent_ = propBool(p);
    } else if (is(p, "WordWrap")) {
        wordWrap_ = propBool(p);
    } else if (is(p, "AutoSize")) {
        autoSize_ = propBool(p);
    } else if (is(p, "Alignment")) {
        const std::string& v = propIdent(p);
        if (strcasecmp(v.c_str(), "taLeftJustify") == 0) {
            alignment_ = TextAlign::Left;
        } else if (strcasecmp(v.c_str(), "taRightJustify") == 0) {
            alignment_ = TextAlign::Right;
        } else if (strcasecmp(v.c_str(), "taCenter") == 0) {
            alignment_ = TextAlign::Center;
        } else {
            throw ELayoutError(p.line, "unknown alignment " + v);
        }
    } else if (is(p, "Layout") || is(p, "FocusControl")) {
        propIdent(p);
    } else {
        return Control::applyProperty(p, ctx);
    }
    return true;
}

void Image::setPicture(std::shared_ptr<const Bitmap> b) {
    picture_ = std::move(b);
    if (autoSize_ && picture_) setBounds(left(), top(), picture_->width, picture_->height);
    notify(Change::Picture);
    pictureChanged();
}

bool Image::applyProperty(const LayoutProperty& p, LoadContext& ctx) {
    if (is(p, "Picture.Resource")) {
        picture_ = resourcePicture(p, ctx);
    } else if (is(p, "Stretch")) {
        stretch_ = propBool(p);
    } else if (is(p, "Transparent")) {
        transparent_ = propBool(p);
    } else if (is(p, "Center")) {
        center_ = propBool(p);
    } else if (is(p, "AutoSize")) {
        autoSize_ = propBool(p);
    } else if (is(p, "Proportional") || is(p, "IncrementalDisplay")) {
        propBool(p);
    } else {
        return Control::applyProperty(p, ctx);
    }
    return true;
}

bool Panel::applyProperty(const LayoutProperty& p, LoadContext& ctx) {
    if (is(p, "BevelOuter")) {
        bevelOuter_ = bevelCut(p);
    } else if (is(p, "BevelInner")) {
        bevelInner_ = bevelCut(p);
    } else if (is(p, "BevelWidth") || is(p, "BorderWidth")) {
        propInt(p);
    } else if (is(p, "BorderStyle") || is(p, "Alignment")) {
        propIdent(p);
    } else if (is(p, "FullRepaint")) {
        propBool(p);
    } else {
        return Control::applyProperty(p, ctx);
    }
    return true;
}

bool Bevel::applyProperty(const LayoutProperty& p, LoadContext& ctx) {
    if (is(p, "Style")) {
        lowered_ = strcasecmp(propIdent(p).c_str(), "bsRaised") != 0;
    } else if (is(p, "Shape")) {
        shape_ = propIdent(p);
    } else {
        return Control::applyProperty(p, ctx);
    }
    return true;
}

int ScrollBox::range(ScrollBarKind k) const {
    int extent = 0;
    for (const Control* c : children()) {
        extent = std::max(extent, k == ScrollBarKind::Vertical ? c->top() + c->height()
                                                               : c->left() + c->width());
    }
    const int box = k == ScrollBarKind::Vertical ? height() : width();
    return std::max(0, extent - box);
}

void ScrollBox::setPosition(ScrollBarKind k, int pos) {
    pos = std::clamp(pos, 0, range(k));
    int& cur = k == ScrollBarKind::Vertical ? vPos_ : hPos_;
    if (cur == pos) return;
    cur = pos;
    notify(Change::Position);
}

namespace {

// The position that shows [start, start + size) in a box of `box` pixels scrolled to `pos`.
int positionShowing(int pos, int box, int start, int size) {
    if (start < pos) return start;
    if (start + size > pos + box) return std::min(start, start + size - box);
    return pos;
}

} // namespace

void ScrollBox::scrollInView(const Control& inside) {
    int left = 0, top = 0;
    const Control* c = &inside;
    for (; c && c->parent() != this; c = c->parent()) {
        left += c->left();
        top += c->top();
    }
    if (!c) return; // not inside this box
    left += c->left();
    top += c->top();
    setPosition(ScrollBarKind::Horizontal, positionShowing(hPos_, width(), left, inside.width()));
    setPosition(ScrollBarKind::Vertical, positionShowing(vPos_, height(), top, inside.height()));
}

void ScrollBox::scroll(ScrollBarKind k, ScrollCode code, int thumb) {
    const int pos = position(k);
    const int page = std::max(kLine, (k == ScrollBarKind::Vertical ? height() : width()) * 9 / 10);
    switch (code) {
    case ScrollCode::LineUp:
        setPosition(k, pos - kLine);
        break;
    case ScrollCode::LineDown:
        setPosition(k, pos + kLine);
        break;
    case ScrollCode::PageUp:
        setPosition(k, pos - page);
        break;
    case ScrollCode::PageDown:
        setPosition(k, pos + page);
        break;
    case ScrollCode::Top:
        setPosition(k, 0);
        break;
    case ScrollCode::Bottom:
        setPosition(k, range(k));
        break;
    case ScrollCode::Thumb:
        setPosition(k, thumb);
        break;
    case ScrollCode::EndScroll:
        ++endScrolls_;
        break;
    }
}

bool ScrollBox::applyProperty(const LayoutProperty& p, LoadContext& ctx) {
    if (is(p, "HorzScrollBar.Visible") || is(p, "VertScrollBar.Visible") || is(p, "AutoScroll")) {
        propBool(p);
    } else if (is(p, "BorderStyle")) {
        propIdent(p);
    } else {
        return Control::applyProperty(p, ctx);
    }
    return true;
}

void Timer::setEnabled(bool e) {
    if (enabled_ == e) return;
    enabled_ = e;
    notify(Change::Timer);
}

void Timer::setInterval(int ms) {
    if (interval_ == ms) return;
    interval_ = ms;
    notify(Change::Timer);
}

void Timer::tick() {
    if (enabled_) fire(onTimer);
}

bool Timer::applyProperty(const LayoutProperty& p, LoadContext& ctx) {
    if (is(p, "Enabled")) {
        enabled_ = propBool(p);
    } else if (is(p, "Interval")) {
        interval_ = propInt(p);
    } else if (is(p, "OnTimer")) {
        onTimer = ctx.handler(p);
    } else {
        return Component::applyProperty(p, ctx);
    }
    return true;
}

} // namespace ui
