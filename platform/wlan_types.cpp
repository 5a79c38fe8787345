#include "platform/wlan_types.h"

#include <algorithm>

#include "platform/bytes.h"
#include "platform/text.h"

namespace zlx::platform {

namespace {

constexpr std::size_t kSsidMax = 32;
constexpr std::size_t kPhyEntrySize = 12;

}  // namespace

std::vector<std::uint8_t> encodeAssociationAttributes(const WlanAssociationAttributes& a) {
    std::vector<std::uint8_t> out(kWlanAssociationAttributesSize, 0);
    std::span<std::uint8_t> b(out);
    std::size_t ssidLength = std::min(a.ssid.size(), kSsidMax);
    storeLe<std::uint32_t>(b, 0, static_cast<std::uint32_t>(ssidLength));
    std::copy_n(a.ssid.begin(), ssidLength, out.begin() + 4);
    storeLe<std::uint32_t>(b, 36, a.bssType);
    std::copy(a.bssid.begin(), a.bssid.end(), out.begin() + 40);
    storeLe<std::uint32_t>(b, 48, a.phyType);
    storeLe<std::uint32_t>(b, 52, a.phyIndex);
    storeLe<std::uint32_t>(b, 56, a.signalQuality);
    storeLe<std::uint32_t>(b, 60, a.rxRate);
    storeLe<std::uint32_t>(b, 64, a.txRate);
    return out;
}

std::vector<std::uint8_t> encodeConnectionAttributes(const WlanConnectionAttributes& c) {
    std::vector<std::uint8_t> out(kWlanConnectionAttributesSize, 0);
    std::span<std::uint8_t> b(out);
    storeLe<std::uint32_t>(b, 0, c.state);
    storeLe<std::uint32_t>(b, 4, c.connectionMode);
    // The name field always keeps its terminating NUL.
    auto name = utf16leBytes(truncateToUtf16Units(c.profileName, kWlanProfileNameUnits - 1), false);
    std::copy(name.begin(), name.end(), out.begin() + kWlanProfileNameOffset);
    auto association = encodeAssociationAttributes(c.association);
    std::copy(association.begin(), association.end(), out.begin() + kWlanAssociationOffset);
    storeLe<std::uint32_t>(b, kWlanSecurityOffset, c.securityEnabled);
    storeLe<std::uint32_t>(b, kWlanSecurityOffset + 4, c.oneXEnabled);
    storeLe<std::uint32_t>(b, kWlanSecurityOffset + 8, c.authAlgorithm);
    storeLe<std::uint32_t>(b, kWlanSecurityOffset + 12, c.cipherAlgorithm);
    return out;
}

std::optional<WlanConnectionAttributes> decodeConnectionAttributes(
    std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kWlanConnectionAttributesSize) return std::nullopt;
    WlanConnectionAttributes c;
    c.state = loadLe<std::uint32_t>(bytes, 0);
    c.connectionMode = loadLe<std::uint32_t>(bytes, 4);
    c.profileName =
        utf8FromUtf16le(bytes.subspan(kWlanProfileNameOffset, kWlanProfileNameUnits * 2));

    auto a = bytes.subspan(kWlanAssociationOffset, kWlanAssociationAttributesSize);
    std::size_t ssidLength = std::min<std::size_t>(loadLe<std::uint32_t>(a, 0), kSsidMax);
    c.association.ssid.assign(a.begin() + 4, a.begin() + 4 + ssidLength);
    c.association.bssType = loadLe<std::uint32_t>(a, 36);
    std::copy_n(a.begin() + 40, 6, c.association.bssid.begin());
    c.association.phyType = loadLe<std::uint32_t>(a, 48);
    c.association.phyIndex = loadLe<std::uint32_t>(a, 52);
    c.association.signalQuality = loadLe<std::uint32_t>(a, 56);
    c.association.rxRate = loadLe<std::uint32_t>(a, 60);
    c.association.txRate = loadLe<std::uint32_t>(a, 64);

    c.securityEnabled = loadLe<std::uint32_t>(bytes, kWlanSecurityOffset);
    c.oneXEnabled = loadLe<std::uint32_t>(bytes, kWlanSecurityOffset + 4);
    c.authAlgorithm = loadLe<std::uint32_t>(bytes, kWlanSecurityOffset + 8);
    c.cipherAlgorithm = loadLe<std::uint32_t>(bytes, kWlanSecurityOffset + 12);
    return c;
}

