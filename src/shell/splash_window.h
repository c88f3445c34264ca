// TForm1, the splash window: shown transparent, made opaque by its first timer event, then
// replaced by the main window. Being created first, it stays the application's (hidden)
// main window until the program ends.
#pragma once

#include "shell/brelk_context.h"
#include "ui/form.h"

namespace brelk {

class SplashWindow : public ui::Form {
  public:
    explicit SplashWindow(Context& ctx);
    // The window shown by the second timer event (the main window).
    ui::Form* next = nullptr;

  private:
    void iniread();
    void blend();
    void timer2Timer();
    Context& ctx_;
};

} // namespace brelk
