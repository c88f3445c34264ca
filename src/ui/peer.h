// The link between a component of the portable model and its realisation on a window
// system. The model calls changed() after every state change the screen must show; the
// realisation turns window messages back into model calls.
#pragma once

namespace ui {

enum class Change {
    Bounds,
    Visible,
    Enabled,
    Color,
    Font,
    Caption,
    Hint,
    Cursor,
    Picture,
    Checked,
    Text,
    Items,
    ItemAdded, // one item of a list view inserted, at the list's addedIndex()
    Position,  // progress, track and scroll positions
    Alpha,
    Region,
    Timer,
    Style,    // anything else that changes the look
    Stacking, // the control was raised above its siblings
    Focus,
};

class Peer {
  public:
    virtual ~Peer() = default;
    virtual void changed(Change what) = 0;
};

} // namespace ui

namespace ui {

// One-off requests to the realisation that are not state.
enum class Command {
    SystemMove, // let the window system drag the window while the left button is held
    Focus,
    Repaint,
    BringToFront, // raise a window above the program's others and activate it
};

class CommandPeer : public Peer {
  public:
    virtual void perform(Command what) = 0;
};

} // namespace ui
