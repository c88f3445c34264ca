// Base of the peers that show a control with one of the system's own window classes (edit,
// button, list box, track bar, progress bar). It subclasses the native window so that the
// mouse also reaches the model: hover handlers, mouse-down handlers and hints work on these
// controls as on the class library's own ones.
#pragma once

#include "ui/win32/peers.h"

namespace ui::win32 {

class NativePeer : public WindowPeer {
  public:
    using WindowPeer::WindowPeer;
    ~NativePeer() override;
    void changed(Change what) override;

  protected:
    // Creates the window (see WindowPeer::create) and routes its mouse messages.
    void createNative(const char* windowClass, DWORD style, DWORD exStyle, const char* text = "");
    // Whether a left press and release on the window is the control's click. Buttons report
    // their clicks themselves (BN_CLICKED); edits and memos have no such notification.
    void clickOnMouseUp() { clickOnMouseUp_ = true; }
    // Runs the window's own procedure.
    LRESULT callNative(UINT msg, WPARAM wp, LPARAM lp);
    // Messages of the native window, before its own procedure; the default forwards the
    // mouse to the model after the window's own handling.
    virtual LRESULT handle(UINT msg, WPARAM wp, LPARAM lp);

  private:
    static LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void mouse(UINT msg, WPARAM wp, LPARAM lp);

    WNDPROC native_ = nullptr;
    bool clickOnMouseUp_ = false;
    bool hovering_ = false;
};

} // namespace ui::win32
