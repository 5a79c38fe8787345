#pragma once
// The private requests the simulated adapter driver understands: codes, the places of the
// answer fields, and the driver's answer to one request.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "platform/windows_types.h"
#include "sim/platform_names.h"
#include "sim/scenario.h"

namespace zlx::sim {

inline constexpr std::uint32_t kOidVendorDescription = 0x0001010D;
inline constexpr std::uint32_t kReqTxRate = 0xFF000009;
inline constexpr std::uint32_t kReqRxRate = 0xFF000011;
inline constexpr std::uint32_t kReqChannelInfo = 0xFF000013;
inline constexpr std::uint32_t kReqCountryCode = 0xFF00001F;
inline constexpr std::uint32_t kReqTxPower = 0xFF000023;
inline constexpr std::uint32_t kReqStatistics = 0xFF500009;
inline constexpr std::uint32_t kReqLinkStatus = 0xFF50000A;
inline constexpr std::uint32_t kReqPowerSave = 0x0E01017B;

// Requests and answers share a 32-byte header; the request code sits at offset 4.
inline constexpr std::size_t kDriverHeaderSize = 32;
inline constexpr std::size_t kDriverCodeOffset = 4;
inline constexpr std::size_t kLinkStatusCapabilities = 14;

struct StatisticsCounter {
    std::string_view name;
    std::size_t offset;
    std::uint64_t DriverStatistics::*field;
};

inline constexpr std::array<StatisticsCounter, 19> kStatisticsCounters{{
    {"encryptionErrors", 32, &DriverStatistics::encryptionErrors},
    {"rtsFrames", 80, &DriverStatistics::rtsFrames},
    {"ctsFrames", 88, &DriverStatistics::ctsFrames},
    {"noCtsFrames", 96, &DriverStatistics::noCtsFrames},
    {"retriedRtsFrames", 104, &DriverStatistics::retriedRtsFrames},
    {"framesRetried", 112, &DriverStatistics::framesRetried},
    {"beaconsReceived", 120, &DriverStatistics::beaconsReceived},
    {"framesReceivedWithErrors", 128, &DriverStatistics::framesReceivedWithErrors},
    {"crcErrors", 136, &DriverStatistics::crcErrors},
    {"apMismatches", 144, &DriverStatistics::apMismatches},
    {"dataRateMismatches", 152, &DriverStatistics::dataRateMismatches},
    {"authenticationTimeouts", 160, &DriverStatistics::authenticationTimeouts},
    {"authenticationRejects", 168, &DriverStatistics::authenticationRejects},
    {"associationTimeouts", 176, &DriverStatistics::associationTimeouts},
    {"associationRejects", 184, &DriverStatistics::associationRejects},
    {"standardMicOk", 192, &DriverStatistics::standardMicOk},
    {"standardMicErrors", 200, &DriverStatistics::standardMicErrors},
    {"ckipMicOk", 208, &DriverStatistics::ckipMicOk},
    {"ckipMicErrors", 216, &DriverStatistics::ckipMicErrors},
}};

struct DriverReply {
    Win32Error result = kErrorSuccess;
    std::uint32_t bytesReturned = 0;
};

// The driver's answer to `request`, written into `answer` (never beyond it).
DriverReply answerDriverRequest(const DriverScenario& driver, std::span<const std::uint8_t> request,
                                std::span<std::uint8_t> answer);

}  // namespace zlx::sim
