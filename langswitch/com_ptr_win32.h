// Owner of one reference to a COM interface.
#pragma once

#include <unknwn.h>

#include <utility>

namespace langswitch {

template <class Interface>
class ComPtr {
  public:
    ComPtr() = default;
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(pointer_, other.pointer_);
        return *this;
    }
    ~ComPtr() { Reset(); }

    [[nodiscard]] Interface* get() const noexcept { return pointer_; }
    Interface* operator->() const noexcept { return pointer_; }
    explicit operator bool() const noexcept { return pointer_ != nullptr; }

    // For calls that hand out a new reference: the old one is released first.
    Interface** put() noexcept {
        Reset();
        return &pointer_;
    }
    void** put_void() noexcept { return reinterpret_cast<void**>(put()); }

    template <class Other>
    [[nodiscard]] ComPtr<Other> As() const noexcept {
        ComPtr<Other> other;
        if (pointer_) pointer_->QueryInterface(__uuidof(Other), other.put_void());
        return other;
    }

  private:
    void Reset() noexcept {
        if (pointer_) std::exchange(pointer_, nullptr)->Release();
    }

    Interface* pointer_ = nullptr;
};

}  // namespace langswitch
