// Answers of the adapter driver and of the wireless service reach the program as raw bytes and
// sizes it must not trust. A wireless service that answers from the fuzzer's bytes feeds every
// driver request and interface query.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "platform/system.h"
#include "platform/wlan.h"
#include "wlan/driver_channel.h"
#include "wlan/interfaces.h"

namespace {

using namespace zlx::platform;

Win32Error someResult(FuzzedDataProvider& in) {
    return in.ConsumeBool() ? kErrorSuccess : in.ConsumeIntegral<Win32Error>();
}

class FuzzedWlan final : public WlanApi {
  public:
    explicit FuzzedWlan(FuzzedDataProvider& in) : in_(in) {}

    Win32Error openHandle(std::uint32_t, std::uint32_t& negotiatedVersion,
                          WlanHandle& handle) override {
        negotiatedVersion = in_.ConsumeIntegralInRange<std::uint32_t>(1, 3);
        handle = ++handles_;
        return someResult(in_);
    }
    Win32Error closeHandle(WlanHandle) override { return kErrorSuccess; }
    Win32Error enumInterfaces(WlanHandle, std::vector<WlanInterfaceInfo>& interfaces) override {
        for (int n = in_.ConsumeIntegralInRange(0, 3); n > 0; --n) {
            WlanInterfaceInfo info;
            for (auto& b : info.guid.bytes) b = in_.ConsumeIntegral<std::uint8_t>();
            info.description = in_.ConsumeRandomLengthString(300);
            info.state = in_.ConsumeIntegral<std::uint32_t>();
            interfaces.push_back(std::move(info));
        }
        return someResult(in_);
    }
    Win32Error queryInterface(WlanHandle, const Guid&, std::uint32_t,
                              std::vector<std::uint8_t>& data, std::uint32_t& valueType) override {
        data = in_.ConsumeBytes<std::uint8_t>(in_.ConsumeIntegralInRange(0, 700));
        valueType = in_.ConsumeIntegral<std::uint32_t>();
        return someResult(in_);
    }
    Win32Error getProfileList(WlanHandle, const Guid&,
                              std::vector<WlanProfileInfo>& profiles) override {
        for (int n = in_.ConsumeIntegralInRange(0, 3); n > 0; --n)
            profiles.push_back(
                {in_.ConsumeRandomLengthString(300), in_.ConsumeIntegral<std::uint32_t>()});
        return someResult(in_);
    }
    Win32Error getProfile(WlanHandle, const Guid&, const std::string&, std::string& xml) override {
        xml = in_.ConsumeRandomLengthString(2000);
        return someResult(in_);
    }
    // The driver may claim to have written more than it was offered: the program must not
    // believe it.
    Win32Error ihvControl(WlanHandle, const Guid&, std::uint32_t, std::span<const std::uint8_t>,
                          std::span<std::uint8_t> answer, std::uint32_t& bytesReturned) override {
        auto written = in_.ConsumeBytes<std::uint8_t>(
            in_.ConsumeIntegralInRange<std::size_t>(0, answer.size()));
        std::copy(written.begin(), written.end(), answer.begin());
        bytesReturned = in_.ConsumeBool() ? static_cast<std::uint32_t>(written.size())
                                          : in_.ConsumeIntegral<std::uint32_t>();
        return someResult(in_);
    }
    Win32Error registerNotification(WlanHandle, std::uint32_t, WlanNotificationCallback) override {
        return kErrorSuccess;
    }
    Win32Error setSecuritySettings(WlanHandle, std::uint32_t, const std::string&) override {
        return kErrorSuccess;
    }

  private:
    FuzzedDataProvider& in_;
    WlanHandle handles_ = 0;
};

class TextRpc final : public Rpc {
  public:
    Win32Error uuidToString(const Guid& guid, std::string& text) override {
        text = formatGuid(guid);
        return kErrorSuccess;
    }
    Win32Error uuidFromString(const std::string& text, Guid& guid) override {
        return parseGuid(text, guid) ? kErrorSuccess : kErrorInvalidParameter;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    FuzzedWlan wlan(in);
    TextRpc rpc;
    zlx::context::WlanSelection selection;
    {
        zlx::wlan::InterfaceList list(wlan, rpc);
        if (!list.empty())
            zlx::wlan::selectInterface(selection, wlan, rpc, list.guidTexts().front());
    }
    bool serviceControlOff = false;
    zlx::wlan::DriverChannel channel(wlan, selection.selectedInterface, serviceControlOff,
                                     {0x02, 0x5A, 0x58});
    channel.queryVendorDescription();
    std::uint32_t rate = 0;
    channel.queryTxRate(rate);
    channel.queryRxRate(rate);
    channel.queryChannelInfo();
    channel.queryTxPower();
    channel.queryLinkStatus();
    channel.queryCountryCode();
    channel.queryPowerSave();
    channel.queryStatistics();
    {
        zlx::wlan::InterfaceQuery query(wlan, selection.selectedInterface);
        for (std::uint32_t opcode = 0; opcode < 16 && in.remaining_bytes() > 0; ++opcode)
            query.query(opcode);
    }
    zlx::wlan::ConnectionSnapshot snapshot(wlan, selection.selectedInterface);
    std::vector<WlanProfileInfo> profiles;
    zlx::wlan::getProfileList(wlan, selection.selectedInterface, profiles);
    std::string xml;
    for (const auto& p : profiles)
        zlx::wlan::getProfileXml(wlan, selection.selectedInterface, p.name, xml);
    return 0;
}
