#include "platform/win32/bind_status_callback.h"

#include <exception>
#include <string>

namespace platform {
namespace {

std::string narrow(LPCWSTR text) {
    if (!text) return {};
    const int size = WideCharToMultiByte(1252, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(1252, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.resize(static_cast<std::size_t>(size - 1));
    return out;
}

} // namespace

HttpAnswerHead BindStatusCallback::answer() const {
    HttpAnswerHead head = parseAnswerHead(responseCode_, responseHeaders_);
    // The announced total stands in for a length the system kept from the headers.
    if (!head.length && !head.chunked && progressMax_ > 0) head.length = progressMax_;
    return head;
}

HRESULT STDMETHODCALLTYPE BindStatusCallback::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IBindStatusCallback)) {
        *out = static_cast<IBindStatusCallback*>(this);
    } else if (IsEqualIID(iid, IID_IServiceProvider)) {
        *out = static_cast<IServiceProvider*>(this);
    } else if (IsEqualIID(iid, IID_IHttpNegotiate)) {
        *out = static_cast<IHttpNegotiate*>(this);
    } else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    return S_OK;
}

HRESULT STDMETHODCALLTYPE BindStatusCallback::QueryService(REFGUID, REFIID iid, void** out) {
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IHttpNegotiate)) {
        *out = static_cast<IHttpNegotiate*>(this);
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

HRESULT STDMETHODCALLTYPE BindStatusCallback::BeginningTransaction(LPCWSTR, LPCWSTR, DWORD,
                                                                   LPWSTR* additionalHeaders) {
    if (additionalHeaders) *additionalHeaders = nullptr;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE BindStatusCallback::OnResponse(DWORD responseCode,
                                                         LPCWSTR responseHeaders, LPCWSTR,
                                                         LPWSTR* additionalHeaders) {
    responseCode_ = responseCode;
    responseHeaders_ = narrow(responseHeaders);
    if (additionalHeaders) *additionalHeaders = nullptr;
    return S_OK;
}

// Cancels the download only when the waiting thread gave it up. An exception must not cross
// the system's frames.
HRESULT STDMETHODCALLTYPE BindStatusCallback::OnProgress(ULONG progress, ULONG progressMax,
                                                         ULONG statusCode, LPCWSTR statusText) {
    if (statusCode == BINDSTATUS_DOWNLOADINGDATA || statusCode == BINDSTATUS_ENDDOWNLOADDATA) {
        progressMax_ = progressMax;
    }
    try {
        job_.report(progress, progressMax, statusCode, narrow(statusText));
    } catch (const std::exception&) {
    }
    return job_.cancelled() ? E_ABORT : S_OK;
}

} // namespace platform
