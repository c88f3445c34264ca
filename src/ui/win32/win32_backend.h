// The class library on the Win32 API: creates the windows of a form, runs the message loop.
#pragma once

#include "ui/backend.h"

#include <windows.h>

#include <memory>

namespace ui {
class Component;
class Peer;
} // namespace ui

namespace ui::win32 {

class HintWindow;

class Win32Backend : public Backend {
  public:
    explicit Win32Backend(HINSTANCE instance);
    ~Win32Backend() override;

    void realize(Form& form) override;
    void runMessageLoop(Application& app) override;
    void processMessages() override;
    void quit() override;
    bool quitting() const override { return quitting_; }
    bool keyDown(int virtualKey) override;
    int wheelScrollLines() override;
    void hintSettingsChanged(Application& app) override;

    HINSTANCE instance() const { return instance_; }
    Application* app() const { return app_; }
    // A hidden window that receives the timers' messages.
    HWND messageWindow() const { return messageWindow_; }
    HintWindow& hints() const { return *hints_; }

  private:
    std::unique_ptr<Peer> makePeer(Component& c);
    // Every message of the loops goes here: the keyboard's moves between controls first.
    void dispatch(const MSG& msg);

    HINSTANCE instance_;
    Application* app_ = nullptr;
    HWND messageWindow_ = nullptr;
    std::unique_ptr<HintWindow> hints_;
    bool quitting_ = false;
};

// The window class shared by forms and the class library's containers.
const char* containerClassName();

} // namespace ui::win32
