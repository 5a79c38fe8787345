#pragma once
// NetworkTest, the last test: finds the adapter in the IP configuration by its MAC address,
// judges its IPv4 settings and, when they pass, pings the default gateway once and adds what
// the ping printed to its details.

#include <cstdint>
#include <string>

#include "clientsuite/addressing.h"
#include "clientsuite/generic_check.h"

namespace zlx::clientsuite {

inline constexpr platform::Millis kPingLimit = 15000;

class NetworkTest final : public GenericTest {
  public:
    const char* id() const override { return "network"; }
    void reset() override;
    void run(adapterinfo::AdapterDetails& details, TestRunEnvironment& env) override;

  private:
    // The IP configuration of the adapter with this MAC address, or, when the MAC address is
    // unknown or matches none, of the one IP Helper names by the interface's GUID.
    enum class Settings { Read, Unreadable, NotFound };
    Settings readSettings(const adapterinfo::AdapterDetails& details, platform::Platform& platform,
                          const platform::Guid& interfaceGuid);
    void applyVerdict(AddressVerdict verdict, const adapterinfo::AdapterDetails& details);
    void appendSettings(const adapterinfo::AdapterDetails& details);
    void runPing(const std::string& target, TestRunEnvironment& env);

    std::string gatewayText_;
    std::string ipText_;
    std::string maskText_;
    std::uint32_t dhcpEnabled_ = 0;
};

// "%02X-%02X-%02X-%02X-%02X-%02X" of the first six octets (missing ones as zero).
std::string formatPhysicalAddress(const std::vector<std::uint8_t>& address);

}  // namespace zlx::clientsuite
