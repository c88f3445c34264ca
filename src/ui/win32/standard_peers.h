// Peers of the class library's standard controls.
#pragma once

#include "ui/win32/container_peer.h"

#include <memory>
#include <vector>

namespace ui {
class Label;
class Image;
class Panel;
class GroupBox;
class RadioGroup;
class Bevel;
class ScrollBox;
class Timer;
class CoolForm;
} // namespace ui

namespace ui::win32 {

class LabelPeer : public GraphicPeer {
  public:
    LabelPeer(Label& l, Win32Backend& b);
    void changed(Change what) override;
    void paint(HDC dc, const RECT& r) override;

  private:
    void fitText();
    Label& label_;
};

class ImagePeer : public GraphicPeer {
  public:
    ImagePeer(Image& i, Win32Backend& b);
    ~ImagePeer() override;
    void changed(Change what) override;
    void paint(HDC dc, const RECT& r) override;

  private:
    void refreshBitmap();
    Image& image_;
    HBITMAP bitmap_ = nullptr;
};

// The skin: an image that also shapes its form's window.
class CoolFormPeer : public ImagePeer {
  public:
    CoolFormPeer(CoolForm& c, Win32Backend& b);
    void changed(Change what) override;

  private:
    void applyRegion();
    CoolForm& skin_;
};

class BevelPeer : public GraphicPeer {
  public:
    BevelPeer(Bevel& b, Win32Backend& backend);
    void paint(HDC dc, const RECT& r) override;

  private:
    Bevel& bevel_;
};

class PanelPeer : public ContainerPeer {
  public:
    PanelPeer(Panel& p, Win32Backend& b);

  protected:
    void paintBackground(HDC dc, const RECT& client) override;

  private:
    Panel& panel_;
};

class GroupBoxPeer : public ContainerPeer {
  public:
    GroupBoxPeer(GroupBox& g, Win32Backend& b);

  protected:
    void paintBackground(HDC dc, const RECT& client) override;

  private:
    GroupBox& group_;
};

// A group box holding one native radio button per item of its radio group; the model
// decides which one is checked.
class RadioGroupPeer : public GroupBoxPeer {
  public:
    RadioGroupPeer(RadioGroup& g, Win32Backend& b);
    void changed(Change what) override;
    // The focus goes to the selected item's button, or to the first when none is selected.
    void perform(Command c) override;
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    void rebuildButtons();
    void arrangeButtons();
    void showSelection();
    int indexOf(HWND button) const;
    RadioGroup& radios_;
    std::vector<HWND> buttons_;
};

class ScrollBoxPeer : public ContainerPeer {
  public:
    ScrollBoxPeer(ScrollBox& s, Win32Backend& b);
    void changed(Change what) override;
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;
    // Updates the scroll bars after the content changed size.
    void updateBars();

  private:
    void moveChildren();
    ScrollBox& box_;
};

class TimerPeer : public Peer {
  public:
    TimerPeer(Timer& t, Win32Backend& b);
    ~TimerPeer() override;
    void changed(Change what) override;
    static void dispatch(UINT_PTR id);

  private:
    void apply();
    Timer& timer_;
    Win32Backend& backend_;
    UINT_PTR id_;
    bool running_ = false;
};

} // namespace ui::win32
