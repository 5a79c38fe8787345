#pragma once
// The wireless service's notification thread: registrations per client handle, and the
// delivery of notifications to their callbacks on a thread of the simulated machine.

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <thread>

#include "platform/clock.h"
#include "platform/wlan.h"
#include "sim/call_log.h"
#include "sim/platform_names.h"

namespace zlx::sim {

class NotificationHub {
  public:
    NotificationHub(Clock& clock, CallLog& log);
    ~NotificationHub();
    NotificationHub(const NotificationHub&) = delete;
    NotificationHub& operator=(const NotificationHub&) = delete;

    // A mask of kWlanNotificationSourceNone ends the handle's registration. A callback already
    // running is not waited for.
    void subscribe(WlanHandle handle, std::uint32_t sourceMask, WlanNotificationCallback callback);
    void unsubscribe(WlanHandle handle);

    // Queues `notification` for delivery. The clock counts it as activity from now until its
    // callbacks have returned, so a manual clock waits for the delivery before it settles.
    // `label` names it in the call log.
    void post(WlanNotification notification, std::string label);

    // Ends the delivery thread; later posts are ignored. Waits for a callback still running.
    void stop();

  private:
    struct Pending {
        WlanNotification notification;
        std::string label;
    };
    struct Registration {
        std::uint32_t sourceMask;
        WlanNotificationCallback callback;
    };

    void run();
    void deliver(const Pending& pending, std::unique_lock<std::mutex>& lock);

    Clock& clock_;
    CallLog& log_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Pending> queue_;
    std::map<WlanHandle, Registration> registrations_;
    bool stopping_ = false;
    std::thread thread_;  // the delivery thread, from the first post on
};

}  // namespace zlx::sim
