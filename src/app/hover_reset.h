// The general hover reset `rollover`: a mouse move over the window's background closes the
// customisation dialog when Esc is held and puts every hovered link, menu label and edit field
// of the main window back to its normal look.
#pragma once

namespace brelk {

class MainWindow;

void bindHoverReset(MainWindow& w);

} // namespace brelk
