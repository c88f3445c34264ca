#include "ui/application.h"

#include "ui/backend.h"
#include "ui/dialogs.h"
#include "ui/form.h"

namespace ui {

Application::Application(Backend& backend, DialogService& dialogs)
    : backend_(backend), dialogs_(dialogs) {}

Application::~Application() {
    // Later windows may refer to earlier ones; destroy in reverse order of creation.
    while (!forms_.empty())
        forms_.pop_back();
}

void Application::setHintPause(int ms) {
    hintPause_ = ms;
    backend_.hintSettingsChanged(*this);
}

void Application::setHintHidePause(int ms) {
    hintHidePause_ = ms;
    backend_.hintSettingsChanged(*this);
}

void Application::setHintColor(Color c) {
    hintColor_ = c;
    backend_.hintSettingsChanged(*this);
}

void Application::adopt(std::unique_ptr<Form> form) {
    Form& ref = *form;
    forms_.push_back(std::move(form));
    if (!mainForm_) mainForm_ = &ref;
    backend_.realize(ref);
    ref.created();
}

void Application::run() {
    if (terminated_) return;
    if (mainForm_ && mainForm_->visible()) {
        // Already shown by its creation handler.
    }
    backend_.runMessageLoop(*this);
}

void Application::processMessages() {
    backend_.processMessages();
}

void Application::terminate() {
    terminated_ = true;
    backend_.quit();
}

bool Application::quitRequested() const {
    return backend_.quitting();
}

void Application::dispatch(const Handler& h, Event& e) {
    if (!h) return;
    try {
        h(e);
    } catch (const std::exception& ex) {
        showException(ex);
    }
}

void Application::showException(const std::exception& e) {
    std::string text = e.what();
    if (!text.empty() && text.back() != '.') text += '.';
    dialogs_.messageBox(text, title_, mb::Ok | mb::IconError);
}

void Application::showMessage(const std::string& text) {
    dialogs_.messageBox(text, title_, mb::Ok);
}

} // namespace ui
