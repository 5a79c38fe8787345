#pragma once
// The simulated Native Wifi service, with the adapter drivers and the IHV service behind its
// IHV control channel.

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/clock.h"
#include "platform/wlan.h"
#include "sim/brief_lock.h"
#include "sim/call_log.h"
#include "sim/ihv_service.h"
#include "sim/notification_hub.h"
#include "sim/platform_names.h"
#include "sim/scenario.h"

namespace zlx::sim {

// One WlanIhvControl call as it arrived, for tests that check the bytes sent.
struct IhvRequest {
    WlanHandle handle = 0;
    Guid interfaceGuid;
    std::uint32_t type = 0;
    std::vector<std::uint8_t> request;
    std::size_t answerSize = 0;
};

class SimWlan final : public WlanApi {
  public:
    SimWlan(const WlanScenario& scenario, Clock& clock, CallLog& log);
    ~SimWlan() override;

    Win32Error openHandle(std::uint32_t clientVersion, std::uint32_t& negotiatedVersion,
                          WlanHandle& handle) override;
    Win32Error closeHandle(WlanHandle handle) override;
    Win32Error enumInterfaces(WlanHandle handle,
                              std::vector<WlanInterfaceInfo>& interfaces) override;
    Win32Error enumInterfaceSet(WlanHandle handle,
                                std::shared_ptr<const WlanInterfaceSet>& interfaces) override;
    Win32Error queryInterface(WlanHandle handle, const Guid& interfaceGuid, std::uint32_t opcode,
                              std::vector<std::uint8_t>& data, std::uint32_t& valueType) override;
    Win32Error getProfileList(WlanHandle handle, const Guid& interfaceGuid,
                              std::vector<WlanProfileInfo>& profiles) override;
    Win32Error getProfile(WlanHandle handle, const Guid& interfaceGuid,
                          const std::string& profileName, std::string& xml) override;
    Win32Error ihvControl(WlanHandle handle, const Guid& interfaceGuid, std::uint32_t type,
                          std::span<const std::uint8_t> request, std::span<std::uint8_t> answer,
                          std::uint32_t& bytesReturned) override;
    Win32Error registerNotification(WlanHandle handle, std::uint32_t sourceMask,
                                    WlanNotificationCallback callback) override;
    Win32Error setSecuritySettings(WlanHandle handle, std::uint32_t securableObject,
                                   const std::string& sddl) override;

    std::size_t openHandles() const;
    // Runs `edit` on the interface under the service's lock; false when there is no such
    // interface.
    bool updateInterface(const Guid& guid, const std::function<void(InterfaceScenario&)>& edit);
    bool guidTextFails(const Guid& guid) const;
    std::vector<IhvRequest> ihvRequests() const;

  private:
    // The helpers below expect lock_ to be held.
    bool isOpen(WlanHandle handle) const {
        return std::binary_search(open_.begin(), open_.end(), handle);
    }
    // The interface if it is on the machine now.
    InterfaceScenario* find(const Guid& guid);
    // Whether interface k is on the machine at this clock reading.
    bool presentNow(std::size_t k);
    // The result the scenario gives `call` on an open handle, else `own`.
    Win32Error resultOf(std::string_view call, Win32Error own) const {
        auto it = scenario_.callResults.find(call);
        return it == scenario_.callResults.end() ? own : it->second;
    }
    // The interface's place in scenario_.interfaces (the first of a GUID the scenario repeats).
    std::optional<std::size_t> indexOf(const Guid& guid) const;
    // Builds the lookups below again after the interfaces changed.
    void reindex();
    // Schedules the arrival and removal notifications of the interfaces that come and go.
    void schedulePresenceNotifications();
    Win32Error queryLocked(const InterfaceScenario& iface, std::uint32_t opcode,
                           std::vector<std::uint8_t>& data);
    // The script to start, if any, comes back in `script`.
    Win32Error serviceControl(const InterfaceScenario& iface, std::span<const std::uint8_t> request,
                              std::string& details, const std::vector<IhvEvent>*& script);

    CallLog& log_;
    Clock& clock_;  // the link's dynamics follow its readings
    // Every call holds it only for its own work: never while the hub or the IHV service runs,
    // nor while an action waits.
    mutable BriefLock lock_;
    WlanScenario scenario_;
    // In increasing order, as handles are given out: a handle opened and closed for each
    // request costs no allocation.
    std::vector<WlanHandle> open_;
    std::set<WlanHandle> subscribed_;  // handles the hub has a registration for
    WlanHandle nextHandle_ = 1;
    std::vector<IhvRequest> ihvRequests_;
    // Lookups a scenario with thousands of interfaces or profiles needs: by GUID, the GUIDs
    // whose text form fails, and each interface's profiles by name (the first of a name).
    std::map<std::array<std::uint8_t, 16>, std::size_t> byGuid_;
    std::set<std::array<std::uint8_t, 16>> failingGuidTexts_;
    std::vector<std::unordered_map<std::string, std::size_t>> profilesByName_;
    std::vector<LiveLink> liveLinks_;  // each interface's link now
    // The enumeration's answer, made at the first enumeration after the interfaces changed or
    // one came or went; which interfaces were on the machine for it, when any comes and goes.
    std::shared_ptr<const WlanInterfaceSet> enumeration_;
    std::vector<bool> enumeratedPresence_;
    bool presenceChanges_ = false;  // some interface is absent at some time
    std::vector<ScheduleId> presenceNotices_;
    std::shared_ptr<NotificationHub> hub_;
    IhvService ihvService_;  // after hub_: its pending events go first
};

}  // namespace zlx::sim
