#pragma once
// A DLL of Windows' own, loaded from the system folder only: a copy of the same name beside the
// program or in the current folder is never loaded in its place.

#include <string>

namespace zlx::platform::win32 {

class SystemLibrary {
  public:
    explicit SystemLibrary(const wchar_t* name);
    ~SystemLibrary();
    SystemLibrary(const SystemLibrary&) = delete;
    SystemLibrary& operator=(const SystemLibrary&) = delete;

    bool loaded() const { return module_ != nullptr; }
    // The export `name` as a pointer of the type of `Function`, or null.
    template <typename Function>
    Function* find(const char* name) const {
        return reinterpret_cast<Function*>(address(name));
    }

  private:
    void* address(const char* name) const;
    void* module_;
};

}  // namespace zlx::platform::win32
