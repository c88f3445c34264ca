#include "ui/input_controls.h"
#include "ui/win32/input_peers.h"

#include <commctrl.h>

namespace ui::win32 {

TrackBarPeer::TrackBarPeer(TrackBar& t, Win32Backend& b) : NativePeer(t, b), track_(t) {
    createNative(TRACKBAR_CLASSA, TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP, 0);
    showRange();
}

void TrackBarPeer::showRange() {
    if (!hwnd_) return;
    applying_ = true;
    SendMessageA(hwnd_, TBM_SETRANGEMIN, FALSE, track_.min());
    SendMessageA(hwnd_, TBM_SETRANGEMAX, FALSE, track_.max());
    SendMessageA(hwnd_, TBM_SETPOS, TRUE, track_.position());
    applying_ = false;
}

void TrackBarPeer::changed(Change what) {
    if (what == Change::Position) {
        showRange();
        return;
    }
    NativePeer::changed(what);
}

void TrackBarPeer::scrolled(WORD) {
    if (applying_ || !hwnd_) return;
    track_.userMoved(static_cast<int>(SendMessageA(hwnd_, TBM_GETPOS, 0, 0)));
}

ProgressBarPeer::ProgressBarPeer(ProgressBar& p, Win32Backend& b) : NativePeer(p, b), bar_(p) {
    createNative(PROGRESS_CLASSA, p.smooth() ? PBS_SMOOTH : 0, 0);
    showRange();
}

void ProgressBarPeer::showRange() {
    if (!hwnd_) return;
    SendMessageA(hwnd_, PBM_SETRANGE32, static_cast<WPARAM>(bar_.min()), bar_.max());
    SendMessageA(hwnd_, PBM_SETPOS, static_cast<WPARAM>(bar_.position()), 0);
}

void ProgressBarPeer::changed(Change what) {
    if (what == Change::Position) {
        showRange();
        return;
    }
    NativePeer::changed(what);
}

} // namespace ui::win32
