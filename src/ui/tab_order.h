// The keyboard focus order of a form: which control Tab and Shift+Tab move the focus to.
#pragma once

#include <vector>

namespace ui {

class Control;
class Form;

// The windowed controls of a form in the order Tab visits them: the windowed children of each
// parent by their tab order (the layout's TabOrder where it gives one, else their place in the
// layout), each followed by its own windowed children.
std::vector<Control*> tabSequence(const Form& form);

// Whether Tab stops at the control now: it is a tab stop and it and all its parents are
// visible and enabled.
bool takesTabFocus(const Control& c);

// The control Tab (Shift+Tab: `backward`) moves the focus to from `from`, going round at the
// ends; `from` may be null (the form itself has the focus) or a control Tab does not stop at.
// Null when no control of the form takes the focus.
Control* nextTabStop(const Form& form, const Control* from, bool backward);

// Moves the focus to a control as the keyboard does: every scroll box around it scrolls it
// into view first.
void focusByKeyboard(Control& c);

} // namespace ui
