#include "ui/win32/browser_events.h"

#include "ui/win32/com_ptr.h"

#include <exdisp.h>
#include <exdispid.h>
#include <ocidl.h>

namespace ui::win32 {

BrowserEvents* BrowserEvents::create(std::function<void(BrowserEvent)> onEvent) {
    return new BrowserEvents(std::move(onEvent));
}

BrowserEvents::BrowserEvents(std::function<void(BrowserEvent)> onEvent)
    : onEvent_(std::move(onEvent)) {}

bool BrowserEvents::connect(IUnknown* control) {
    ComPtr<IConnectionPointContainer> container;
    if (!container.queryFrom(control)) return false;
    IConnectionPoint* point = nullptr;
    if (FAILED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, &point)) || !point) {
        return false;
    }
    if (FAILED(point->Advise(static_cast<IDispatch*>(this), &cookie_))) {
        point->Release();
        return false;
    }
    point_ = point;
    return true;
}

void BrowserEvents::disconnect() {
    onEvent_ = nullptr;
    if (!point_) return;
    point_->Unadvise(cookie_);
    point_->Release();
    point_ = nullptr;
}

HRESULT STDMETHODCALLTYPE BrowserEvents::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDispatch) &&
        !IsEqualIID(iid, DIID_DWebBrowserEvents2)) {
        return E_NOINTERFACE;
    }
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

ULONG STDMETHODCALLTYPE BrowserEvents::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG STDMETHODCALLTYPE BrowserEvents::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE BrowserEvents::GetTypeInfoCount(UINT* count) {
    if (count) *count = 0;
    return S_OK;
}

// The handlers run inside the control's call; the application reports what they raise.
HRESULT STDMETHODCALLTYPE BrowserEvents::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*,
                                                VARIANT*, EXCEPINFO*, UINT*) {
    if (!onEvent_) return S_OK;
    if (id == DISPID_NAVIGATECOMPLETE2) onEvent_(BrowserEvent::NavigateComplete);
    if (id == DISPID_DOCUMENTCOMPLETE) onEvent_(BrowserEvent::DocumentComplete);
    return S_OK;
}

} // namespace ui::win32
