#pragma once
// IP Helper of this machine (iphlpapi.dll, loaded from the system folder when first made).

#include "platform/network.h"
#include "platform/win32/system_library.h"

namespace zlx::platform::win32 {

// Each call asks Windows with a buffer of the caller's size, so the size Windows needs is what
// the caller is told.
class Win32IpHelper final : public IpHelper {
  public:
    Win32IpHelper();
    Win32Error adaptersInfo(std::uint32_t bufferSize, std::uint32_t& neededSize,
                            std::vector<IpAdapterInfo>& adapters) override;
    Win32Error ifTable(std::uint32_t bufferSize, std::uint32_t& neededSize,
                       std::vector<IfRow>& rows) override;
    Win32Error adaptersAddresses(std::uint32_t bufferSize, std::uint32_t& neededSize,
                                 std::vector<IpAdapterAddresses>& adapters) override;

  private:
    SystemLibrary library_;
};

}  // namespace zlx::platform::win32
