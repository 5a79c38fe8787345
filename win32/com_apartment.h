#pragma once
// The thread's COM apartment, for as long as the object lives: screen readers reach the
// windows' accessible objects (accessible_control.h) through COM on the thread that made them.

#include <objbase.h>

namespace zlx::win32 {

class ComApartment {
  public:
    // A single-threaded apartment, or the apartment the thread is in already.
    ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComApartment() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

  private:
    HRESULT result_;
};

}  // namespace zlx::win32
