#include "ui/win32/web_browser_peer.h"

#include "ui/errors.h"
#include "ui/win32/browser_embedding.h"
#include "ui/win32/win32_backend.h"

namespace ui::win32 {
namespace {

constexpr const char* kHostClass = "BrelkBrowserHost";

void registerHostClass(HINSTANCE instance, WNDPROC proc) {
    WNDCLASSA existing;
    if (GetClassInfoA(instance, kHostClass, &existing)) return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kHostClass;
    RegisterClassA(&wc);
}

} // namespace

WebBrowserPeer::WebBrowserPeer(WebBrowser& w, Win32Backend& b) : WindowPeer(w, b) {
    registerHostClass(b.instance(), &WebBrowserPeer::proc);
    create(kHostClass, WS_CLIPCHILDREN, 0);
    if (hwnd_ && htmlEngineAvailable()) {
        embedding_ = BrowserEmbedding::create(hwnd_, [&w](BrowserEvent e) {
            if (e == BrowserEvent::NavigateComplete) w.navigationCompleted();
            if (e == BrowserEvent::DocumentComplete) w.documentCompleted();
        });
    }
}

// The control goes before its window does.
WebBrowserPeer::~WebBrowserPeer() {
    embedding_.reset();
}

LRESULT CALLBACK WebBrowserPeer::proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* peer = static_cast<WebBrowserPeer*>(
        reinterpret_cast<WindowPeer*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)));
    if (!peer) return DefWindowProcA(hwnd, msg, wp, lp);
    switch (msg) {
    case WM_SIZE:
        if (peer->embedding_) peer->embedding_->fit();
        return 0;
    case WM_DESTROY:
        // Destroyed with its parent window: close the control while its window exists.
        peer->embedding_.reset();
        break;
    case WM_NCDESTROY:
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        peer->hwnd_ = nullptr; // the handle is no longer this control's
        break;
    default:
        break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

void WebBrowserPeer::changed(Change what) {
    WindowPeer::changed(what);
}

BrowserEmbedding& WebBrowserPeer::embedding() const {
    if (!embedding_) throw Exception("The web browser is not available");
    return *embedding_;
}

void WebBrowserPeer::navigate(const std::string& url) {
    embedding().navigate(url);
}

void WebBrowserPeer::setBodyStyle(const std::string& property, const std::string& value) {
    embedding().setBodyStyle(property, value);
}

} // namespace ui::win32
