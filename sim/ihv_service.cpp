#include "sim/ihv_service.h"

#include <algorithm>

#include "platform/bytes.h"
#include "platform/text.h"

namespace zlx::sim {

namespace {

constexpr std::size_t kNameOffset = 8;
constexpr std::size_t kNameUnits = 128;

std::string hexBytes(const std::vector<std::uint8_t>& bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (std::uint8_t b : bytes) {
        if (!out.empty()) out += ' ';
        out += kDigits[b >> 4];
        out += kDigits[b & 0xF];
    }
    return out;
}

}  // namespace

std::optional<ServiceControl> decodeServiceControl(std::span<const std::uint8_t> message) {
    if (message.size() < kNameOffset) return std::nullopt;
    ServiceControl c;
    std::copy_n(message.begin(), 3, c.oui.begin());
    c.marker = message[3];
    c.operation = loadLe<std::uint32_t>(message, 4);
    auto name = message.subspan(kNameOffset);
    c.profileName = utf8FromUtf16le(name.first(std::min(name.size(), kNameUnits * 2)));
    return c;
}

std::string describeIhvEvent(const IhvEvent& event) {
    if (event.raw || event.payload.size() < 8) {
        return "IHV event payload [" + hexBytes(event.payload) + "]";
    }
    std::string text = "IHV event " + hex32(loadLe<std::uint32_t>(event.payload, 0));
    std::uint32_t second = loadLe<std::uint32_t>(event.payload, 4);
    if (second != 0) text += " second=" + hex32(second);
    return text;
}

IhvService::IhvService(Clock& clock, std::weak_ptr<NotificationHub> hub)
    : clock_(clock), hub_(std::move(hub)) {}

IhvService::~IhvService() {
    cancelPending();
}

void IhvService::cancelPending() {
    std::lock_guard lock(mutex_);
    for (ScheduleId id : pending_) clock_.cancel(id);
    pending_.clear();
}

void IhvService::start(const Guid& interfaceGuid, const std::vector<IhvEvent>& script) {
    std::lock_guard lock(mutex_);
    for (ScheduleId id : pending_) clock_.cancel(id);
    pending_.clear();
    Millis due = clock_.now();
    for (const IhvEvent& event : script) {
        due += event.delayMs;
        WlanNotification notification{kWlanNotificationSourceIhv, 0, interfaceGuid, event.payload};
        // The action may outlive this machine on a real clock's thread; the weak reference
        // makes it harmless then.
        pending_.push_back(
            clock_.schedule(due, [hub = hub_, notification, label = describeIhvEvent(event)] {
                if (auto live = hub.lock()) live->post(notification, label);
            }));
    }
}

std::vector<std::uint8_t> ihvEventPayload(std::uint32_t event, std::uint32_t second) {
    std::vector<std::uint8_t> payload(8, 0);
    storeLe<std::uint32_t>(payload, 0, event);
    storeLe<std::uint32_t>(payload, 4, second);
    return payload;
}

WlanNotification ihvNotification(std::uint32_t event, std::uint32_t second) {
    return WlanNotification{kWlanNotificationSourceIhv, 0, Guid{}, ihvEventPayload(event, second)};
}

}  // namespace zlx::sim
