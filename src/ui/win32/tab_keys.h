// Tab and Shift+Tab between the controls of the program's windows, as in a dialog box: the
// message loop hands every key message here before it translates and dispatches it.
#pragma once

#include <windows.h>

namespace ui {
class Application;
}

namespace ui::win32 {

// Moves the focus to the next (Shift: previous) control of the form whose window holds the
// focus, in the form's tab order, and returns true; the key then goes no further, so the
// control that had the focus never sees it. False for any other message, for Tab with Ctrl
// or Alt, for windows that are not the program's forms, and inside a web browser, which
// moves among the links of its page itself.
bool handleTabKey(Application& app, const MSG& msg);

} // namespace ui::win32
