// The window system under the class library: the Win32 realisation in the programs, a
// headless one in tests.
#pragma once

namespace ui {

class Application;
class Form;

class Backend {
  public:
    virtual ~Backend() = default;
    // Creates the peers of a form and of all its components.
    virtual void realize(Form& form) = 0;
    virtual void runMessageLoop(Application& app) = 0;
    virtual void processMessages() = 0;
    virtual void quit() = 0;
    // True once the program was asked to end (by quit() or by the window system), while a
    // handler still runs.
    virtual bool quitting() const = 0;
    // Whether a key (Windows virtual-key code) is held down right now.
    virtual bool keyDown(int virtualKey) = 0;
    // Lines to scroll per wheel notch (the system setting, 3 by default).
    virtual int wheelScrollLines() = 0;
    // Applies the application's hint timing and colour.
    virtual void hintSettingsChanged(Application&) {}
};

} // namespace ui
