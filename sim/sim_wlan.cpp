#include "sim/sim_wlan.h"

#include <algorithm>

#include "platform/bytes.h"
#include "platform/text.h"

namespace zlx::sim {

namespace {

constexpr std::size_t kDescriptionUnits = 255;

std::string handleText(WlanHandle handle) {
    return "handle=" + std::to_string(handle);
}

// The current connection can be read while the interface is on a network, on its way to one
// (associating, discovering, authenticating) or leaving it (disconnecting).
bool onNetwork(std::uint32_t state) {
    return state == kWlanStateConnected || state == kWlanStateAdHocNetworkFormed ||
           state == kWlanStateAssociating || state == kWlanStateDiscovering ||
           state == kWlanStateAuthenticating || state == kWlanStateDisconnecting;
}

std::vector<std::uint8_t> u32Data(std::uint32_t value) {
    std::vector<std::uint8_t> data(4);
    storeLe<std::uint32_t>(data, 0, value);
    return data;
}

}  // namespace

SimWlan::SimWlan(const WlanScenario& scenario, Clock& clock, CallLog& log)
    : log_(log),
      clock_(clock),
      scenario_(scenario),
      hub_(std::make_shared<NotificationHub>(clock, log)),
      ihvService_(clock, hub_) {
    reindex();
    schedulePresenceNotifications();
}

SimWlan::~SimWlan() {
    for (ScheduleId id : presenceNotices_) clock_.cancel(id);
    // A clock action that is running right now may still hold the hub; stopping it here makes
    // sure nothing is delivered once the machine is gone.
    ihvService_.cancelPending();
    hub_->stop();
}

void SimWlan::reindex() {
    enumeration_.reset();
    byGuid_.clear();
    failingGuidTexts_.clear();
    profilesByName_.assign(scenario_.interfaces.size(), {});
    liveLinks_.clear();
    liveLinks_.resize(scenario_.interfaces.size());
    enumeratedPresence_.clear();
    presenceChanges_ = false;
    for (std::size_t k = 0; k < scenario_.interfaces.size(); ++k) {
        const InterfaceScenario& i = scenario_.interfaces[k];
        presenceChanges_ = presenceChanges_ || !i.present ||
                           std::any_of(i.dynamics.events.begin(), i.dynamics.events.end(),
                                       [](const LinkEvent& e) { return e.present.has_value(); });
        byGuid_.emplace(i.guid.bytes, k);
        if (i.guidTextFails) failingGuidTexts_.insert(i.guid.bytes);
        for (std::size_t p = 0; p < i.profiles.size(); ++p)
            profilesByName_[k].emplace(i.profiles[p].name, p);
    }
}

std::optional<std::size_t> SimWlan::indexOf(const Guid& guid) const {
    auto it = byGuid_.find(guid.bytes);
    if (it == byGuid_.end()) return std::nullopt;
    return it->second;
}

InterfaceScenario* SimWlan::find(const Guid& guid) {
    auto k = indexOf(guid);
    return k && presentNow(*k) ? &scenario_.interfaces[*k] : nullptr;
}

bool SimWlan::presentNow(std::size_t k) {
    return !presenceChanges_ || liveLinks_[k].at(scenario_.interfaces[k], clock_.now()).present;
}

void SimWlan::schedulePresenceNotifications() {
    for (const InterfaceScenario& i : scenario_.interfaces) {
        bool present = i.present;
        for (const LinkEvent& e : i.dynamics.events) {
            if (!e.present || *e.present == present) continue;
            present = *e.present;
            const std::uint32_t code =
                present ? kWlanAcmInterfaceArrival : kWlanAcmInterfaceRemoval;
            WlanNotification notification{kWlanNotificationSourceAcm, code, i.guid, {}};
            std::string label = std::string("ACM interface ") +
                                (present ? "arrival " : "removal ") + formatGuid(i.guid);
            // The action may outlive this machine on a real clock's thread; the weak reference
            // makes it harmless then.
            presenceNotices_.push_back(
                clock_.schedule(e.atMs, [hub = std::weak_ptr<NotificationHub>(hub_), notification,
                                         label = std::move(label)] {
                    if (auto live = hub.lock()) live->post(notification, label);
                }));
        }
    }
}

Win32Error SimWlan::openHandle(std::uint32_t clientVersion, std::uint32_t& negotiatedVersion,
                               WlanHandle& handle) {
    std::lock_guard lock(lock_);
    Win32Error result = scenario_.openResult;
    if (result == kErrorSuccess) result = resultOf("WlanOpenHandle", result);
    handle = kNoWlanHandle;
    if (result == kErrorSuccess) negotiatedVersion = scenario_.negotiatedVersion;
    if (result == kErrorSuccess || scenario_.handleOnFailedOpen) {
        handle = nextHandle_++;
        open_.push_back(handle);
    }
    log_.record([clientVersion, result, handle,
                 negotiated = result == kErrorSuccess ? negotiatedVersion : 0] {
        std::string line = "WlanOpenHandle(version=" + std::to_string(clientVersion) + ") -> " +
                           std::to_string(result) + " " + handleText(handle);
        if (result == kErrorSuccess) line += " negotiated=" + std::to_string(negotiated);
        return line;
    });
    return result;
}

Win32Error SimWlan::closeHandle(WlanHandle handle) {
    Win32Error result = kErrorInvalidHandle;
    bool subscribed = false;
    {
        std::lock_guard lock(lock_);
        auto it = std::lower_bound(open_.begin(), open_.end(), handle);
        if (it != open_.end() && *it == handle) {
            open_.erase(it);
            subscribed = subscribed_.erase(handle) != 0;
            result = kErrorSuccess;
        }
    }
    if (subscribed) hub_->unsubscribe(handle);
    log_.record([handle, result] {
        return "WlanCloseHandle(" + handleText(handle) + ") -> " + std::to_string(result);
    });
    return result;
}

Win32Error SimWlan::enumInterfaces(WlanHandle handle, std::vector<WlanInterfaceInfo>& interfaces) {
    std::shared_ptr<const WlanInterfaceSet> answer;
    Win32Error result = enumInterfaceSet(handle, answer);
    interfaces = answer->interfaces();
    return result;
}

Win32Error SimWlan::enumInterfaceSet(WlanHandle handle,
                                     std::shared_ptr<const WlanInterfaceSet>& interfaces) {
    std::lock_guard lock(lock_);
    Win32Error result = !isOpen(handle) ? kErrorInvalidHandle
                                        : resultOf("WlanEnumInterfaces", scenario_.enumResult);
    std::vector<bool> presence;
    if (result == kErrorSuccess && presenceChanges_) {
        presence.resize(scenario_.interfaces.size());
        for (std::size_t k = 0; k < presence.size(); ++k) presence[k] = presentNow(k);
    }
    if (result == kErrorSuccess && (!enumeration_ || presence != enumeratedPresence_)) {
        std::vector<WlanInterfaceInfo> answer;
        answer.reserve(scenario_.interfaces.size());
        for (std::size_t k = 0; k < scenario_.interfaces.size(); ++k) {
            const InterfaceScenario& i = scenario_.interfaces[k];
            if (presence.empty() || presence[k])
                answer.push_back(
                    {i.guid, truncateToUtf16Units(i.description, kDescriptionUnits), i.state});
        }
        enumeration_ = std::make_shared<const WlanInterfaceSet>(std::move(answer));
        enumeratedPresence_ = std::move(presence);
    }
    interfaces = result == kErrorSuccess
                     ? enumeration_
                     : std::make_shared<const WlanInterfaceSet>(std::vector<WlanInterfaceInfo>{});
    log_.record([handle, result, count = interfaces->interfaces().size()] {
        return "WlanEnumInterfaces(" + handleText(handle) + ") -> " + std::to_string(result) +
               " count=" + std::to_string(count);
    });
    return result;
}

Win32Error SimWlan::queryLocked(const InterfaceScenario& iface, std::uint32_t opcode,
                                std::vector<std::uint8_t>& data) {
    for (const QueryFailure& f : iface.queryFailures) {
        if (f.opcode == opcode) return f.result;
    }
    switch (opcode) {
        case kWlanOpcodeRadioState:
            data = encodeRadioState(iface.radio);
            return kErrorSuccess;
        case kWlanOpcodeInterfaceState:
            data = u32Data(iface.state);
            return kErrorSuccess;
        case kWlanOpcodeCurrentConnection: {
            if (!iface.connection || !onNetwork(iface.state)) return kErrorInvalidState;
            WlanConnectionAttributes attributes = iface.connection->attributes;
            attributes.state = iface.connection->reportedState.value_or(iface.state);
            data = encodeConnectionAttributes(attributes);
            return kErrorSuccess;
        }
        case kWlanOpcodeRssi:
            if (!iface.connection || !onNetwork(iface.state)) return kErrorInvalidState;
            data = u32Data(static_cast<std::uint32_t>(iface.connection->rssi));
            return kErrorSuccess;
        case kWlanOpcodeStatistics:
            data = encodeStatistics(iface.statistics ? *iface.statistics
                                                     : defaultInterfaceStatistics(iface));
            return kErrorSuccess;
        default:
            return kErrorNotSupported;
    }
}

Win32Error SimWlan::queryInterface(WlanHandle handle, const Guid& interfaceGuid,
                                   std::uint32_t opcode, std::vector<std::uint8_t>& data,
                                   std::uint32_t& valueType) {
    std::lock_guard lock(lock_);
    data.clear();
    valueType = 0;  // wlan_opcode_value_type_query_only
    Win32Error result = kErrorInvalidHandle;
    if (isOpen(handle)) {
        if (auto k = indexOf(interfaceGuid); !k || !presentNow(*k))
            result = kErrorInvalidParameter;
        else if (result = resultOf("WlanQueryInterface", kErrorSuccess); result == kErrorSuccess)
            result = queryLocked(liveLinks_[*k].at(scenario_.interfaces[*k], clock_.now()), opcode,
                                 data);
    }
    if (result != kErrorSuccess) data.clear();
    log_.record([handle, opcode, result, size = data.size()] {
        return "WlanQueryInterface(" + handleText(handle) + ", opcode=" + hex(opcode) + ") -> " +
               std::to_string(result) + " size=" + std::to_string(size);
    });
    return result;
}

Win32Error SimWlan::getProfileList(WlanHandle handle, const Guid& interfaceGuid,
                                   std::vector<WlanProfileInfo>& profiles) {
    std::lock_guard lock(lock_);
    profiles.clear();
    InterfaceScenario* iface = isOpen(handle) ? find(interfaceGuid) : nullptr;
    Win32Error result = !isOpen(handle) ? kErrorInvalidHandle
                        : !iface        ? kErrorInvalidParameter
                                        : resultOf("WlanGetProfileList", iface->profileListResult);
    if (result == kErrorSuccess) {
        for (const ProfileScenario& p : iface->profiles) profiles.push_back({p.name, p.flags});
    }
    log_.record([handle, result, count = profiles.size()] {
        return "WlanGetProfileList(" + handleText(handle) + ") -> " + std::to_string(result) +
               " count=" + std::to_string(count);
    });
    return result;
}

Win32Error SimWlan::getProfile(WlanHandle handle, const Guid& interfaceGuid,
                               const std::string& profileName, std::string& xml) {
    std::lock_guard lock(lock_);
    xml.clear();
    InterfaceScenario* iface = isOpen(handle) ? find(interfaceGuid) : nullptr;
    Win32Error result = !isOpen(handle) ? kErrorInvalidHandle
                        : !iface        ? kErrorInvalidParameter
                                        : kErrorNotFound;
    if (Win32Error forced = resultOf("WlanGetProfile", kErrorSuccess); iface && forced != 0) {
        result = forced;
    } else if (iface) {
        const auto& byName =
            profilesByName_[static_cast<std::size_t>(iface - scenario_.interfaces.data())];
        if (auto it = byName.find(profileName); it != byName.end()) {
            xml = iface->profiles[it->second].xml;
            result = kErrorSuccess;
        }
    }
    if (log_.kept())
        log_.record([handle, profileName = std::string(profileName), result] {
            return "WlanGetProfile(" + handleText(handle) + ", profile=" + quoted(profileName) +
                   ") -> " + std::to_string(result);
        });
    return result;
}

Win32Error SimWlan::registerNotification(WlanHandle handle, std::uint32_t sourceMask,
                                         WlanNotificationCallback callback) {
    Win32Error result = kErrorSuccess;
    if (sourceMask != kWlanNotificationSourceNone && !callback) result = kErrorInvalidParameter;
    {
        std::lock_guard lock(lock_);
        if (!isOpen(handle))
            result = kErrorInvalidHandle;
        else if (result = resultOf("WlanRegisterNotification", result); result == kErrorSuccess)
            subscribed_.insert(handle);
    }
    if (result == kErrorSuccess) hub_->subscribe(handle, sourceMask, std::move(callback));
    log_.record([handle, sourceMask, result] {
        return "WlanRegisterNotification(" + handleText(handle) + ", source=" + hex(sourceMask) +
               ") -> " + std::to_string(result);
    });
    return result;
}

Win32Error SimWlan::setSecuritySettings(WlanHandle handle, std::uint32_t securableObject,
                                        const std::string& sddl) {
    Win32Error result;
    {
        std::lock_guard lock(lock_);
        result = isOpen(handle) ? resultOf("WlanSetSecuritySettings", kErrorSuccess)
                                : kErrorInvalidHandle;
    }
    if (log_.kept())
        log_.record([handle, securableObject, sddl = std::string(sddl), result] {
            return "WlanSetSecuritySettings(" + handleText(handle) +
                   ", object=" + std::to_string(securableObject) + ", sddl=" + quoted(sddl) +
                   ") -> " + std::to_string(result);
        });
    return result;
}

std::size_t SimWlan::openHandles() const {
    std::lock_guard lock(lock_);
    return open_.size();
}

bool SimWlan::updateInterface(const Guid& guid,
                              const std::function<void(InterfaceScenario&)>& edit) {
    std::lock_guard lock(lock_);
    auto k = indexOf(guid);
    if (k) {
        edit(scenario_.interfaces[*k]);
        reindex();
    }
    return k.has_value();
}

bool SimWlan::guidTextFails(const Guid& guid) const {
    std::lock_guard lock(lock_);
    return failingGuidTexts_.count(guid.bytes) != 0;
}

std::vector<IhvRequest> SimWlan::ihvRequests() const {
    std::lock_guard lock(lock_);
    return ihvRequests_;
}

}  // namespace zlx::sim
