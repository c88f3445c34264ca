// Hears the events of an embedded web-browser control (its DWebBrowserEvents2 outgoing
// interface) and passes on the two the program reacts to: a navigation completed and a
// document completed. Reference-counted like every COM object.
#pragma once

#include <ole2.h>
#include <windows.h>

#include <ocidl.h>

#include <functional>

namespace ui::win32 {

enum class BrowserEvent { NavigateComplete, DocumentComplete };

class BrowserEvents final : public IDispatch {
  public:
    // A new sink with one reference, held by the caller.
    static BrowserEvents* create(std::function<void(BrowserEvent)> onEvent);
    // Connects the sink to the control's events; false when the control offers none.
    bool connect(IUnknown* control);
    // Ends the connection; the sink hears nothing more.
    void disconnect();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                     EXCEPINFO*, UINT*) override;

  private:
    explicit BrowserEvents(std::function<void(BrowserEvent)> onEvent);

    LONG references_ = 1;
    std::function<void(BrowserEvent)> onEvent_;
    IConnectionPoint* point_ = nullptr;
    DWORD cookie_ = 0;
};

} // namespace ui::win32