std::vector<std::uint8_t> encodeRadioState(const std::vector<WlanPhyRadioState>& phys) {
    std::vector<std::uint8_t> out(kWlanRadioStateSize, 0);
    std::span<std::uint8_t> b(out);
    std::size_t count = std::min(phys.size(), kWlanMaxPhys);
    storeLe<std::uint32_t>(b, 0, static_cast<std::uint32_t>(count));
    for (std::size_t i = 0; i < count; ++i) {
        std::size_t at = 4 + i * kPhyEntrySize;
        storeLe<std::uint32_t>(b, at, phys[i].phyIndex);
        storeLe<std::uint32_t>(b, at + 4, phys[i].software);
        storeLe<std::uint32_t>(b, at + 8, phys[i].hardware);
    }
    return out;
}

std::optional<std::vector<WlanPhyRadioState>> decodeRadioState(
    std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kWlanRadioStateSize) return std::nullopt;
    std::size_t count = std::min<std::size_t>(loadLe<std::uint32_t>(bytes, 0), kWlanMaxPhys);
    std::vector<WlanPhyRadioState> phys(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::size_t at = 4 + i * kPhyEntrySize;
        phys[i].phyIndex = loadLe<std::uint32_t>(bytes, at);
        phys[i].software = loadLe<std::uint32_t>(bytes, at + 4);
        phys[i].hardware = loadLe<std::uint32_t>(bytes, at + 8);
    }
    return phys;
}

namespace {

// Offsets inside WLAN_STATISTICS and WLAN_PHY_FRAME_STATISTICS.
// WLAN_MAC_FRAME_STATISTICS is twelve u64.
constexpr std::size_t kUnicastOffset = 24, kMulticastOffset = 120, kPhyCountOffset = 216;
constexpr std::size_t kTransmitted = 0, kReceived = 8;
constexpr std::size_t kPhyFailed = 16, kPhyRetry = 24, kPhyAckFailure = 72, kPhyDuplicate = 112;

}  // namespace

std::vector<std::uint8_t> encodeStatistics(const WlanStatistics& s) {
    std::vector<std::uint8_t> out(
        kWlanStatisticsHeaderSize + s.phys.size() * kWlanPhyFrameStatisticsSize, 0);
    std::span<std::uint8_t> b(out);
    storeLe<std::uint64_t>(b, kUnicastOffset + kTransmitted, s.unicastTransmitted);
    storeLe<std::uint64_t>(b, kUnicastOffset + kReceived, s.unicastReceived);
    storeLe<std::uint64_t>(b, kMulticastOffset + kTransmitted, s.multicastTransmitted);
    storeLe<std::uint64_t>(b, kMulticastOffset + kReceived, s.multicastReceived);
    storeLe<std::uint32_t>(b, kPhyCountOffset, static_cast<std::uint32_t>(s.phys.size()));
    for (std::size_t i = 0; i < s.phys.size(); ++i) {
        std::size_t at = kWlanStatisticsHeaderSize + i * kWlanPhyFrameStatisticsSize;
        storeLe<std::uint64_t>(b, at + kPhyFailed, s.phys[i].failedCount);
        storeLe<std::uint64_t>(b, at + kPhyRetry, s.phys[i].retryCount);
        storeLe<std::uint64_t>(b, at + kPhyAckFailure, s.phys[i].ackFailureCount);
        storeLe<std::uint64_t>(b, at + kPhyDuplicate, s.phys[i].frameDuplicateCount);
    }
    return out;
}

std::optional<WlanStatistics> decodeStatistics(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kWlanStatisticsHeaderSize) return std::nullopt;
    WlanStatistics s;
    s.unicastTransmitted = loadLe<std::uint64_t>(bytes, kUnicastOffset + kTransmitted);
    s.unicastReceived = loadLe<std::uint64_t>(bytes, kUnicastOffset + kReceived);
    s.multicastTransmitted = loadLe<std::uint64_t>(bytes, kMulticastOffset + kTransmitted);
    s.multicastReceived = loadLe<std::uint64_t>(bytes, kMulticastOffset + kReceived);
    std::size_t count = loadLe<std::uint32_t>(bytes, kPhyCountOffset);
    std::size_t room = (bytes.size() - kWlanStatisticsHeaderSize) / kWlanPhyFrameStatisticsSize;
    count = std::min(count, room);
    for (std::size_t i = 0; i < count; ++i) {
        std::size_t at = kWlanStatisticsHeaderSize + i * kWlanPhyFrameStatisticsSize;
        s.phys.push_back({loadLe<std::uint64_t>(bytes, at + kPhyFailed),
                          loadLe<std::uint64_t>(bytes, at + kPhyRetry),
                          loadLe<std::uint64_t>(bytes, at + kPhyAckFailure),
                          loadLe<std::uint64_t>(bytes, at + kPhyDuplicate)});
    }
    return s;
}

}  // namespace zlx::platform
