#pragma once
// A DLL of Windows' own, loaded from the system folder only: a copy of the same name beside the
// program or in the current folder is never loaded in its place.

#include <string>

namespace zlx::platform::win32 {

// Every DLL the process loads from now on by name alone comes from the system folder: called
// first in main, before anything loads one, so that a DLL dropped beside the program or in the
// current folder is never loaded in place of Windows' own. A Windows 7 without update
// KB2533623 has no such setting; there only SystemLibrary keeps to the system folder.
void loadLibrariesFromSystemFolderOnly();

// The DLL `name` from the system folder, by its full path where the system refuses the search
// flags; null when it cannot be loaded. The caller frees it, or keeps it for the process's life.
void* loadFromSystemFolder(const wchar_t* name);

// A DLL from the system folder, freed when this goes.
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
