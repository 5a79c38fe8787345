#include "platform/win32/named_mutex.h"

#include <windows.h>

#include "platform/polled_mutex.h"
#include "platform/win32/instance_scope.h"
#include "platform/win32/wide_text.h"

namespace zlx::platform::win32 {

namespace {

class Win32NamedMutex final : public NamedMutex {
  public:
    Win32NamedMutex(const std::string& name, Clock& clock)
        : handle_(::CreateMutexW(nullptr, FALSE, toWide(name).c_str())), clock_(clock) {}
    ~Win32NamedMutex() override {
        release();
        if (handle_) ::CloseHandle(handle_);
    }
    Win32NamedMutex(const Win32NamedMutex&) = delete;
    Win32NamedMutex& operator=(const Win32NamedMutex&) = delete;

    std::uint32_t wait(std::uint32_t timeoutMs) override {
        // A mutex nobody could make is one nobody can take.
        if (!handle_) return kWaitTimeout;
        // The kernel counts the waits of its owner; this object, as the POSIX one, is taken
        // once, so one release() always frees it.
        if (held_) return kWaitObject0;
        return pollMutex(clock_, timeoutMs, [this]() -> std::uint32_t {
            switch (::WaitForSingleObject(handle_, 0)) {
                case WAIT_OBJECT_0:
                    held_ = true;
                    return kWaitObject0;
                case WAIT_ABANDONED:  // its last owner ended holding it: now it is ours
                    held_ = true;
                    return kWaitAbandoned;
                default:
                    return kWaitTimeout;
            }
        });
    }

    void release() override {
        if (held_) ::ReleaseMutex(handle_);
        held_ = false;
    }

  private:
    HANDLE handle_;
    Clock& clock_;
    bool held_ = false;
};

}  // namespace

std::unique_ptr<NamedMutex> Win32NamedMutexes::create(const std::string& name) {
    return std::make_unique<Win32NamedMutex>(scope_.empty() ? name : objectName(scope_, name),
                                             clock_);
}

}  // namespace zlx::platform::win32
