#include "ui/win32/peer_factories.h"

#include "ui/cool_form.h"
#include "ui/standard_controls.h"
#include "ui/win32/standard_peers.h"

#include <typeindex>
#include <unordered_map>

namespace ui::win32 {
namespace {

template <class Model, class PeerT> std::pair<std::type_index, PeerFactory> entry() {
    return {std::type_index(typeid(Model)), [](Component& c, Win32Backend& b) {
                return std::unique_ptr<Peer>(new PeerT(static_cast<Model&>(c), b));
            }};
}

const std::unordered_map<std::type_index, PeerFactory>& table() {
    static const std::unordered_map<std::type_index, PeerFactory> factories = {
        entry<Label, LabelPeer>(),         entry<Image, ImagePeer>(),
        entry<CoolForm, CoolFormPeer>(),   entry<Bevel, BevelPeer>(),
        entry<Panel, PanelPeer>(),         entry<GroupBox, GroupBoxPeer>(),
        entry<ScrollBox, ScrollBoxPeer>(), entry<Timer, TimerPeer>(),
    };
    return factories;
}

} // namespace

PeerFactory peerFactoryFor(const Component& c) {
    auto it = table().find(std::type_index(typeid(c)));
    return it == table().end() ? PeerFactory{} : it->second;
}

} // namespace ui::win32
