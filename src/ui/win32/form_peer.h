// Top-level windows of forms: border style, centring, alpha blending, the skin's window
// region, the system move, and closing.
#pragma once

#include "ui/win32/container_peer.h"

namespace ui {
class Form;
}

namespace ui::win32 {

class FormPeer : public ContainerPeer {
  public:
    FormPeer(Form& form, Win32Backend& backend);
    void changed(Change what) override;
    void perform(Command c) override;
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    Form& form_;
    void applyAlpha();
};

} // namespace ui::win32
