#include <algorithm>
#include <optional>

#include "platform/bytes.h"
#include "sim/driver_requests.h"

namespace zlx::sim {

namespace {

// The answer as the driver would write it into an unlimited buffer (the request's header
// echoed back, then the payload), written straight into the first `count` bytes of the
// caller's buffer: what lies past them is left out, what the image does not reach is zero.
class Image {
  public:
    Image(std::span<const std::uint8_t> request, std::span<std::uint8_t> out) : out_(out) {
        std::fill(out_.begin(), out_.end(), std::uint8_t{0});
        std::copy_n(request.begin(), std::min({request.size(), kDriverHeaderSize, out_.size()}),
                    out_.begin());
    }
    void byte(std::size_t at, std::uint8_t value) {
        if (at < out_.size()) out_[at] = value;
    }
    template <typename T>
    void le(std::size_t at, T value) {
        for (std::size_t i = 0; i < sizeof(T); ++i)
            byte(at + i, static_cast<std::uint8_t>(static_cast<std::uint64_t>(value) >> (8 * i)));
    }
    template <typename Bytes>
    void bytes(std::size_t at, const Bytes& values) {
        for (std::size_t i = 0; i < values.size(); ++i)
            byte(at + i, static_cast<std::uint8_t>(values[i]));
    }

  private:
    std::span<std::uint8_t> out_;
};

// The size of the answer to `code` in an unlimited buffer; none for a code the driver does
// not know.
std::optional<std::size_t> imageSize(const DriverScenario& d, std::uint32_t code) {
    switch (code) {
        case kOidVendorDescription:
            return kDriverHeaderSize + d.vendorDescription.size() + 1;
        case kReqTxRate:
        case kReqRxRate:
        case kReqTxPower:
        case kReqPowerSave:
            return kDriverHeaderSize + 1;
        case kReqChannelInfo:
            return 40;
        case kReqCountryCode:
            return 35;
        case kReqStatistics:
            return kStatisticsCounters.back().offset + 8;
        case kReqLinkStatus:
            return 74 + 4 * kLinkStatusCapabilities;
        default:
            return std::nullopt;
    }
}

void writePayload(const DriverScenario& d, std::uint32_t code, Image& image) {
    switch (code) {
        case kOidVendorDescription:
            image.bytes(kDriverHeaderSize, d.vendorDescription);
            return;
        case kReqTxRate:
            return image.byte(kDriverHeaderSize, d.txRate);
        case kReqRxRate:
            return image.byte(kDriverHeaderSize, d.rxRate);
        case kReqTxPower:
            return image.byte(kDriverHeaderSize, d.txPower);
        case kReqPowerSave:
            return image.byte(kDriverHeaderSize, d.powerSaveLevel);
        case kReqChannelInfo:
            image.le<std::uint16_t>(32, d.channelFrequencyMhz);
            image.byte(34, d.channelNumber);
            image.le<std::uint32_t>(36, d.wirelessModeBits);
            return;
        case kReqCountryCode:
            image.bytes(32, d.countryCode);
            return;
        case kReqStatistics:
            for (const StatisticsCounter& c : kStatisticsCounters)
                image.le<std::uint64_t>(c.offset, d.statistics.*c.field);
            return;
        case kReqLinkStatus: {
            const LinkStatusBlock& s = d.linkStatus;
            image.bytes(32, s.bssid);
            image.le<std::uint32_t>(38, s.txPowerCode);
            image.byte(42, s.channel);
            image.le<std::uint32_t>(43, s.frequencyMhz);
            image.le<std::uint32_t>(51, s.rawQuality);
            image.le<std::uint32_t>(55, s.qualityPercent);
            image.byte(59, s.mfp);
            image.byte(60, s.wmm);
            image.byte(61, s.shortPreamble);
            image.le<std::uint64_t>(62, s.upTimeMs);
            std::size_t count = std::min(s.phyCapabilities.size(), kLinkStatusCapabilities);
            for (std::size_t i = 0; i < count; ++i)
                image.le<std::uint32_t>(74 + 4 * i, s.phyCapabilities[i]);
            return;
        }
        default:
            return;
    }
}

}  // namespace

DriverReply answerDriverRequest(const DriverScenario& driver, std::span<const std::uint8_t> request,
                                std::span<std::uint8_t> answer) {
    if (request.size() < kDriverCodeOffset + 4) return {kErrorInvalidParameter, 0};
    std::uint32_t code = loadLe<std::uint32_t>(request, kDriverCodeOffset);
    std::optional<std::size_t> size = imageSize(driver, code);

    auto forced = std::find_if(driver.overrides.begin(), driver.overrides.end(),
                               [&](const DriverOverride& o) { return o.code == code; });
    Win32Error result = kErrorSuccess;
    std::size_t count = 0;
    if (forced != driver.overrides.end()) {
        // A code the driver does not know answers with the header alone.
        result = forced->result;
        count = forced->bytesReturned;
    } else {
        bool unsupported = std::find(driver.unsupportedCodes.begin(), driver.unsupportedCodes.end(),
                                     code) != driver.unsupportedCodes.end();
        if (!size || driver.refuseAll || unsupported) return {kErrorNotSupported, 0};
        // The description is the one answer of variable length; the others fill what is
        // offered.
        count = code == kOidVendorDescription ? *size : answer.size();
    }
    count = std::min(count, answer.size());
    Image image(request, answer.first(count));
    writePayload(driver, code, image);
    return {result, static_cast<std::uint32_t>(count)};
}

}  // namespace zlx::sim
