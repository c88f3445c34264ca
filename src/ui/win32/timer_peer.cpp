#include "ui/standard_controls.h"
#include "ui/win32/standard_peers.h"
#include "ui/win32/win32_backend.h"

#include <map>

namespace ui::win32 {
namespace {

std::map<UINT_PTR, Timer*>& running() {
    static std::map<UINT_PTR, Timer*> timers;
    return timers;
}

UINT_PTR nextId() {
    static UINT_PTR id = 1000;
    return ++id;
}

} // namespace

TimerPeer::TimerPeer(Timer& t, Win32Backend& b) : timer_(t), backend_(b), id_(nextId()) {
    apply();
}

TimerPeer::~TimerPeer() {
    if (running_) KillTimer(backend_.messageWindow(), id_);
    running().erase(id_);
}

void TimerPeer::apply() {
    if (running_) KillTimer(backend_.messageWindow(), id_);
    running_ = false;
    running().erase(id_);
    if (!timer_.enabled() || timer_.interval() <= 0) return;
    running_ =
        SetTimer(backend_.messageWindow(), id_, static_cast<UINT>(timer_.interval()), nullptr) != 0;
    if (running_) running()[id_] = &timer_;
}

void TimerPeer::changed(Change what) {
    if (what == Change::Timer) apply();
}

void TimerPeer::dispatch(UINT_PTR id) {
    auto it = running().find(id);
    if (it != running().end()) it->second->tick();
}

} // namespace ui::win32
