// Controls: components with a place on the window. Windowed controls have a window of their
// own; graphic controls are painted by their parent. Mouse input reaches the model through
// click(), mouseMove(), mouseDown() and mouseUp(), from the realisation or from a test.
#pragma once

#include "ui/component.h"

#include <string>
#include <vector>

namespace ui {

class Control : public Component {
  public:
    Control(std::string className, bool windowed)
        : Component(std::move(className)), windowed_(windowed) {}

    bool windowed() const { return windowed_; }
    Control* parent() const { return parent_; }
    const std::vector<Control*>& children() const { return children_; }
    virtual void setParent(Control* parent);

    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    virtual void setBounds(int left, int top, int width, int height);
    virtual void setLeft(int v) { setBounds(v, top_, width_, height_); }
    virtual void setTop(int v) { setBounds(left_, v, width_, height_); }
    virtual void setWidth(int v) { setBounds(left_, top_, v, height_); }
    virtual void setHeight(int v) { setBounds(left_, top_, width_, v); }
    Align align() const { return align_; }

    bool visible() const { return visible_; }
    virtual void setVisible(bool v);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    // Visible itself and inside visible parents.
    bool showing() const;

    // Stacking among siblings: siblings lie in the order in which they were created (the
    // layout's, first lowest) until raised; a raised control lies above every sibling raised
    // before it and every one never raised. 0 for a control never raised, else a number that
    // grows with each raise.
    unsigned raiseOrder() const { return raiseOrder_; }
    void raise();
    // A control that is raised each time it is shown, also when it is visible already: a page
    // of a window, which must come over the pages left visible beneath it.
    void setRaisedWhenShown(bool v) { raisedWhenShown_ = v; }

    bool enabled() const { return enabled_; }
    void setEnabled(bool v);

    Color color() const { return color_; }
    void setColor(Color c);
    // The colour the control is painted with: its own, or its parent's when it takes that.
    Color effectiveColor() const;
    bool parentColor() const { return parentColor_; }

    const Font& font() const { return font_; }
    void setFont(const Font& f);
    void setFontColor(Color c);

    // The text the control shows; only classes that show one take it from a layout.
    const std::string& caption() const { return caption_; }
    void setCaption(std::string c);

    const std::string& hint() const { return hint_; }
    void setHint(std::string h);
    bool showHint() const { return showHint_; }
    Cursor cursor() const { return cursor_; }
    void setCursor(Cursor c);
    // Keyboard focus order among the windowed siblings: the layout's TabOrder, -1 where it
    // gives none (the control then keeps its place in the layout).
    int tabOrder() const { return tabOrder_; }
    // Whether Tab stops at the control: the layout's TabStop, else its class's choice.
    bool tabStop() const { return tabStopSet_ ? tabStop_ : tabStopByDefault(); }

    // User input. Disabled or hidden controls take none.
    void click();
    void mouseMove(ShiftState shift, int x, int y);
    void mouseDown(MouseButton button, ShiftState shift, int x, int y);
    void mouseUp(MouseButton button, ShiftState shift, int x, int y);
    void doubleClick();
    void setFocus();

    Handler onClick, onMouseMove, onMouseDown, onMouseUp, onDblClick, onEnter, onExit;

    bool applyProperty(const LayoutProperty& p, LoadContext& ctx) override;

  protected:
    // Behaviour of the class before its OnClick handler runs (check boxes, radio buttons).
    // Returns false to suppress the handler.
    virtual bool clickBehaviour() { return true; }
    // Input controls are tab stops unless the layout says otherwise; containers and
    // graphic controls are not.
    virtual bool tabStopByDefault() const { return false; }
    virtual void mouseDownBehaviour(MouseButton, ShiftState, int, int) {}
    void perform(Command c);
    void setAlign(Align a) { align_ = a; }
    void acceptCaption() { hasCaption_ = true; }
    // For classes that show their parent's colour until a colour of their own is set.
    void useParentColor() { parentColor_ = true; }

  private:
    bool acceptsInput() const { return enabled_ && showing(); }

    bool windowed_;
    Control* parent_ = nullptr;
    std::vector<Control*> children_;
    unsigned raiseOrder_ = 0;
    bool raisedWhenShown_ = false;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    Align align_ = Align::None;
    bool visible_ = true, enabled_ = true;
    Color color_ = colors::BtnFace;
    bool parentColor_ = false;
    bool parentFont_ = true;
    Font font_;
    std::string caption_;
    bool hasCaption_ = false;
    std::string hint_;
    bool showHint_ = false;
    Cursor cursor_ = Cursor::Default;
    int tabOrder_ = -1;
    bool tabStopSet_ = false, tabStop_ = false;
};

} // namespace ui
