#pragma once
// A Native Wifi client handle for one operation: opened with client version 2, closed when the
// operation ends. A failed open that still hands back a handle closes that handle at once.

#include <cstdint>

#include "platform/wlan.h"

namespace zlx::wlan {

inline constexpr std::uint32_t kWlanClientVersion = 2;

class ClientHandle {
  public:
    explicit ClientHandle(platform::WlanApi& wlan);
    ~ClientHandle() { close(); }
    ClientHandle(const ClientHandle&) = delete;
    ClientHandle& operator=(const ClientHandle&) = delete;

    bool ok() const { return handle_ != platform::kNoWlanHandle; }
    platform::Win32Error result() const { return result_; }
    std::uint32_t negotiatedVersion() const { return negotiated_; }
    platform::WlanHandle get() const { return handle_; }
    void close();

  private:
    platform::WlanApi& wlan_;
    platform::WlanHandle handle_ = platform::kNoWlanHandle;
    platform::Win32Error result_ = platform::kErrorSuccess;
    std::uint32_t negotiated_ = 0;
};

}  // namespace zlx::wlan
