// Peers of the input and display controls: native edits, memos, buttons, check and radio
// buttons, list boxes, track bars and progress bars, and the painted gauge.
#pragma once

#include "ui/win32/native_peer.h"

#include <string>
#include <vector>

namespace ui {
class Edit;
class Memo;
class Button;
class CheckControl;
class CheckBox;
class RadioButton;
class ListBox;
class TrackBar;
class ProgressBar;
class Gauge;
} // namespace ui

namespace ui::win32 {

// A one-line "EDIT": the text both ways, colours from the model.
class EditPeer : public NativePeer {
  public:
    EditPeer(Edit& e, Win32Backend& b);
    void changed(Change what) override;
    LRESULT command(WORD code) override;

  protected:
    EditPeer(Edit& e, Win32Backend& b, DWORD style, const std::string& text);
    std::string windowText() const;
    // Set while the peer itself changes the window's text, whose EN_CHANGE is not the user's.
    bool applying_ = false;

  private:
    Edit& edit_;
};

// A multi-line "EDIT" showing the memo's lines. New lines are appended at the end of the
// window's text; a hidden memo leaves its window alone until it is shown.
class MemoPeer : public EditPeer {
  public:
    MemoPeer(Memo& m, Win32Backend& b);
    void changed(Change what) override;
    LRESULT command(WORD code) override;

  private:
    void sync();
    Memo& memo_;
    std::size_t shownLines_ = 0;
    unsigned long shownReplacements_ = 0;
    bool stale_ = true;
};

class ButtonPeer : public NativePeer {
  public:
    ButtonPeer(Button& button, Win32Backend& b);
    void changed(Change what) override;
    LRESULT command(WORD code) override;

  private:
    Button& button_;
};

// Check boxes and radio buttons: the model decides the state (and the radio buttons'
// exclusion), so the windows use the styles without automatic checking.
class CheckPeer : public NativePeer {
  public:
    CheckPeer(CheckBox& c, Win32Backend& b);
    CheckPeer(RadioButton& r, Win32Backend& b);
    void changed(Change what) override;
    LRESULT command(WORD code) override;

  private:
    CheckPeer(CheckControl& c, Win32Backend& b, DWORD kind);
    void showChecked();
    CheckControl& check_;
};

class ListBoxPeer : public NativePeer {
  public:
    ListBoxPeer(ListBox& l, Win32Backend& b);
    void changed(Change what) override;
    LRESULT command(WORD code) override;

  private:
    void syncItems();
    void showSelection();
    ListBox& list_;
    std::vector<std::string> shown_; // the window's entries
};

class TrackBarPeer : public NativePeer {
  public:
    TrackBarPeer(TrackBar& t, Win32Backend& b);
    void changed(Change what) override;
    void scrolled(WORD code) override;

  private:
    void showRange();
    TrackBar& track_;
    bool applying_ = false;
};

class ProgressBarPeer : public NativePeer {
  public:
    ProgressBarPeer(ProgressBar& p, Win32Backend& b);
    void changed(Change what) override;

  private:
    void showRange();
    ProgressBar& bar_;
};

// A framed bar filled from the left in the fore colour, the rest in the back colour, with
// the percentage centred on it in inverted colours.
class GaugePeer : public GraphicPeer {
  public:
    GaugePeer(Gauge& g, Win32Backend& b);
    void paint(HDC dc, const RECT& r) override;

  private:
    void paintText(HDC dc, const RECT& r);
    Gauge& gauge_;
};

} // namespace ui::win32
