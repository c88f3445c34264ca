#include "platform/win32/win32_script_host.h"

#include <windows.h>

#include <ole2.h>
#include <oleauto.h>

#include <cstdio>

namespace platform {

namespace {

// A call whose result is wanted, as a script makes it: the member may be a method or a
// property.
constexpr WORD kCall = DISPATCH_METHOD | DISPATCH_PROPERTYGET;

// Releases an interface when it goes out of scope.
template <class T> class ComPtr {
  public:
    ComPtr() = default;
    ~ComPtr() {
        if (p_) p_->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    T** out() { return &p_; }
    T* operator->() const { return p_; }
    T* get() const { return p_; }

  private:
    T* p_ = nullptr;
};

class Variant {
  public:
    Variant() { VariantInit(&v_); }
    ~Variant() { VariantClear(&v_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    VARIANT* get() { return &v_; }

  private:
    VARIANT v_;
};

class Bstr {
  public:
    explicit Bstr(const std::string& text) {
        int n =
            MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
        s_ = SysAllocStringLen(nullptr, static_cast<UINT>(n));
        if (s_ && n > 0)
            MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), s_, n);
    }
    ~Bstr() { SysFreeString(s_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    BSTR get() const { return s_; }
    // Hands the string to a VARIANT, which frees it.
    BSTR release() {
        BSTR s = s_;
        s_ = nullptr;
        return s;
    }

  private:
    BSTR s_ = nullptr;
};

std::string narrow(const wchar_t* text) {
    if (!text || !*text) return {};
    int n = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1) return {};
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, out.data(), n, nullptr, nullptr);
    out.resize(static_cast<std::size_t>(n - 1));
    return out;
}

// The system's text for an error code, as the class library reports failed COM calls.
std::string systemErrorText(HRESULT hr) {
    char* buffer = nullptr;
    DWORD n = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text = n > 0 && buffer ? std::string(buffer, n) : std::string();
    if (buffer) LocalFree(buffer);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    if (text.empty()) {
        char code[32];
        std::snprintf(code, sizeof code, "OLE error %08lX", static_cast<unsigned long>(hr));
        text = code;
    }
    return text;
}

class ExcepInfo {
  public:
    ExcepInfo() { ZeroMemory(&e_, sizeof e_); }
    ~ExcepInfo() {
        SysFreeString(e_.bstrSource);
        SysFreeString(e_.bstrDescription);
        SysFreeString(e_.bstrHelpFile);
    }
    ExcepInfo(const ExcepInfo&) = delete;
    ExcepInfo& operator=(const ExcepInfo&) = delete;
    EXCEPINFO* get() { return &e_; }
    std::string description() {
        if (e_.pfnDeferredFillIn) e_.pfnDeferredFillIn(&e_);
        return narrow(e_.bstrDescription);
    }

  private:
    EXCEPINFO e_;
};

// An automation object called by member name.
class Automation {
  public:
    explicit Automation(IDispatch* object) : object_(object) {}

    // The member's id; raises when the object has no such member.
    DISPID member(const std::string& name) {
        Bstr wide(name);
        LPOLESTR names[] = {wide.get()};
        DISPID id = 0;
        if (FAILED(object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id)))
            throw ScriptError("Method '" + name + "' not supported by automation object");
        return id;
    }

    // Invokes a member; arguments are given in call order. Returns the failure's HRESULT
    // together with the object's own description of it, if any.
    HRESULT invoke(DISPID id, WORD flags, std::vector<VARIANT>& args, VARIANT* result,
                   std::string& description) {
        // The call takes its arguments last to first.
        std::vector<VARIANT> reversed(args.rbegin(), args.rend());
        DISPID named = DISPID_PROPERTYPUT;
        DISPPARAMS params{reversed.empty() ? nullptr : reversed.data(), nullptr,
                          static_cast<UINT>(reversed.size()), 0};
        if (flags == DISPATCH_PROPERTYPUT) {
            params.rgdispidNamedArgs = &named;
            params.cNamedArgs = 1;
        }
        ExcepInfo info;
        UINT argError = 0;
        HRESULT hr = object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result,
                                     info.get(), &argError);
        if (hr == DISP_E_EXCEPTION) description = info.description();
        return hr;
    }

