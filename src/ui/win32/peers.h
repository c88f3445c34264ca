// Peers of the Win32 realisation: each mirrors one component of the model onto the window
// system. Windowed controls own a window; graphic controls are painted by the window of their
// nearest windowed ancestor (their host).
#pragma once

#include "ui/control.h"
#include "ui/peer.h"

#include <windows.h>

namespace ui::win32 {

class Win32Backend;

class ControlPeer : public CommandPeer {
  public:
    ControlPeer(Control& c, Win32Backend& backend) : control_(c), backend_(backend) {}
    Control& control() const { return control_; }
    Win32Backend& backend() const { return backend_; }
    virtual HWND hwnd() const { return nullptr; }
    // The window that holds this control (its parent's window for a windowed control, the
    // painting window for a graphic one).
    HWND hostWindow() const;
    // The control's rectangle in the client area of its host window, scrolling included.
    RECT rectInHost() const;
    void perform(Command) override {}

    static ControlPeer* of(const Control* c) {
        return c ? dynamic_cast<ControlPeer*>(c->peer()) : nullptr;
    }

  private:
    Control& control_;
    Win32Backend& backend_;
};

// A control painted by its host window.
class GraphicPeer : public ControlPeer {
  public:
    using ControlPeer::ControlPeer;
    void changed(Change what) override;
    // Paints into the host's back buffer; `r` is rectInHost().
    virtual void paint(HDC dc, const RECT& r) = 0;

  protected:
    void invalidate();

  private:
    RECT lastRect_{};
};

// A control with a window of its own.
class WindowPeer : public ControlPeer {
  public:
    using ControlPeer::ControlPeer;
    ~WindowPeer() override;
    HWND hwnd() const override { return hwnd_; }
    void changed(Change what) override;
    void perform(Command c) override;
    // Window messages the host routes to its child: notifications, scroll notifications
    // (WM_HSCROLL, WM_VSCROLL of a track bar), common-control notifications and colour
    // requests.
    virtual LRESULT command(WORD /*code*/) { return 0; }
    virtual void scrolled(WORD /*code*/) {}
    // WM_NOTIFY of a common control (list view).
    virtual LRESULT notify(const NMHDR& /*n*/) { return 0; }
    virtual HBRUSH controlColors(HDC dc);

  protected:
    // Creates the window under the host; the class and styles are the subclass's.
    void create(const char* windowClass, DWORD style, DWORD exStyle, const char* text = "");
    HWND hwnd_ = nullptr;
};

} // namespace ui::win32
