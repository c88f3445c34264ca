// The web browser: the system's web-browser control embedded in a child window. Without a
// browser engine the window stays an empty white area, and navigating or styling raises
// ui::Exception.
#pragma once

#include "ui/input_controls.h"
#include "ui/win32/peers.h"

#include <memory>

namespace ui::win32 {

class BrowserEmbedding;

class WebBrowserPeer : public WindowPeer, public BrowserPeer {
  public:
    WebBrowserPeer(WebBrowser& w, Win32Backend& b);
    ~WebBrowserPeer() override;
    void changed(Change what) override;
    void navigate(const std::string& url) override;
    void setBodyStyle(const std::string& property, const std::string& value) override;

  private:
    static LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    BrowserEmbedding& embedding() const;

    std::unique_ptr<BrowserEmbedding> embedding_;
};

} // namespace ui::win32
