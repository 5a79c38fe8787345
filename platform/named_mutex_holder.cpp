#include "platform/named_mutex_holder.h"

#include <condition_variable>
#include <mutex>

namespace zlx::platform {

// Shared with the scheduled release, which may still run on a real clock's thread while the
// holder goes away.
struct NamedMutexHolder::Shared {
    std::mutex mutex;
    std::condition_variable changed;
    bool started = false;
    bool holding = false;
    bool due = false;
    bool stopping = false;
    // The release handed the clock's activity to the holder's thread, which ends it once the
    // mutex is free: a manual clock settles only after the release took effect.
    bool activityHanded = false;
};

NamedMutexHolder::NamedMutexHolder(NamedMutexes& mutexes, const std::string& name, Clock& clock,
                                   Millis holdMs)
    : shared_(std::make_shared<Shared>()), clock_(clock) {
    thread_ = std::thread([shared = shared_, &mutexes, name, &clock] {
        std::unique_ptr<NamedMutex> mutex = mutexes.create(name);
        bool took = mutex && mutex->wait(0) != kWaitTimeout;
        std::unique_lock lock(shared->mutex);
        shared->started = true;
        shared->holding = took;
        shared->changed.notify_all();
        shared->changed.wait(lock, [&] { return shared->due || shared->stopping; });
        bool handed = shared->activityHanded;
        shared->holding = false;
        lock.unlock();
        if (took) mutex->release();
        mutex.reset();
        if (handed) clock.endActivity();
    });
    {
        std::unique_lock lock(shared_->mutex);
        shared_->changed.wait(lock, [&] { return shared_->started; });
    }
    release_ = clock_.schedule(clock_.now() + holdMs, [shared = shared_, &clock] {
        std::lock_guard lock(shared->mutex);
        if (shared->stopping || shared->due) return;
        clock.beginActivity();
        shared->activityHanded = true;
        shared->due = true;
        shared->changed.notify_all();
    });
}

NamedMutexHolder::~NamedMutexHolder() {
    clock_.cancel(release_);
    {
        std::lock_guard lock(shared_->mutex);
        shared_->stopping = true;
        shared_->changed.notify_all();
    }
    thread_.join();
}

bool NamedMutexHolder::holding() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->holding;
}

}  // namespace zlx::platform
