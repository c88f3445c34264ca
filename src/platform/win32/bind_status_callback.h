// The download-status object handed to URLDownloadToFileA on the transfer's worker thread: a
// real IBindStatusCallback that passes every progress report on to the transfer job (which the
// waiting window thread reads) and cancels the download once the job is given up. It also hears
// the HTTP answer (IHttpNegotiate, offered through IServiceProvider): the system reports success
// for an error page or a transfer broken halfway, so the answer's head decides.
// It keeps no reference count: its owner keeps it alive for the whole download.
#pragma once

#include "platform/http_answer.h"
#include "platform/win32/transfer_thread.h"

#include <urlmon.h>

namespace platform {

class BindStatusCallback : public IBindStatusCallback,
                           public IServiceProvider,
                           public IHttpNegotiate {
  public:
    explicit BindStatusCallback(TransferJob& job) : job_(job) {}
    virtual ~BindStatusCallback() = default;

    // The answer's status and head, as the server sent them (status 0 when none came).
    HttpAnswerHead answer() const;

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
    HRESULT STDMETHODCALLTYPE OnResponse(DWORD responseCode, LPCWSTR responseHeaders, LPCWSTR,
                                         LPWSTR* additionalHeaders) override;

  private:
    TransferJob& job_;
    DWORD responseCode_ = 0;
    std::string responseHeaders_;
    ULONG progressMax_ = 0;
};

} // namespace platform
