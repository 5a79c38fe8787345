#include "wlan/driver_request.h"

#include <algorithm>

#include "platform/text.h"

namespace zlx::wlan {

namespace {
void writeU32(std::uint8_t* at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}
}  // namespace

DriverRequestBuffer buildDriverRequest(std::uint32_t code, std::uint32_t requestSize,
                                       std::uint32_t lengthValue) {
    DriverRequestBuffer request;
    request.size = std::min<std::uint32_t>(requestSize, kMaxDriverAnswer);
    std::fill_n(request.bytes.begin(), request.size, std::uint8_t{0});
    writeU32(&request.bytes[4], code);
    writeU32(&request.bytes[16], lengthValue);
    return request;
}

std::uint8_t readU8(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return offset < bytes.size() ? bytes[offset] : 0;
}

std::uint16_t readU16(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(readU8(bytes, offset) | (readU8(bytes, offset + 1) << 8));
}

std::uint32_t readU32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | readU8(bytes, offset + i);
    return value;
}

std::uint64_t readU64(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return (static_cast<std::uint64_t>(readU32(bytes, offset + 4)) << 32) | readU32(bytes, offset);
}

std::uint32_t qualityClass(std::uint32_t raw) {
    if (raw == 0) return 0;
    if (raw < 30) return 30;
    if (raw < 50) return 60;
    if (raw < 80) return 80;
    return 100;
}

std::uint32_t phyCapabilityBitsFor(std::uint32_t code) {
    switch (code) {
        case 1:
            return 0x0001;
        case 2:
            return 0x0004;
        case 3:
            return 0x0008;
        case 5:
            return 0x0002;
        case 6:
            return 0x0010;
        case 7:
            return 0x4000;
        case 8:
            return 0x8000;
        case 9:
        case 10:
            return 0x1000;
        case 11:
        case 12:
            return 0x2000;
        case 13:
            return 0x3000;
        default:
            return 0;
    }
}

LinkStatusBlock decodeLinkStatus(std::span<const std::uint8_t> a) {
    LinkStatusBlock s;
    for (std::size_t i = 0; i < 6; ++i) s.apMac[i] = readU8(a, 32 + i);
    s.txPowerCode = readU32(a, 38);
    s.channel = readU8(a, 42);
    s.frequency = readU32(a, 43);
    s.qualityClass = qualityClass(readU32(a, 51));
    s.qualityPercent = readU32(a, 55);
    s.mfp = readU8(a, 59) == 1;
    s.wmm = readU8(a, 60) == 1;
    s.shortPreamble = readU8(a, 61) == 1;
    s.upTimeMs = readU64(a, 62);
    for (std::size_t entry = 0; entry < 14; ++entry)
        s.phyCapabilityBits |= phyCapabilityBitsFor(readU32(a, 74 + 4 * entry));
    return s;
}

StatisticsBlock decodeStatistics(std::span<const std::uint8_t> a) {
    StatisticsBlock s;
    s.encryptionErrors = readU64(a, 32);
    std::uint64_t* counters[] = {&s.rtsFrames,
                                 &s.ctsFrames,
                                 &s.noCtsFrames,
                                 &s.retriedRtsFrames,
                                 &s.framesRetried,
                                 &s.beaconsReceived,
                                 &s.framesReceivedWithErrors,
                                 &s.crcErrors,
                                 &s.apMismatches,
                                 &s.dataRateMismatches,
                                 &s.authenticationTimeouts,
                                 &s.authenticationRejects,
                                 &s.associationTimeouts,
                                 &s.associationRejects,
                                 &s.standardMicOk,
                                 &s.standardMicErrors,
                                 &s.ckipMicOk,
                                 &s.ckipMicErrors};
    std::size_t offset = 80;  // 40 to 79 are not counters the system shows
    for (std::uint64_t* counter : counters) {
        *counter = readU64(a, offset);
        offset += 8;
    }
    return s;
}

std::string_view answerText(std::span<const std::uint8_t> answer) {
    if (answer.size() <= kDriverHeaderSize) return {};
    auto text = answer.subspan(kDriverHeaderSize);
    auto end = std::find(text.begin(), text.end(), 0);
    return std::string_view(reinterpret_cast<const char*>(text.data()),
                            static_cast<std::size_t>(end - text.begin()));
}

std::array<std::uint8_t, kServiceControlSize> buildServiceControlMessage(
    const Oui& oui, ServiceOperation operation, std::string_view profileName) {
    std::array<std::uint8_t, kServiceControlSize> message{};
    std::copy(oui.begin(), oui.end(), message.begin());
    message[3] = 0x01;
    writeU32(&message[4], static_cast<std::uint32_t>(operation));
    if (operation == ServiceOperation::Enter) {
        // At most 127 units and the NUL: nothing longer may reach the name field.
        std::u16string name = platform::utf8ToUtf16(
            platform::truncateToUtf16Units(profileName, kServiceControlNameUnits - 1));
        for (std::size_t i = 0; i < name.size(); ++i) {
            message[8 + 2 * i] = static_cast<std::uint8_t>(name[i] & 0xFF);
            message[9 + 2 * i] = static_cast<std::uint8_t>(name[i] >> 8);
        }
    }
    return message;
}

}  // namespace zlx::wlan
