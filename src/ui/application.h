// The application object: title, hint timing, the windows it owns, the message loop, and the
// standard display of exceptions that escape event handlers.
#pragma once

#include "ui/types.h"

#include <memory>
#include <string>
#include <vector>

namespace ui {

class Backend;
class DialogService;
class Form;

class Application {
  public:
    Application(Backend& backend, DialogService& dialogs);
    ~Application();

    Backend& backend() const { return backend_; }
    DialogService& dialogs() const { return dialogs_; }

    const std::string& title() const { return title_; }
    void setTitle(std::string t) { title_ = std::move(t); }

    int hintPause() const { return hintPause_; }
    int hintHidePause() const { return hintHidePause_; }
    Color hintColor() const { return hintColor_; }
    void setHintPause(int ms);
    void setHintHidePause(int ms);
    void setHintColor(Color c);

    // Takes a form whose layout is loaded, realises it and runs its creation handler. The
    // first form created is the main window: ending it ends the program.
    template <class T> T& createForm(std::unique_ptr<T> form) {
        T& ref = *form;
        adopt(std::move(form));
        return ref;
    }
    Form* mainForm() const { return mainForm_; }
    const std::vector<std::unique_ptr<Form>>& forms() const { return forms_; }

    void run();
    void processMessages();
    void terminate();
    bool terminated() const { return terminated_; }
    // True once the program is to end: terminate() was called or the window system asked it
    // to quit (both reach the backend). Long work that lets the window's messages through
    // stops at its next step then.
    bool quitRequested() const;

    // Runs a handler; an exception it lets escape is shown with its text and the program goes on.
    void dispatch(const Handler& h, Event& e);
    void showException(const std::exception& e);
    // The class library's simple message: the text, the title as caption, an OK button.
    void showMessage(const std::string& text);

  private:
    void adopt(std::unique_ptr<Form> form);

    Backend& backend_;
    DialogService& dialogs_;
    std::string title_;
    int hintPause_ = 500;
    int hintHidePause_ = 2500;
    Color hintColor_ = colors::InfoBk;
    std::vector<std::unique_ptr<Form>> forms_;
    Form* mainForm_ = nullptr;
    bool terminated_ = false;
};

} // namespace ui
