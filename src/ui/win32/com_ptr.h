// An owned reference to a COM object: released when replaced or destroyed.
#pragma once

#include <unknwn.h>

namespace ui::win32 {

template <class T> class ComPtr {
  public:
    ComPtr() = default;
    ~ComPtr() { reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // For functions that hand out a new reference; drops the one held before.
    T** out() {
        reset();
        return &p_;
    }
    void reset() {
        if (p_) p_->Release();
        p_ = nullptr;
    }
    // Asks `from` for this interface; false (and empty) when it has none.
    template <class U> bool queryFrom(U* from) {
        reset();
        return from &&
               SUCCEEDED(from->QueryInterface(__uuidof(T), reinterpret_cast<void**>(&p_))) && p_;
    }

  private:
    T* p_ = nullptr;
};

} // namespace ui::win32
