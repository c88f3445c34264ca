#include "ui/win32/peer_factories.h"

#include "ui/cool_form.h"
#include "ui/input_controls.h"
#include "ui/list_view.h"
#include "ui/standard_controls.h"
#include "ui/string_grid.h"
#include "ui/win32/input_peers.h"
#include "ui/win32/list_peers.h"
#include "ui/win32/standard_peers.h"
#include "ui/win32/web_browser_peer.h"

#include <type_traits>
#include <typeindex>
#include <unordered_map>

namespace ui::win32 {
namespace {

template <class Model, class PeerT> std::pair<std::type_index, PeerFactory> entry() {
    return {std::type_index(typeid(Model)), [](Component& c, Win32Backend& b) {
                auto* peer = new PeerT(static_cast<Model&>(c), b);
                // A peer that also realises an interface of its model (such as the browser's)
                // has two Peer bases; it is held through its control side.
                if constexpr (std::is_base_of_v<ControlPeer, PeerT>) {
                    return std::unique_ptr<Peer>(static_cast<ControlPeer*>(peer));
                } else {
                    return std::unique_ptr<Peer>(peer);
                }
            }};
}

const std::unordered_map<std::type_index, PeerFactory>& table() {
    static const std::unordered_map<std::type_index, PeerFactory> factories = {
        entry<Label, LabelPeer>(),
        entry<Image, ImagePeer>(),
        entry<CoolForm, CoolFormPeer>(),
        entry<Bevel, BevelPeer>(),
        entry<Panel, PanelPeer>(),
        entry<GroupBox, GroupBoxPeer>(),
        entry<ScrollBox, ScrollBoxPeer>(),
        entry<Timer, TimerPeer>(),
        entry<Edit, EditPeer>(),
        entry<Memo, MemoPeer>(),
        entry<Button, ButtonPeer>(),
        entry<CheckBox, CheckPeer>(),
        entry<RadioButton, CheckPeer>(),
        entry<ListBox, ListBoxPeer>(),
        entry<TrackBar, TrackBarPeer>(),
        entry<ProgressBar, ProgressBarPeer>(),
        entry<Gauge, GaugePeer>(),
        entry<WebBrowser, WebBrowserPeer>(),
        entry<RadioGroup, RadioGroupPeer>(),
        entry<ListView, ListViewPeer>(),
        entry<StringGrid, StringGridPeer>(),
        entry<FileListBox, ListBoxPeer>(),
    };
    return factories;
}

} // namespace

PeerFactory peerFactoryFor(const Component& c) {
    auto it = table().find(std::type_index(typeid(c)));
    return it == table().end() ? PeerFactory{} : it->second;
}

} // namespace ui::win32
