#include "sim/notification_hub.h"

#include <vector>

namespace zlx::sim {

NotificationHub::NotificationHub(Clock& clock, CallLog& log) : clock_(clock), log_(log) {}

NotificationHub::~NotificationHub() {
    stop();
}

void NotificationHub::stop() {
    {
        std::lock_guard lock(mutex_);
        if (stopping_) return;
        stopping_ = true;
    }
    wake_.notify_all();
    // No post starts the thread once stopping_ is set, so thread_ no longer changes.
    if (thread_.joinable()) thread_.join();
    // What was never delivered must not keep a manual clock waiting.
    std::lock_guard lock(mutex_);
    for (std::size_t i = 0; i < queue_.size(); ++i) clock_.endActivity();
    queue_.clear();
}

void NotificationHub::subscribe(WlanHandle handle, std::uint32_t sourceMask,
                                WlanNotificationCallback callback) {
    std::lock_guard lock(mutex_);
    if (sourceMask == kWlanNotificationSourceNone) {
        registrations_.erase(handle);
    } else {
        registrations_[handle] = Registration{sourceMask, std::move(callback)};
    }
}

void NotificationHub::unsubscribe(WlanHandle handle) {
    std::lock_guard lock(mutex_);
    registrations_.erase(handle);
}

void NotificationHub::post(WlanNotification notification, std::string label) {
    {
        std::lock_guard lock(mutex_);
        if (stopping_) return;
        clock_.beginActivity();
        queue_.push_back(Pending{std::move(notification), std::move(label)});
        // Started by the first notification rather than with the service: a window's first
        // paint needs none, and many runs post nothing at all.
        if (!thread_.joinable()) thread_ = std::thread([this] { run(); });
    }
    wake_.notify_all();
}

void NotificationHub::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (stopping_) return;
        Pending pending = std::move(queue_.front());
        queue_.pop_front();
        deliver(pending, lock);
        clock_.endActivity();
    }
}

void NotificationHub::deliver(const Pending& pending, std::unique_lock<std::mutex>& lock) {
    std::vector<WlanNotificationCallback> callbacks;
    for (const auto& [handle, registration] : registrations_) {
        if (registration.sourceMask & pending.notification.source) {
            callbacks.push_back(registration.callback);
        }
    }
    // Callbacks run outside the lock: they may call back into the service.
    lock.unlock();
    if (callbacks.empty()) {
        log_.record([label = pending.label] { return label + " dropped (no registration)"; });
    } else {
        log_.record([label = pending.label] { return label + " delivered"; });
        for (const auto& callback : callbacks) callback(pending.notification);
    }
    lock.lock();
}

}  // namespace zlx::sim
