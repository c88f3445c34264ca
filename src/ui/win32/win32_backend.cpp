#include "ui/win32/win32_backend.h"

#include "ui/application.h"
#include "ui/form.h"
#include "ui/win32/form_peer.h"
#include "ui/win32/hint_window.h"
#include "ui/win32/peer_factories.h"
#include "ui/win32/standard_peers.h"
#include "ui/win32/tab_keys.h"

#include <commctrl.h>

namespace ui::win32 {
namespace {

constexpr const char* kContainerClass = "BrelkContainer";
constexpr const char* kMessageClass = "BrelkMessages";

LRESULT CALLBACK messageProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_TIMER) {
        TimerPeer::dispatch(wp);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

} // namespace

const char* containerClassName() {
    return kContainerClass;
}

Win32Backend::Win32Backend(HINSTANCE instance) : instance_(instance) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);

    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = containerProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    wc.lpszClassName = kContainerClass;
    RegisterClassA(&wc);

    WNDCLASSA mc{};
    mc.lpfnWndProc = messageProc;
    mc.hInstance = instance;
    mc.lpszClassName = kMessageClass;
    RegisterClassA(&mc);
    messageWindow_ = CreateWindowExA(0, kMessageClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     instance, nullptr);
    hints_ = std::make_unique<HintWindow>(instance, app_);
}

Win32Backend::~Win32Backend() {
    hints_.reset();
    if (messageWindow_) DestroyWindow(messageWindow_);
}

std::unique_ptr<Peer> Win32Backend::makePeer(Component& c) {
    PeerFactory f = peerFactoryFor(c);
    return f ? f(c, *this) : nullptr;
}

void Win32Backend::realize(Form& form) {
    app_ = &form.app();
    form.setPeer(std::make_unique<FormPeer>(form, *this));
    // Components come in layout order, so every parent has its window before its children.
    for (const auto& c : form.components())
        c->setPeer(makePeer(*c));
    for (const auto& c : form.components()) {
        if (auto* box = dynamic_cast<ScrollBoxPeer*>(c->peer())) box->updateBars();
    }
}

void Win32Backend::runMessageLoop(Application& app) {
    app_ = &app;
    MSG msg;
    while (!quitting_ && GetMessageA(&msg, nullptr, 0, 0) > 0)
        dispatch(msg);
}

void Win32Backend::processMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            quitting_ = true;
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        dispatch(msg);
    }
}

void Win32Backend::dispatch(const MSG& msg) {
    if (app_ && handleTabKey(*app_, msg)) return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

void Win32Backend::quit() {
    quitting_ = true;
    PostQuitMessage(0);
}

bool Win32Backend::keyDown(int virtualKey) {
    return GetAsyncKeyState(virtualKey) < 0;
}

int Win32Backend::wheelScrollLines() {
    UINT lines = 3;
    if (!SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) lines = 3;
    return static_cast<int>(lines);
}

void Win32Backend::hintSettingsChanged(Application& app) {
    app_ = &app;
}

} // namespace ui::win32