  private:
    IDispatch* object_;
};

// Owns the VARIANTs of one call's arguments.
struct Arguments {
    std::vector<VARIANT> items;
    ~Arguments() {
        for (auto& v : items)
            VariantClear(&v);
    }
    void addString(const std::string& text) {
        VARIANT v;
        VariantInit(&v);
        v.vt = VT_BSTR;
        v.bstrVal = Bstr(text).release();
        items.push_back(v);
    }
    void addInteger(std::int32_t number) {
        VARIANT v;
        VariantInit(&v);
        v.vt = VT_I4;
        v.lVal = number;
        items.push_back(v);
    }
};

// The script control's own account of the last script error (its Error object).
std::string scriptControlError(Automation& control) {
    try {
        Variant error;
        std::vector<VARIANT> none;
        std::string ignored;
        if (FAILED(control.invoke(control.member("Error"), DISPATCH_PROPERTYGET, none, error.get(),
                                  ignored)) ||
            error.get()->vt != VT_DISPATCH || !error.get()->pdispVal)
            return {};
        Automation errorObject(error.get()->pdispVal);
        Variant text;
        if (FAILED(errorObject.invoke(errorObject.member("Description"), DISPATCH_PROPERTYGET, none,
                                      text.get(), ignored)) ||
            text.get()->vt != VT_BSTR)
            return {};
        return narrow(text.get()->bstrVal);
    } catch (const ScriptError&) {
        return {};
    }
}

[[noreturn]] void raise(HRESULT hr, const std::string& description) {
    throw ScriptError(description.empty() ? systemErrorText(hr) : description);
}

class ComApartment {
  public:
    ComApartment() : initialised_(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ComApartment() {
        if (initialised_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

  private:
    bool initialised_;
};

} // namespace

std::int32_t Win32ScriptHost::evaluateAndCall(const std::string& language,
                                              const std::string& expression,
                                              const std::string& method,
                                              const std::vector<ScriptArgument>& arguments) {
    ComApartment apartment;
    CLSID clsid;
    HRESULT hr = CLSIDFromProgID(L"MSScriptControl.ScriptControl", &clsid);
    if (FAILED(hr)) raise(hr, {});
    ComPtr<IDispatch> control;
    hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                          reinterpret_cast<void**>(control.out()));
    if (FAILED(hr)) raise(hr, {});
    Automation script(control.get());
    std::string description;

    Arguments languageArg;
    languageArg.addString(language);
    hr = script.invoke(script.member("Language"), DISPATCH_PROPERTYPUT, languageArg.items, nullptr,
                       description);
    if (FAILED(hr)) raise(hr, description);

    Arguments expressionArg;
    expressionArg.addString(expression);
    Variant object;
    hr =
        script.invoke(script.member("Eval"), kCall, expressionArg.items, object.get(), description);
    if (FAILED(hr)) raise(hr, description.empty() ? scriptControlError(script) : description);
    if (object.get()->vt != VT_DISPATCH || !object.get()->pdispVal)
        throw ScriptError("Invalid variant operation");

    Automation target(object.get()->pdispVal);
    Arguments callArgs;
    for (const auto& a : arguments) {
        if (auto* text = std::get_if<std::string>(&a))
            callArgs.addString(*text);
        else
            callArgs.addInteger(std::get<std::int32_t>(a));
    }
    Variant result;
    hr = target.invoke(target.member(method), kCall, callArgs.items, result.get(), description);
    if (FAILED(hr)) raise(hr, description);
    hr = VariantChangeType(result.get(), result.get(), 0, VT_I4);
    if (FAILED(hr)) raise(hr, {});
    return result.get()->lVal;
}

} // namespace platform
