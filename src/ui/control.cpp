#include "ui/control.h"

#include "ui/load_context.h"
#include "ui/property_values.h"

#include <algorithm>
#include <strings.h>

namespace ui {

void Control::setParent(Control* parent) {
    if (parent_ == parent) return;
    if (parent_) {
        auto& siblings = parent_->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    parent_ = parent;
    if (parent_) {
        parent_->children_.push_back(this);
        if (parentFont_) font_ = parent_->font_;
        if (align_ == Align::Client) setBounds(0, 0, parent_->width_, parent_->height_);
    }
}

void Control::setBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    notify(Change::Bounds);
    for (Control* child : children_) {
        if (child->align_ == Align::Client) child->setBounds(0, 0, width_, height_);
    }
}

void Control::raise() {
    static unsigned raises = 0;
    raiseOrder_ = ++raises;
    notify(Change::Stacking);
}

void Control::setVisible(bool v) {
    // Raised first, so that it appears on top rather than beneath and then over the others.
    if (v && raisedWhenShown_) raise();
    if (visible_ == v) return;
    visible_ = v;
    notify(Change::Visible);
}

bool Control::showing() const {
    for (const Control* c = this; c; c = c->parent_) {
        if (!c->visible_) return false;
    }
    return true;
}

void Control::setEnabled(bool v) {
    if (enabled_ == v) return;
    enabled_ = v;
    notify(Change::Enabled);
}

void Control::setColor(Color c) {
    parentColor_ = false;
    if (color_ == c) return;
    color_ = c;
    notify(Change::Color);
}

Color Control::effectiveColor() const {
    const Control* c = this;
    while (c->parentColor_ && c->parent_)
        c = c->parent_;
    return c->color_;
}

void Control::setFont(const Font& f) {
    parentFont_ = false;
    if (font_ == f) return;
    font_ = f;
    notify(Change::Font);
}

void Control::setFontColor(Color c) {
    Font f = font_;
    f.color = c;
    setFont(f);
}

void Control::setCaption(std::string c) {
    if (c == caption_) return;
    caption_ = std::move(c);
    notify(Change::Caption);
}

void Control::setHint(std::string h) {
    hint_ = std::move(h);
    notify(Change::Hint);
}

void Control::setCursor(Cursor c) {
    cursor_ = c;
    notify(Change::Cursor);
}

void Control::click() {
    if (!acceptsInput()) return;
    if (!clickBehaviour()) return;
    Event e;
    e.byUser = true;
    fire(onClick, e);
}

void Control::doubleClick() {
    if (acceptsInput()) fire(onDblClick);
}

void Control::mouseMove(ShiftState shift, int x, int y) {
    if (!acceptsInput() || !onMouseMove) return;
    Event e;
    e.shift = shift;
    e.x = x;
    e.y = y;
    fire(onMouseMove, e);
}

void Control::mouseDown(MouseButton button, ShiftState shift, int x, int y) {
    if (!acceptsInput()) return;
    mouseDownBehaviour(button, shift, x, y);
    if (!onMouseDown) return;
    Event e;
    e.button = button;
    e.shift = shift;
    e.x = x;
    e.y = y;
    fire(onMouseDown, e);
}

void Control::mouseUp(MouseButton button, ShiftState shift, int x, int y) {
    if (!acceptsInput() || !onMouseUp) return;
    Event e;
    e.button = button;
    e.shift = shift;
    e.x = x;
    e.y = y;
    fire(onMouseUp, e);
}

void Control::setFocus() {
    perform(Command::Focus);
}

void Control::perform(Command c) {
    if (auto* p = dynamic_cast<CommandPeer*>(peer())) p->perform(c);
}

bool Control::applyProperty(const LayoutProperty& p, LoadContext& ctx) {
    const char* n = p.name.c_str();
    auto is = [n](const char* name) { return strcasecmp(n, name) == 0; };
    if (is("Left")) {
        setLeft(propInt(p));
    } else if (is("Top")) {
        setTop(propInt(p));
    } else if (is("Width")) {
        setWidth(propInt(p));
    } else if (is("Height")) {
        setHeight(propInt(p));
    } else if (is("Align")) {
        align_ = propAlign(p);
    } else if (is("Visible")) {
        visible_ = propBool(p);
    } else if (is("Enabled")) {
        enabled_ = propBool(p);
    } else if (is("Color")) {
        color_ = propColor(p);
        parentColor_ = false;
    } else if (is("ParentColor")) {
        parentColor_ = propBool(p);
    } else if (is("ParentFont")) {
        parentFont_ = propBool(p);
    } else if (applyFontProperty(font_, p)) {
        parentFont_ = false;
    } else if (hasCaption_ && is("Caption")) {
        caption_ = propString(p);
    } else if (is("Hint")) {
        hint_ = propString(p);
    } else if (is("ShowHint")) {
        showHint_ = propBool(p);
    } else if (is("ParentShowHint")) {
        propBool(p);
    } else if (is("Cursor")) {
        cursor_ = propCursor(p);
    } else if (is("TabOrder")) {
        tabOrder_ = propInt(p);
    } else if (is("TabStop")) {
        tabStop_ = propBool(p);
        tabStopSet_ = true;
    } else if (is("OnClick")) {
        onClick = ctx.handler(p);
    } else if (is("OnMouseMove")) {
        onMouseMove = ctx.handler(p);
    } else if (is("OnMouseDown")) {
        onMouseDown = ctx.handler(p);
    } else if (is("OnMouseUp")) {
        onMouseUp = ctx.handler(p);
    } else if (is("OnDblClick")) {
        onDblClick = ctx.handler(p);
    } else if (is("OnEnter")) {
        onEnter = ctx.handler(p);
    } else if (is("OnExit")) {
        onExit = ctx.handler(p);
    } else {
        return Component::applyProperty(p, ctx);
    }
    return true;
}

} // namespace ui
