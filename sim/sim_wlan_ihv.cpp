#include "platform/bytes.h"
#include "sim/driver_requests.h"
#include "sim/sim_wlan.h"

namespace zlx::sim {

Win32Error SimWlan::serviceControl(const InterfaceScenario& iface,
                                   std::span<const std::uint8_t> request, std::string& details,
                                   const std::vector<IhvEvent>*& script) {
    std::optional<ServiceControl> message = decodeServiceControl(request);
    if (!message) return kErrorInvalidParameter;
    const IhvServiceScenario& service = iface.ihvService;
    switch (message->operation) {
        case kServiceEnter:
            details = ", op=enter, profile=" + quoted(message->profileName);
            script = &service.onEnter;
            break;
        case kServiceLeave:
            details = ", op=leave";
            script = &service.onLeave;
            break;
        default:
            details = ", op=" + std::to_string(message->operation);
            return kErrorInvalidParameter;
    }
    if (service.controlResult != kErrorSuccess) script = nullptr;
    return service.controlResult;
}

Win32Error SimWlan::ihvControl(WlanHandle handle, const Guid& interfaceGuid, std::uint32_t type,
                               std::span<const std::uint8_t> request,
                               std::span<std::uint8_t> answer, std::uint32_t& bytesReturned) {
    std::lock_guard lock(lock_);
    bytesReturned = 0;
    if (log_.kept()) {
        // Bounded like the call log, for long runs.
        if (ihvRequests_.size() >= CallLog::kMaxRecords / 4)
            ihvRequests_.erase(
                ihvRequests_.begin(),
                ihvRequests_.begin() + static_cast<std::ptrdiff_t>(ihvRequests_.size() / 2));
        ihvRequests_.push_back(IhvRequest{handle, interfaceGuid, type,
                                          std::vector<std::uint8_t>(request.begin(), request.end()),
                                          answer.size()});
    }
    // The service's requests say what they asked for; a driver request says its code.
    std::string details;
    std::optional<std::uint32_t> code;
    if (type == kWlanIhvControlDriver && request.size() >= kDriverCodeOffset + 4)
        code = loadLe<std::uint32_t>(request, kDriverCodeOffset);

    Win32Error result = kErrorInvalidHandle;
    const std::vector<IhvEvent>* script = nullptr;
    InterfaceScenario* iface = nullptr;
    if (isOpen(handle)) {
        iface = find(interfaceGuid);
        Win32Error forced = resultOf("WlanIhvControl", kErrorSuccess);
        if (!iface) {
            result = kErrorInvalidParameter;
        } else if (forced != kErrorSuccess) {
            result = forced;
        } else if (type == kWlanIhvControlDriver) {
            auto k = static_cast<std::size_t>(iface - scenario_.interfaces.data());
            DriverReply reply =
                answerDriverRequest(liveLinks_[k].at(*iface, clock_.now()).driver, request, answer);
            result = reply.result;
            bytesReturned = reply.bytesReturned;
        } else if (type == kWlanIhvControlService) {
            result = serviceControl(*iface, request, details, script);
        } else {
            result = kErrorInvalidParameter;
        }
    }
    if (log_.kept())
        log_.record([handle, type, in = request.size(), out = answer.size(), code,
                     details = std::move(details), result, returned = bytesReturned] {
            std::string shownDetails = details;
            if (type == kWlanIhvControlDriver)
                shownDetails = ", code=" + (code ? hex32(*code) : std::string("none"));
            return "WlanIhvControl(handle=" + std::to_string(handle) +
                   ", type=" + std::to_string(type) + ", in=" + std::to_string(in) +
                   ", out=" + std::to_string(out) + shownDetails + ") -> " +
                   std::to_string(result) + " returned=" + std::to_string(returned);
        });
    // The script starts after the request is on record, so its events always follow it.
    if (script) ihvService_.start(iface->guid, *script);
    return result;
}

}  // namespace zlx::sim
