#pragma once
// Private requests to the adapter driver and the control messages of the IHV service. Every
// request opens its own Native Wifi client handle, sends exactly one WlanIhvControl to the
// selected interface and closes the handle again.

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/wlan.h"
#include "wlan/client_handle.h"
#include "wlan/driver_request.h"

namespace zlx::wlan {

struct DriverAnswer {
    bool accepted = false;
    // The `size` bytes offered are zero-filled before the call; the rest is never written.
    std::array<std::uint8_t, kMaxDriverAnswer> bytes;
    std::uint32_t size = 0;  // answer size offered
    std::uint32_t bytesReturned = 0;
    platform::Win32Error result = platform::kErrorSuccess;
    std::span<const std::uint8_t> view() const { return {bytes.data(), size}; }
};

struct ChannelInfo {
    std::uint32_t frequency = 0;
    std::uint32_t channel = 0;
    std::uint32_t modeBits = 0;
};

struct CountryCodeAnswer {
    bool accepted = false;
    std::array<std::uint8_t, 3> bytes{};  // two letters and one further byte
};

class DriverChannel {
  public:
    // `selectedInterface` and `serviceControlOff` are the process-wide values; they are read
    // at each request.
    DriverChannel(platform::WlanApi& wlan, const platform::Guid& selectedInterface,
                  const bool& serviceControlOff, Oui networkVendorOui);

    DriverAnswer sendDriverRequest(const DriverRequestCode& request);

    std::optional<std::string> queryVendorDescription();
    // Each writes the rate only when the answer is accepted, and says whether it was.
    bool queryTxRate(std::uint32_t& rate);
    bool queryRxRate(std::uint32_t& rate);
    std::optional<ChannelInfo> queryChannelInfo();
    std::optional<std::uint32_t> queryTxPower();
    std::optional<LinkStatusBlock> queryLinkStatus();
    CountryCodeAnswer queryCountryCode();
    std::optional<std::uint32_t> queryPowerSave();
    std::optional<StatisticsBlock> queryStatistics();

    // Skipped entirely, without opening a handle, when service control is off. A request the
    // service accepts is followed by its notifications (or the run's time-out); the enter
    // request's result (the open's when that fails) tells a refusal, which has neither.
    platform::Win32Error enterDiagnosticMode(std::string_view profileName);
    void leaveDiagnosticMode();

    // Whether the last private request was refused for want of rights (ERROR_ACCESS_DENIED):
    // a standard user's, before the channel's security was set once. Every value the driver
    // gives is then "none" for that reason, which the status says.
    bool driverAccessDenied() const { return accessDenied_; }

  private:
    std::atomic<bool> accessDenied_{false};
    platform::WlanApi& wlan_;
    const platform::Guid& selectedInterface_;
    const bool& serviceControlOff_;
    Oui oui_;
};

// True when the driver's vendor text names the vendor.
bool isVendorDescription(std::string_view text);

}  // namespace zlx::wlan
