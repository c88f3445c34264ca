// Mouse state of window messages in the model's terms.
#pragma once

#include "ui/types.h"

#include <windows.h>

namespace ui::win32 {

// The keys and buttons held, from the wParam of a mouse message.
ShiftState shiftFrom(WPARAM wp);
// The button of a button message (WM_LBUTTONDOWN, WM_RBUTTONUP, ...).
MouseButton buttonOf(UINT msg);

} // namespace ui::win32
