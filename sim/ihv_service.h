#pragma once
// The vendor's IHV service: it takes the enter and leave messages and answers each with the
// scripted events of the scenario, sent as IHV notifications at their times on the clock.

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "sim/notification_hub.h"
#include "sim/platform_names.h"
#include "sim/scenario.h"

namespace zlx::sim {

inline constexpr std::uint32_t kServiceEnter = 0;
inline constexpr std::uint32_t kServiceLeave = 1;

// The 264-byte service control message: OUI, a marker byte, the operation and, for enter, the
// profile name in 128 UTF-16 units.
struct ServiceControl {
    std::array<std::uint8_t, 3> oui{};
    std::uint8_t marker = 0;
    std::uint32_t operation = 0;
    std::string profileName;
};
// Empty when the message is too short to hold the operation.
std::optional<ServiceControl> decodeServiceControl(std::span<const std::uint8_t> message);

// The call-log name of one scripted event.
std::string describeIhvEvent(const IhvEvent& event);

// The data of an IHV notification: the event code and the second word, little-endian.
std::vector<std::uint8_t> ihvEventPayload(std::uint32_t event, std::uint32_t second = 0);
// An IHV notification as the service delivers it.
WlanNotification ihvNotification(std::uint32_t event, std::uint32_t second = 0);

class IhvService {
  public:
    IhvService(Clock& clock, std::weak_ptr<NotificationHub> hub);
    ~IhvService();
    IhvService(const IhvService&) = delete;
    IhvService& operator=(const IhvService&) = delete;

    // Cancels what is still pending of the previous script, then schedules `script` from now.
    void start(const Guid& interfaceGuid, const std::vector<IhvEvent>& script);
    void cancelPending();

  private:
    Clock& clock_;
    std::weak_ptr<NotificationHub> hub_;
    std::mutex mutex_;
    std::vector<ScheduleId> pending_;
};

}  // namespace zlx::sim
