#include "wlan/driver_channel.h"

#include <algorithm>

namespace zlx::wlan {

DriverChannel::DriverChannel(platform::WlanApi& wlan, const platform::Guid& selectedInterface,
                             const bool& serviceControlOff, Oui networkVendorOui)
    : wlan_(wlan),
      selectedInterface_(selectedInterface),
      serviceControlOff_(serviceControlOff),
      oui_(networkVendorOui) {}

DriverAnswer DriverChannel::sendDriverRequest(const DriverRequestCode& code) {
    DriverAnswer answer;
    answer.size = std::min<std::uint32_t>(code.answerSize, kMaxDriverAnswer);
    std::fill_n(answer.bytes.begin(), answer.size, std::uint8_t{0});
    DriverRequestBuffer request = buildDriverRequest(code.code, code.requestSize, code.lengthValue);
    ClientHandle handle(wlan_);
    if (!handle.ok()) return answer;  // nothing is sent
    answer.result =
        wlan_.ihvControl(handle.get(), selectedInterface_, platform::kWlanIhvControlDriver,
                         request.view(), {answer.bytes.data(), answer.size}, answer.bytesReturned);
    handle.close();
    accessDenied_ = answer.result == platform::kErrorAccessDenied;
    if (code.code == OID_GEN_VENDOR_DESCRIPTION.code) {
        // Only the byte count decides: a header alone holds no text.
        answer.accepted = answer.bytesReturned > kDriverHeaderSize;
    } else {
        answer.accepted =
            answer.bytesReturned > kDriverHeaderSize || answer.result == platform::kErrorSuccess;
    }
    return answer;
}

std::optional<std::string> DriverChannel::queryVendorDescription() {
    DriverAnswer a = sendDriverRequest(OID_GEN_VENDOR_DESCRIPTION);
    if (!a.accepted) return std::nullopt;
    return std::string(answerText(a.view()));
}

bool DriverChannel::queryTxRate(std::uint32_t& rate) {
    DriverAnswer a = sendDriverRequest(REQ_TX_RATE);
    if (a.accepted) rate = readU8(a.view(), 32);
    return a.accepted;
}

bool DriverChannel::queryRxRate(std::uint32_t& rate) {
    DriverAnswer a = sendDriverRequest(REQ_RX_RATE);
    if (a.accepted) rate = readU8(a.view(), 32);
    return a.accepted;
}

std::optional<ChannelInfo> DriverChannel::queryChannelInfo() {
    DriverAnswer a = sendDriverRequest(REQ_CHANNEL_INFO);
    if (!a.accepted) return std::nullopt;
    return ChannelInfo{readU16(a.view(), 32), readU8(a.view(), 34), readU32(a.view(), 36)};
}

std::optional<std::uint32_t> DriverChannel::queryTxPower() {
    DriverAnswer a = sendDriverRequest(REQ_TX_POWER);
    if (!a.accepted) return std::nullopt;
    return readU8(a.view(), 32);
}

std::optional<LinkStatusBlock> DriverChannel::queryLinkStatus() {
    DriverAnswer a = sendDriverRequest(REQ_LINK_STATUS);
    if (!a.accepted) return std::nullopt;
    return decodeLinkStatus(a.view());
}

CountryCodeAnswer DriverChannel::queryCountryCode() {
    DriverAnswer a = sendDriverRequest(REQ_COUNTRY_CODE);
    return CountryCodeAnswer{a.accepted, {a.bytes[32], a.bytes[33], a.bytes[34]}};
}

std::optional<std::uint32_t> DriverChannel::queryPowerSave() {
    DriverAnswer a = sendDriverRequest(REQ_POWER_SAVE);
    if (!a.accepted) return std::nullopt;
    return readU8(a.view(), 32);
}

std::optional<StatisticsBlock> DriverChannel::queryStatistics() {
    DriverAnswer a = sendDriverRequest(REQ_STATISTICS);
    if (!a.accepted) return std::nullopt;
    return decodeStatistics(a.view());
}

platform::Win32Error DriverChannel::enterDiagnosticMode(std::string_view profileName) {
    if (serviceControlOff_) return platform::kErrorSuccess;
    auto message = buildServiceControlMessage(oui_, ServiceOperation::Enter, profileName);
    std::array<std::uint8_t, kEnterAnswerSize> answer{};
    ClientHandle handle(wlan_);
    if (!handle.ok()) return handle.result();
    std::uint32_t returned = 0;
    return wlan_.ihvControl(handle.get(), selectedInterface_, platform::kWlanIhvControlService,
                            message, answer, returned);
}

void DriverChannel::leaveDiagnosticMode() {
    if (serviceControlOff_) return;
    auto message = buildServiceControlMessage(oui_, ServiceOperation::Leave, {});
    ClientHandle handle(wlan_);
    if (!handle.ok()) return;
    std::uint32_t returned = 0;
    wlan_.ihvControl(handle.get(), selectedInterface_, platform::kWlanIhvControlService, message,
                     {}, returned);
}

bool isVendorDescription(std::string_view text) {
    return text.find("Norvane") != std::string_view::npos;
}

}  // namespace zlx::wlan
