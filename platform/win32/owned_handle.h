#pragma once

#include <windows.h>

namespace zlx::platform::win32 {

// A kernel object's handle, closed when it goes out of scope. Both a null handle and
// INVALID_HANDLE_VALUE stand for none.
class OwnedHandle {
  public:
    explicit OwnedHandle(HANDLE handle = nullptr) : handle_(handle) {}
    ~OwnedHandle() { reset(); }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    HANDLE get() const { return handle_; }
    HANDLE* out() { return &handle_; }
    bool ok() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    void reset() {
        if (ok()) ::CloseHandle(handle_);
        handle_ = nullptr;
    }

  private:
    HANDLE handle_;
};

}  // namespace zlx::platform::win32
