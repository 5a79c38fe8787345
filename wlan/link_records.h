#pragma once
// The link records the status pages read: the link status, the statistics, and the flags that
// say which values the display may show. The refreshes of the adapter state write them.

#include <array>
#include <cstdint>
#include <optional>

#include "wlan/driver_request.h"

namespace zlx::wlan {

struct LinkStatus {
    std::uint32_t txRate = 0;         // Mbps, or kbps with bit 31 set
    std::int32_t signalStrength = 0;  // dBm
    std::uint32_t rxRate = 0;
    std::uint32_t channel = 0;
    std::uint32_t frequency = 0;  // MHz
    std::uint32_t txPowerCode = 0;
    std::array<std::uint8_t, 6> apMac{};
    std::array<std::uint8_t, 32> ssid{};
    std::uint32_t ssidLength = 0;  // the octets of `ssid` in use (at most 32)
    std::uint32_t cipherClass = 0;
    std::uint32_t authClass = 0;
    std::uint32_t networkType = 0;
    std::array<std::uint8_t, 3> countryCode{};
    std::uint32_t qualityClass = 0;
    std::uint32_t qualityPercent = 0;
    std::uint32_t wirelessModeBits = 0;  // only in the adapter state's copy
    std::uint32_t powerSaveLevel = 0;    // 0 none, 1 maximum, 2 normal
    std::uint32_t wmm = 0;
    std::uint32_t securityEnabled = 0;
    std::uint64_t upTimeMs = 0;
    std::uint8_t mfp = 0;
    std::uint8_t shortPreamble = 0;
};

struct LinkStatistics {
    std::uint64_t framesTransmitted = 0;
    std::uint64_t framesReceived = 0;
    std::uint64_t droppedFrames = 0;
    std::uint64_t noAckFrames = 0;
    std::uint64_t duplicateFrames = 0;
    // Its "Frames Retried" is the retried frames counter: the PHY retry sum replaces it.
    StatisticsBlock privateCounters;
};

// 0 or 1 each: whether the values they guard answered on the last link status refresh. The
// records keep what the last answer held, which may belong to another adapter or to a link
// that has gone: a value whose flag is 0 is shown as "none", never as a reading.
struct StatusValidity {
    // The driver's link status block: the AP address, the quality, the flags, the capabilities.
    std::uint32_t status = 0;
    std::uint32_t upTime = 0;
    std::uint32_t qualityPercent = 0;
    std::uint32_t wmm = 0;
    std::uint32_t txPower = 0;     // the transmit power code, of the block or its own request
    std::uint32_t connection = 0;  // the current connection: SSID, security and its classes
    std::uint32_t txRate = 0;
    std::uint32_t rxRate = 0;
    std::uint32_t signalStrength = 0;
    std::uint32_t channel = 0;  // the channel and frequency, of the block or the channel query
    std::uint32_t countryCode = 0;
    std::uint32_t powerSave = 0;
};

// The network type of a BSS type: 1 infrastructure, 0 ad hoc, 2 anything else.
std::uint32_t networkTypeOf(std::uint32_t bssType);
// The cipher class of a Native Wifi cipher algorithm: 0 none, 1 WEP, 3 AES, 5 TKIP.
std::uint32_t cipherClassOf(std::uint32_t cipherAlgorithm);
// The authentication class of a Native Wifi authentication algorithm (3 for unknown ones).
std::uint32_t authClassOf(std::uint32_t authAlgorithm);
// The power-save level of the driver's answer: 0 none, 1 maximum, 2 normal.
std::uint32_t powerSaveLevelOf(std::uint32_t driverLevel);

}  // namespace zlx::wlan
