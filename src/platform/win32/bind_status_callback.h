// The download-status object handed to URLDownloadToFileA: a real IBindStatusCallback that
// passes every progress report on to a platform::DownloadStatus (when there is one). It also
// hears the HTTP answer (IHttpNegotiate, offered through IServiceProvider) and how much data
// arrived, since the system reports success for an error page or a transfer broken halfway.
// It keeps no reference count: its owner keeps it alive for the whole download.
#pragma once

#include "platform/network.h"

#include <urlmon.h>

namespace platform {

class BindStatusCallback : public IBindStatusCallback,
                           public IServiceProvider,
                           public IHttpNegotiate {
  public:
    explicit BindStatusCallback(DownloadStatus* status) : status_(status) {}
    virtual ~BindStatusCallback() = default;

    // True when the server answered with success and sent all the data it announced.
    bool complete() const;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 0; }
    ULONG STDMETHODCALLTYPE Release() override { return 0; }
    HRESULT STDMETHODCALLTYPE OnStartBinding(DWORD, IBinding*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetPriority(LONG*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnLowResource(DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnProgress(ULONG progress, ULONG progressMax, ULONG statusCode,
                                         LPCWSTR statusText) override;
    HRESULT STDMETHODCALLTYPE OnStopBinding(HRESULT, LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetBindInfo(DWORD*, BINDINFO*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnObjectAvailable(REFIID, IUnknown*) override { return S_OK; }

    HRESULT STDMETHODCALLTYPE QueryService(REFGUID service, REFIID iid, void** out) override;
    HRESULT STDMETHODCALLTYPE BeginningTransaction(LPCWSTR, LPCWSTR, DWORD,
                                                   LPWSTR* additionalHeaders) override;
    HRESULT STDMETHODCALLTYPE OnResponse(DWORD responseCode, LPCWSTR, LPCWSTR,
                                         LPWSTR* additionalHeaders) override;

  private:
    DownloadStatus* status_;
    DWORD responseCode_ = 0;
    ULONG progress_ = 0, progressMax_ = 0;
};

} // namespace platform
