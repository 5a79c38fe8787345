#pragma once
// The two buffer formats exchanged with the adapter driver and the IHV service through
// WlanIhvControl, byte for byte, and the decoding of the driver's answers.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace zlx::wlan {

inline constexpr std::size_t kDriverHeaderSize = 32;
inline constexpr std::size_t kMaxDriverAnswer = 360;

// Private request codes: the request size, the length value written at offset 16 and the
// answer size offered are fixed per code.
struct DriverRequestCode {
    std::uint32_t code;
    std::uint32_t requestSize;
    std::uint32_t lengthValue;
    std::uint32_t answerSize;
};

inline constexpr DriverRequestCode OID_GEN_VENDOR_DESCRIPTION{0x0001010D, 40, 0, 128};
inline constexpr DriverRequestCode REQ_TX_RATE{0xFF000009, 36, 36, 36};
inline constexpr DriverRequestCode REQ_RX_RATE{0xFF000011, 36, 36, 36};
inline constexpr DriverRequestCode REQ_CHANNEL_INFO{0xFF000013, 40, 40, 40};
inline constexpr DriverRequestCode REQ_COUNTRY_CODE{0xFF00001F, 36, 36, 36};
inline constexpr DriverRequestCode REQ_TX_POWER{0xFF000023, 36, 36, 36};
inline constexpr DriverRequestCode REQ_STATISTICS{0xFF500009, 360, 328, 360};
// The length value is 227, not 328: the driver expects exactly this.
inline constexpr DriverRequestCode REQ_LINK_STATUS{0xFF50000A, 360, 227, 360};
inline constexpr DriverRequestCode REQ_POWER_SAVE{0x0E01017B, 36, 36, 36};

struct DriverRequestBuffer {
    // Only the first `size` bytes are written: zeroing the whole buffer cost a short request
    // as much as the simulated driver's answer.
    std::array<std::uint8_t, kMaxDriverAnswer> bytes;
    std::uint32_t size = 0;
    std::span<const std::uint8_t> view() const { return {bytes.data(), size}; }
};

DriverRequestBuffer buildDriverRequest(std::uint32_t code, std::uint32_t requestSize,
                                       std::uint32_t lengthValue);

// Little-endian reads at any offset (the link status block is packed); zero beyond the end.
std::uint8_t readU8(std::span<const std::uint8_t> bytes, std::size_t offset);
std::uint16_t readU16(std::span<const std::uint8_t> bytes, std::size_t offset);
std::uint32_t readU32(std::span<const std::uint8_t> bytes, std::size_t offset);
std::uint64_t readU64(std::span<const std::uint8_t> bytes, std::size_t offset);

// Signal quality class of the raw value at offset 51 of the link status block.
std::uint32_t qualityClass(std::uint32_t raw);
// The capability bits one PHY capability code contributes.
std::uint32_t phyCapabilityBitsFor(std::uint32_t code);

struct LinkStatusBlock {
    std::array<std::uint8_t, 6> apMac{};
    std::uint32_t txPowerCode = 0;
    std::uint32_t channel = 0;
    std::uint32_t frequency = 0;
    std::uint32_t qualityClass = 0;
    std::uint32_t qualityPercent = 0;
    bool mfp = false;
    bool wmm = false;
    bool shortPreamble = false;
    std::uint64_t upTimeMs = 0;
    std::uint32_t phyCapabilityBits = 0;
};
LinkStatusBlock decodeLinkStatus(std::span<const std::uint8_t> answer);

struct StatisticsBlock {
    std::uint64_t encryptionErrors = 0, rtsFrames = 0, ctsFrames = 0, noCtsFrames = 0,
                  retriedRtsFrames = 0, framesRetried = 0, beaconsReceived = 0,
                  framesReceivedWithErrors = 0, crcErrors = 0, apMismatches = 0,
                  dataRateMismatches = 0, authenticationTimeouts = 0, authenticationRejects = 0,
                  associationTimeouts = 0, associationRejects = 0, standardMicOk = 0,
                  standardMicErrors = 0, ckipMicOk = 0, ckipMicErrors = 0;
};
StatisticsBlock decodeStatistics(std::span<const std::uint8_t> answer);

// The narrow text from offset 32 up to its first NUL or the end of the answer.
std::string_view answerText(std::span<const std::uint8_t> answer);

// ServiceControlMessage: 264 bytes, OUI, 0x01, operation, profile name in UTF-16.
inline constexpr std::size_t kServiceControlSize = 264;
inline constexpr std::size_t kServiceControlNameUnits = 128;
inline constexpr std::size_t kEnterAnswerSize = 37;
enum class ServiceOperation : std::uint32_t { Enter = 0, Leave = 1 };
using Oui = std::array<std::uint8_t, 3>;

std::array<std::uint8_t, kServiceControlSize> buildServiceControlMessage(
    const Oui& oui, ServiceOperation operation, std::string_view profileName);

}  // namespace zlx::wlan
