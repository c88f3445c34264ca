#include "ui/win32/browser_embedding.h"

#include "ui/errors.h"

#include <mshtml.h>

namespace ui::win32 {
namespace {

// A string of the program (Windows-1252) as the browser's automation interface takes it.
class Bstr {
  public:
    explicit Bstr(const std::string& text) {
        const int size = static_cast<int>(text.size());
        const int wide = size ? MultiByteToWideChar(1252, 0, text.data(), size, nullptr, 0) : 0;
        value_ = SysAllocStringLen(nullptr, static_cast<UINT>(wide));
        if (!value_) throw Exception("Out of memory");
        if (wide) MultiByteToWideChar(1252, 0, text.data(), size, value_, wide);
    }
    ~Bstr() { SysFreeString(value_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    BSTR get() const { return value_; }

  private:
    BSTR value_;
};

} // namespace

bool htmlEngineAvailable() {
    ComPtr<IUnknown> document;
    return SUCCEEDED(CoCreateInstance(__uuidof(HTMLDocument), nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IUnknown, reinterpret_cast<void**>(document.out()))) &&
           document;
}

std::unique_ptr<BrowserEmbedding>
BrowserEmbedding::create(HWND host, std::function<void(BrowserEvent)> onEvent) {
    if (!host) return nullptr;
    std::unique_ptr<BrowserEmbedding> e(new BrowserEmbedding(host));
    if (!e->activate(std::move(onEvent))) return nullptr;
    return e;
}

BrowserEmbedding::BrowserEmbedding(HWND host) : host_(host) {}

bool BrowserEmbedding::activate(std::function<void(BrowserEvent)> onEvent) {
    if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER,
                                __uuidof(IOleObject), reinterpret_cast<void**>(object_.out()))) ||
        !object_) {
        return false;
    }
    site_ = BrowserSite::create(host_);
    RECT client;
    GetClientRect(host_, &client);
    if (FAILED(object_->SetClientSite(site_)) ||
        FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_, 0, host_, &client)) ||
        !browser_.queryFrom(object_.get())) {
        return false; // the destructor undoes what was done
    }
    inPlace_.queryFrom(object_.get());
    // Without events the pages keep their own look; the control works all the same.
    events_ = BrowserEvents::create(std::move(onEvent));
    events_->connect(object_.get());
    fit();
    return true;
}

BrowserEmbedding::~BrowserEmbedding() {
    if (events_) {
        events_->disconnect();
        events_->Release();
    }
    browser_.reset();
    if (inPlace_) inPlace_->InPlaceDeactivate();
    inPlace_.reset();
    if (object_) {
        object_->Close(OLECLOSE_NOSAVE);
        object_->SetClientSite(nullptr);
    }
    object_.reset();
    if (site_) site_->Release();
}

void BrowserEmbedding::fit() {
    if (!inPlace_) return;
    RECT client;
    GetClientRect(host_, &client);
    inPlace_->SetObjectRects(&client, &client);
}

void BrowserEmbedding::navigate(const std::string& url) {
    const Bstr address(url);
    VARIANT none;
    VariantInit(&none);
    if (FAILED(browser_->Navigate(address.get(), &none, &none, &none, &none))) {
        throw Exception("The web browser cannot open " + url);
    }
}

void BrowserEmbedding::setBodyStyle(const std::string& property, const std::string& value) {
    ComPtr<IDispatch> document;
    if (FAILED(browser_->get_Document(document.out())) || !document) {
        throw Exception("The web browser shows no document");
    }
    ComPtr<IHTMLDocument2> html;
    if (!html.queryFrom(document.get())) {
        throw Exception("The document in the web browser is not an HTML document");
    }
    ComPtr<IHTMLElement> body;
    if (FAILED(html->get_body(body.out())) || !body) {
        throw Exception("The document in the web browser has no body");
    }
    ComPtr<IHTMLStyle> style;
    if (FAILED(body->get_style(style.out())) || !style) {
        throw Exception("The document in the web browser has no body style");
    }
    const Bstr name(property), text(value);
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BSTR;
    v.bstrVal = text.get();
    if (FAILED(style->setAttribute(name.get(), v, 0))) {
        throw Exception("The web browser cannot set the style property " + property);
    }
}

} // namespace ui::win32
