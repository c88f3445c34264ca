// The system's web-browser control embedded in a host window: created, activated in place,
// sized to the host, and driven through its automation interface. Destroying the embedding
// closes the control and releases every object.
#pragma once

#include "ui/win32/browser_events.h"
#include "ui/win32/browser_site.h"
#include "ui/win32/com_ptr.h"

#include <exdisp.h>

#include <functional>
#include <memory>
#include <string>

namespace ui::win32 {

class BrowserEmbedding {
  public:
    // The control filling `host`, or nullptr when it cannot be created or activated (COM not
    // initialised, control not installed). onEvent hears its completed navigations and
    // documents.
    static std::unique_ptr<BrowserEmbedding> create(HWND host,
                                                    std::function<void(BrowserEvent)> onEvent);
    ~BrowserEmbedding();
    BrowserEmbedding(const BrowserEmbedding&) = delete;
    BrowserEmbedding& operator=(const BrowserEmbedding&) = delete;

    // Sizes the control to the host's client area.
    void fit();
    // Both raise ui::Exception when the control refuses or has no HTML document.
    void navigate(const std::string& url);
    void setBodyStyle(const std::string& property, const std::string& value);

  private:
    explicit BrowserEmbedding(HWND host);
    bool activate(std::function<void(BrowserEvent)> onEvent);

    HWND host_;
    BrowserSite* site_ = nullptr;
    BrowserEvents* events_ = nullptr;
    ComPtr<IOleObject> object_;
    ComPtr<IOleInPlaceObject> inPlace_;
    ComPtr<IWebBrowser2> browser_;
};

// Whether the HTML engine that shows pages in the control can be created. The control
// itself may exist without it (engine missing or switched off) and then shows nothing.
bool htmlEngineAvailable();

} // namespace ui::win32
