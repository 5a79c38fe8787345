#include <algorithm>
#include <optional>
#include <vector>

#include "platform/bytes.h"
#include "platform/sim/driver_requests.h"

namespace zlx::platform::sim {

namespace {

using Image = std::vector<std::uint8_t>;

// The answer as the driver would write it into an unlimited buffer: the request's header
// echoed back, then the payload.
Image headerImage(std::span<const std::uint8_t> request, std::size_t size) {
    Image image(std::max(size, kDriverHeaderSize), 0);
    std::copy_n(request.begin(), std::min(request.size(), kDriverHeaderSize), image.begin());
    return image;
}

Image vendorDescription(const DriverScenario& d, std::span<const std::uint8_t> request) {
    Image image = headerImage(request, kDriverHeaderSize + d.vendorDescription.size() + 1);
    std::copy(d.vendorDescription.begin(), d.vendorDescription.end(),
              image.begin() + kDriverHeaderSize);
    return image;
}

Image oneByte(std::span<const std::uint8_t> request, std::uint8_t value) {
    Image image = headerImage(request, kDriverHeaderSize + 1);
    image[kDriverHeaderSize] = value;
    return image;
}

Image channelInfo(const DriverScenario& d, std::span<const std::uint8_t> request) {
    Image image = headerImage(request, 40);
    storeLe<std::uint16_t>(image, 32, d.channelFrequencyMhz);
    image[34] = d.channelNumber;
    storeLe<std::uint32_t>(image, 36, d.wirelessModeBits);
    return image;
}

Image countryCode(const DriverScenario& d, std::span<const std::uint8_t> request) {
    Image image = headerImage(request, 35);
    std::copy(d.countryCode.begin(), d.countryCode.end(), image.begin() + 32);
    return image;
}

Image linkStatus(const DriverScenario& d, std::span<const std::uint8_t> request) {
    const LinkStatusBlock& s = d.linkStatus;
    Image image = headerImage(request, 74 + 4 * kLinkStatusCapabilities);
    std::copy(s.bssid.begin(), s.bssid.end(), image.begin() + 32);
    storeLe<std::uint32_t>(image, 38, s.txPowerCode);
    image[42] = s.channel;
    storeLe<std::uint32_t>(image, 43, s.frequencyMhz);
    storeLe<std::uint32_t>(image, 51, s.rawQuality);
    storeLe<std::uint32_t>(image, 55, s.qualityPercent);
    image[59] = s.mfp;
    image[60] = s.wmm;
    image[61] = s.shortPreamble;
    storeLe<std::uint64_t>(image, 62, s.upTimeMs);
    std::size_t count = std::min(s.phyCapabilities.size(), kLinkStatusCapabilities);
    for (std::size_t i = 0; i < count; ++i) {
        storeLe<std::uint32_t>(image, 74 + 4 * i, s.phyCapabilities[i]);
    }
    return image;
}

Image statistics(const DriverScenario& d, std::span<const std::uint8_t> request) {
    Image image = headerImage(request, kStatisticsCounters.back().offset + 8);
    for (const StatisticsCounter& c : kStatisticsCounters) {
        storeLe<std::uint64_t>(image, c.offset, d.statistics.*c.field);
    }
    return image;
}

std::optional<Image> answerImage(const DriverScenario& d, std::uint32_t code,
                                 std::span<const std::uint8_t> request) {
    switch (code) {
        case kOidVendorDescription:
            return vendorDescription(d, request);
        case kReqTxRate:
            return oneByte(request, d.txRate);
        case kReqRxRate:
            return oneByte(request, d.rxRate);
        case kReqChannelInfo:
            return channelInfo(d, request);
        case kReqCountryCode:
            return countryCode(d, request);
        case kReqTxPower:
            return oneByte(request, d.txPower);
        case kReqStatistics:
            return statistics(d, request);
        case kReqLinkStatus:
            return linkStatus(d, request);
        case kReqPowerSave:
            return oneByte(request, d.powerSaveLevel);
        default:
            return std::nullopt;
    }
}

DriverReply write(const Image& image, std::span<std::uint8_t> answer, std::size_t count,
                  Win32Error result) {
    count = std::min(count, answer.size());
    for (std::size_t i = 0; i < count; ++i) answer[i] = i < image.size() ? image[i] : 0;
    return {result, static_cast<std::uint32_t>(count)};
}

}  // namespace

DriverReply answerDriverRequest(const DriverScenario& driver, std::span<const std::uint8_t> request,
                                std::span<std::uint8_t> answer) {
    if (request.size() < kDriverCodeOffset + 4) return {kErrorInvalidParameter, 0};
    std::uint32_t code = loadLe<std::uint32_t>(request, kDriverCodeOffset);
    std::optional<Image> image = answerImage(driver, code, request);

    auto forced = std::find_if(driver.overrides.begin(), driver.overrides.end(),
                               [&](const DriverOverride& o) { return o.code == code; });
    if (forced != driver.overrides.end()) {
        return write(image.value_or(headerImage(request, 0)), answer, forced->bytesReturned,
                     forced->result);
    }

    bool unsupported = std::find(driver.unsupportedCodes.begin(), driver.unsupportedCodes.end(),
                                 code) != driver.unsupportedCodes.end();
    if (!image || driver.refuseAll || unsupported) return {kErrorNotSupported, 0};

    // The description is the one answer of variable length; the others fill what is offered.
    std::size_t count = code == kOidVendorDescription ? image->size() : answer.size();
    return write(*image, answer, count, kErrorSuccess);
}

}  // namespace zlx::platform::sim
