// Windows of the class library's own containers (form, panel, group box, scroll box): they
// paint their background and their graphic children, route the mouse to the control under
// it, and pass notifications and colour requests to their native child controls.
#pragma once

#include "ui/win32/peers.h"

namespace ui::win32 {

class ContainerPeer : public WindowPeer {
  public:
    using WindowPeer::WindowPeer;
    // Creates the window as a child of the host.
    void createChild();
    virtual LRESULT handle(UINT msg, WPARAM wp, LPARAM lp);
    void changed(Change what) override;

  protected:
    // Background and frame of the container itself.
    virtual void paintBackground(HDC dc, const RECT& client);
    LRESULT defaultHandling(UINT msg, WPARAM wp, LPARAM lp);

  private:
    void paint();
    Control* controlAt(int x, int y);
    void mouse(UINT msg, WPARAM wp, LPARAM lp);
    void setCursor();

    Control* pressed_ = nullptr;
    Control* hovered_ = nullptr;
};

LRESULT CALLBACK containerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

} // namespace ui::win32
