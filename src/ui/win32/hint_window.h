// The hint window: after the application's hint pause over a control with a hint, a small
// window shows the hint text in the hint colour until the hide time has passed or the mouse
// moves to another control.
#pragma once

#include <windows.h>

#include <string>

namespace ui {
class Application;
class Control;
} // namespace ui

namespace ui::win32 {

class HintWindow {
  public:
    HintWindow(HINSTANCE instance, Application*& app);
    ~HintWindow();
    void hover(const Control* c, POINT screen);
    void hide();
    // The text the window shows now; empty when hidden.
    const std::string& shownText() const { return shown_; }

  private:
    static LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void show();

    Application*& app_;
    HWND hwnd_ = nullptr;
    std::string pending_, shown_;
    POINT at_{};
};

} // namespace ui::win32
