#pragma once
// Byte layouts (Windows x64) of the Native Wifi structures the system reads, with codecs so
// that both the simulated service and the callers agree on one definition.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/wlan_sdk.h"

namespace zlx::platform {

inline constexpr std::uint32_t kWlanOpcodeRadioState =
    ZLX_WLAN_SDK(std::uint32_t{wlan_intf_opcode_radio_state}, 4);
inline constexpr std::uint32_t kWlanOpcodeInterfaceState =
    ZLX_WLAN_SDK(std::uint32_t{wlan_intf_opcode_interface_state}, 6);
inline constexpr std::uint32_t kWlanOpcodeCurrentConnection =
    ZLX_WLAN_SDK(std::uint32_t{wlan_intf_opcode_current_connection}, 7);
inline constexpr std::uint32_t kWlanOpcodeStatistics =
    ZLX_WLAN_SDK(std::uint32_t{wlan_intf_opcode_statistics}, 0x10000101);
inline constexpr std::uint32_t kWlanOpcodeRssi =
    ZLX_WLAN_SDK(std::uint32_t{wlan_intf_opcode_rssi}, 0x10000102);

// WLAN_INTERFACE_STATE.
inline constexpr std::uint32_t kWlanStateNotReady =
    ZLX_WLAN_SDK(std::uint32_t{wlan_interface_state_not_ready}, 0);
inline constexpr std::uint32_t kWlanStateConnected =
    ZLX_WLAN_SDK(std::uint32_t{wlan_interface_state_connected}, 1);
inline constexpr std::uint32_t kWlanStateAdHocNetworkFormed =
    ZLX_WLAN_SDK(std::uint32_t{wlan_interface_state_ad_hoc_network_formed}, 2);
inline constexpr std::uint32_t kWlanStateDisconnecting =
    ZLX_WLAN_SDK(std::uint32_t{wlan_interface_state_disconnecting}, 3);
inline constexpr std::uint32_t kWlanStateDisconnected =
    ZLX_WLAN_SDK(std::uint32_t{wlan_interface_state_disconnected}, 4);
inline constexpr std::uint32_t kWlanStateAssociating =
    ZLX_WLAN_SDK(std::uint32_t{wlan_interface_state_associating}, 5);
inline constexpr std::uint32_t kWlanStateDiscovering =
    ZLX_WLAN_SDK(std::uint32_t{wlan_interface_state_discovering}, 6);
inline constexpr std::uint32_t kWlanStateAuthenticating =
    ZLX_WLAN_SDK(std::uint32_t{wlan_interface_state_authenticating}, 7);

// DOT11_RADIO_STATE.
inline constexpr std::uint32_t kDot11RadioStateUnknown =
    ZLX_WLAN_SDK(std::uint32_t{dot11_radio_state_unknown}, 0);
inline constexpr std::uint32_t kDot11RadioStateOn =
    ZLX_WLAN_SDK(std::uint32_t{dot11_radio_state_on}, 1);
inline constexpr std::uint32_t kDot11RadioStateOff =
    ZLX_WLAN_SDK(std::uint32_t{dot11_radio_state_off}, 2);

// WLAN_ASSOCIATION_ATTRIBUTES, 68 bytes.
struct WlanAssociationAttributes {
    std::vector<std::uint8_t> ssid;  // up to 32 octets
    std::uint32_t bssType = 1;
    std::array<std::uint8_t, 6> bssid{};
    std::uint32_t phyType = 0;
    std::uint32_t phyIndex = 0;
    std::uint32_t signalQuality = 0;
    std::uint32_t rxRate = 0;
    std::uint32_t txRate = 0;
    friend bool operator==(const WlanAssociationAttributes&,
                           const WlanAssociationAttributes&) = default;
};
inline constexpr std::size_t kWlanAssociationAttributesSize =
    ZLX_WLAN_SDK(sizeof(WLAN_ASSOCIATION_ATTRIBUTES), 68);

// WLAN_CONNECTION_ATTRIBUTES, 604 bytes.
struct WlanConnectionAttributes {
    std::uint32_t state = 0;
    std::uint32_t connectionMode = 0;
    std::string profileName;  // at most 255 UTF-16 units
    WlanAssociationAttributes association;
    std::uint32_t securityEnabled = 0;
    std::uint32_t oneXEnabled = 0;
    std::uint32_t authAlgorithm = 0;
    std::uint32_t cipherAlgorithm = 0;
    friend bool operator==(const WlanConnectionAttributes&,
                           const WlanConnectionAttributes&) = default;
};
inline constexpr std::size_t kWlanConnectionAttributesSize =
    ZLX_WLAN_SDK(sizeof(WLAN_CONNECTION_ATTRIBUTES), 604);
inline constexpr std::size_t kWlanProfileNameOffset =
    ZLX_WLAN_SDK(offsetof(WLAN_CONNECTION_ATTRIBUTES, strProfileName), 8);
inline constexpr std::size_t kWlanProfileNameUnits = ZLX_WLAN_SDK(WLAN_MAX_NAME_LENGTH, 256);
inline constexpr std::size_t kWlanAssociationOffset =
    ZLX_WLAN_SDK(offsetof(WLAN_CONNECTION_ATTRIBUTES, wlanAssociationAttributes), 520);
inline constexpr std::size_t kWlanSecurityOffset =
    ZLX_WLAN_SDK(offsetof(WLAN_CONNECTION_ATTRIBUTES, wlanSecurityAttributes), 588);

// WLAN_PHY_RADIO_STATE, 12 bytes.
struct WlanPhyRadioState {
    std::uint32_t phyIndex = 0;
    std::uint32_t software = kDot11RadioStateOn;
    std::uint32_t hardware = kDot11RadioStateOn;
    friend bool operator==(const WlanPhyRadioState&, const WlanPhyRadioState&) = default;
};
// WLAN_RADIO_STATE: the PHY count (u32) and room for 64 entries, 772 bytes.
inline constexpr std::size_t kWlanMaxPhys = ZLX_WLAN_SDK(WLAN_MAX_PHY_INDEX, 64);
inline constexpr std::size_t kWlanRadioStateSize =
    ZLX_WLAN_SDK(sizeof(WLAN_RADIO_STATE), 4 + kWlanMaxPhys * 12);

// WLAN_STATISTICS: three u64, the unicast and the multicast WLAN_MAC_FRAME_STATISTICS (twelve
// u64 each), the PHY count (u32, padded to 8 bytes), then one WLAN_PHY_FRAME_STATISTICS (18
// u64) per PHY. Only the counters the system reads are named; the others travel as zero.
struct WlanPhyFrameStatistics {
    std::uint64_t failedCount = 0;
    std::uint64_t retryCount = 0;
    std::uint64_t ackFailureCount = 0;
    std::uint64_t frameDuplicateCount = 0;
    friend bool operator==(const WlanPhyFrameStatistics&, const WlanPhyFrameStatistics&) = default;
};
struct WlanStatistics {
    std::uint64_t unicastTransmitted = 0;
    std::uint64_t unicastReceived = 0;
    std::uint64_t multicastTransmitted = 0;
    std::uint64_t multicastReceived = 0;
    std::vector<WlanPhyFrameStatistics> phys;
    friend bool operator==(const WlanStatistics&, const WlanStatistics&) = default;
};
inline constexpr std::size_t kWlanStatisticsHeaderSize =
    ZLX_WLAN_SDK(offsetof(WLAN_STATISTICS, PhyCounters), 224);
inline constexpr std::size_t kWlanPhyFrameStatisticsSize =
    ZLX_WLAN_SDK(sizeof(WLAN_PHY_FRAME_STATISTICS), 18 * 8);

std::vector<std::uint8_t> encodeStatistics(const WlanStatistics& statistics);
// Empty when the buffer is shorter than the header; PHYs beyond the buffer's end are left out.
std::optional<WlanStatistics> decodeStatistics(std::span<const std::uint8_t> bytes);

std::vector<std::uint8_t> encodeAssociationAttributes(const WlanAssociationAttributes& a);
std::vector<std::uint8_t> encodeConnectionAttributes(const WlanConnectionAttributes& c);
// Empty when the buffer is shorter than the structure.
std::optional<WlanConnectionAttributes> decodeConnectionAttributes(
    std::span<const std::uint8_t> bytes);

// Entries beyond the 64 the structure has room for are left out.
std::vector<std::uint8_t> encodeRadioState(const std::vector<WlanPhyRadioState>& phys);
// Empty when the buffer is shorter than the structure; a count above 64 reads as 64.
std::optional<std::vector<WlanPhyRadioState>> decodeRadioState(std::span<const std::uint8_t> bytes);

}  // namespace zlx::platform
