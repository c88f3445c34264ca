#include "ui/win32/tab_keys.h"

#include "ui/application.h"
#include "ui/form.h"
#include "ui/input_controls.h"
#include "ui/tab_order.h"
#include "ui/win32/peers.h"

#include <unordered_map>

namespace ui::win32 {
namespace {

HWND windowOf(const Control* c) {
    auto* peer = ControlPeer::of(c);
    return peer ? peer->hwnd() : nullptr;
}

Form* formWithWindow(Application& app, HWND root) {
    for (const auto& form : app.forms())
        if (windowOf(form.get()) == root) return form.get();
    return nullptr;
}

// The form's control whose window is `w` or holds it (a radio group's buttons, the inner
// windows of a list view); null for the form's own window.
Control* controlHolding(const Form& form, HWND w) {
    std::unordered_map<HWND, Control*> byWindow;
    for (const auto& component : form.components()) {
        auto* c = dynamic_cast<Control*>(component.get());
        if (HWND h = c ? windowOf(c) : nullptr) byWindow.emplace(h, c);
    }
    const HWND formWindow = windowOf(&form);
    for (; w && w != formWindow; w = GetParent(w)) {
        auto it = byWindow.find(w);
        if (it != byWindow.end()) return it->second;
    }
    return nullptr;
}

bool insideBrowser(const Control* c) {
    for (; c; c = c->parent())
        if (dynamic_cast<const WebBrowser*>(c)) return true;
    return false;
}

} // namespace

bool handleTabKey(Application& app, const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB) return false;
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
    Form* form = msg.hwnd ? formWithWindow(app, GetAncestor(msg.hwnd, GA_ROOT)) : nullptr;
    if (!form) return false;
    Control* from = controlHolding(*form, msg.hwnd);
    if (insideBrowser(from)) return false;
    Control* to = nextTabStop(*form, from, GetKeyState(VK_SHIFT) < 0);
    if (!to) return true;
    focusByKeyboard(*to);
    // A one-line field reached by the keyboard has its whole text selected, so that typing
    // replaces it, as in every dialog box.
    if (dynamic_cast<Edit*>(to) && !dynamic_cast<Memo*>(to)) {
        SendMessageA(windowOf(to), EM_SETSEL, 0, -1);
    }
    return true;
}

} // namespace ui::win32
