// The class library's graphic and container controls.
#pragma once

#include "ui/bitmap.h"
#include "ui/control.h"

#include <memory>
#include <string>

namespace ui {

enum class TextAlign { Left, Right, Center };

// A text painted on its parent.
class Label : public Control {
  public:
    Label() : Control("TLabel", false) {
        acceptCaption();
        setColor(colors::BtnFace);
    }
    bool transparent() const { return transparent_; }
    bool wordWrap() const { return wordWrap_; }
    bool autoSize() const { return autoSize_; }
    TextAlign alignment() const { return alignment_; }
    bool applyProperty(const LayoutProperty& p, LoadContext& ctx) override;

  private:
    bool transparent_ = false, wordWrap_ = false, autoSize_ = true;
    TextAlign alignment_ = TextAlign::Left;
};

// A picture painted on its parent, as is or stretched; a transparent picture leaves out the
// pixels of its bottom-left pixel's colour.
class Image : public Control {
  public:
    Image() : Image("TImage") {}
    const std::shared_ptr<const Bitmap>& picture() const { return picture_; }
    void setPicture(std::shared_ptr<const Bitmap> b);
    bool stretch() const { return stretch_; }
    bool transparent() const { return transparent_; }
    bool center() const { return center_; }
    bool applyProperty(const LayoutProperty& p, LoadContext& ctx) override;

  protected:
    explicit Image(std::string className) : Control(std::move(className), false) {}
    virtual void pictureChanged() {}

  private:
    std::shared_ptr<const Bitmap> picture_;
    bool stretch_ = false, transparent_ = false, center_ = false, autoSize_ = false;
};

enum class BevelCut { None, Lowered, Raised };

// A windowed container with an optional caption and bevel.
class Panel : public Control {
  public:
    Panel() : Panel("TPanel") {}
    BevelCut bevelOuter() const { return bevelOuter_; }
    BevelCut bevelInner() const { return bevelInner_; }
    bool applyProperty(const LayoutProperty& p, LoadContext& ctx) override;

  protected:
    explicit Panel(std::string className) : Control(std::move(className), true) { acceptCaption(); }

  private:
    BevelCut bevelOuter_ = BevelCut::Raised, bevelInner_ = BevelCut::None;
};

// A framed container with a caption (group box).
class GroupBox : public Control {
  public:
    GroupBox() : GroupBox("TGroupBox") {}

  protected:
    explicit GroupBox(std::string className) : Control(std::move(className), true) {
        acceptCaption();
    }
};

// A line or frame painted on its parent.
class Bevel : public Control {
  public:
    Bevel() : Control("TBevel", false) {}
    bool lowered() const { return lowered_; }
    bool applyProperty(const LayoutProperty& p, LoadContext& ctx) override;

  private:
    bool lowered_ = true;
    std::string shape_ = "bsBox";
};

enum class ScrollBarKind { Horizontal, Vertical };
enum class ScrollCode { LineUp, LineDown, PageUp, PageDown, Top, Bottom, EndScroll, Thumb };

// A container whose content scrolls when it is larger than the box.
class ScrollBox : public Control {
  public:
    static constexpr int kLine = 8; // pixels per line step

    ScrollBox() : Control("TScrollBox", true) {}
    int position(ScrollBarKind k) const { return k == ScrollBarKind::Vertical ? vPos_ : hPos_; }
    // The scroll range: how far the content reaches beyond the box.
    int range(ScrollBarKind k) const;
    // A scroll message as the window system sends it; thumb takes the new position.
    void scroll(ScrollBarKind k, ScrollCode code, int thumb = 0);
    void setPosition(ScrollBarKind k, int pos);
    // Scrolls as little as needed to bring a control inside the box fully into view (as far
    // as it fits), as the keyboard focus does when it moves to the control.
    void scrollInView(const Control& inside);
    // Counts the end-of-scroll messages received (the realisation repaints on them).
    int endScrollCount() const { return endScrolls_; }
    bool applyProperty(const LayoutProperty& p, LoadContext& ctx) override;

  private:
    int hPos_ = 0, vPos_ = 0, endScrolls_ = 0;
};

// Fires its event every interval while enabled.
class Timer : public Component {
  public:
    Timer() : Component("TTimer") {}
    bool enabled() const { return enabled_; }
    void setEnabled(bool e);
    int interval() const { return interval_; }
    void setInterval(int ms);
    // One tick: runs the event if the timer is enabled.
    void tick();
    Handler onTimer;
    bool applyProperty(const LayoutProperty& p, LoadContext& ctx) override;

  private:
    bool enabled_ = true;
    int interval_ = 1000;
};

} // namespace ui
