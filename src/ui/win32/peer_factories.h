// Which peer realises which component class. Adding a control kind to the Win32 realisation
// is one entry in this table and the peer class itself.
#pragma once

#include "ui/peer.h"

#include <functional>
#include <memory>

namespace ui {
class Component;
}

namespace ui::win32 {

class Win32Backend;

using PeerFactory = std::function<std::unique_ptr<Peer>(Component&, Win32Backend&)>;

// The factory for a component, or an empty function for a class without a realisation.
PeerFactory peerFactoryFor(const Component& c);

} // namespace ui::win32
