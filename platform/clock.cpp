#include "platform/clock.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "platform/calendar.h"

namespace zlx::platform {

void Clock::beginActivity() {
    std::lock_guard lock(activityMutex_);
    ++active_;
}

void Clock::endActivity() {
    std::lock_guard lock(activityMutex_);
    if (--active_ == 0) activityIdle_.notify_all();
}

void Clock::waitForQuiet() {
    std::unique_lock lock(activityMutex_);
    activityIdle_.wait(lock, [this] { return active_ == 0; });
}

WallTime Clock::wallTime() const {
    WallTime time;
    time.local = localTime();
    return time;
}

std::string formatIso8601(const WallTime& time) {
    const std::tm& t = time.local;
    const int offset = std::abs(time.utcOffsetMinutes);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:%02d.%03d%c%02d:%02d",
                  t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec,
                  time.millis, time.utcOffsetMinutes < 0 ? '-' : '+', offset / 60, offset % 60);
    return buffer;
}

// ---- ManualClock

std::tm ManualClock::defaultWallStart() {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 0;
    t.tm_mday = 15;
    t.tm_hour = 10;
    t.tm_isdst = 0;
    return t;
}

ManualClock::ManualClock(std::tm wallStart, int utcOffsetMinutes)
    : wallStart_(static_cast<std::time_t>(secondsSinceEpoch(wallStart))),
      utcOffsetMinutes_(utcOffsetMinutes) {}

WallTime ManualClock::wallTime() const {
    const Millis reading = now();
    WallTime time;
    time.local = utcFields(std::int64_t{wallStart_} + reading / 1000);
    time.millis = static_cast<int>(reading % 1000);
    time.utcOffsetMinutes = utcOffsetMinutes_;
    return time;
}

Millis ManualClock::now() const {
    return now_.load(std::memory_order_acquire);
}

std::tm ManualClock::localTime() const {
    // The simulated machine's local time: the start reading plus the elapsed time, without
    // any time zone of the host.
    return utcFields(std::int64_t{wallStart_} + now() / 1000);
}

ScheduleId ManualClock::schedule(Millis due, std::function<void()> action) {
    std::lock_guard lock(mutex_);
    ScheduleId id = nextId_++;
    const Millis now = now_.load(std::memory_order_relaxed);
    queue_.emplace(Key{due < now ? now : due, id}, std::move(action));
    return id;
}

void ManualClock::cancel(ScheduleId id) {
    std::lock_guard lock(mutex_);
    for (auto it = queue_.begin(); it != queue_.end(); ++it) {
        if (it->first.id == id) {
            queue_.erase(it);
            return;
        }
    }
}

void ManualClock::sleepFor(Millis duration) {
    if (drivenByCallingThread()) {
        Millis target = now() + (duration > 0 ? duration : 0);
        while (runNextDue(target)) waitForQuiet();
        return;
    }
    bool woken = false;
    std::unique_lock lock(mutex_);
    ScheduleId id = nextId_++;
    // The waker runs inside advanceTo(): it hands the activity back to this thread before the
    // clock settles, so the settle step waits for what the thread does next.
    queue_.emplace(Key{now_.load(std::memory_order_relaxed) + duration, id}, [this, &woken] {
        beginActivity();
        std::lock_guard inner(mutex_);
        woken = true;
        sleepers_.notify_all();
    });
    lock.unlock();
    endActivity();
    lock.lock();
    sleepers_.wait(lock, [&] { return woken; });
}

bool ManualClock::drivenByCallingThread() const {
    return std::this_thread::get_id() == driver_;
}

bool ManualClock::hasDue() const {
    std::lock_guard lock(mutex_);
    return !queue_.empty() && queue_.begin()->first.due <= now_.load(std::memory_order_relaxed);
}

void ManualClock::moveTo(Millis time) {
    if (time > now_.load(std::memory_order_relaxed)) now_.store(time, std::memory_order_release);
}

void ManualClock::skipTo(Millis target) {
    std::lock_guard lock(mutex_);
    moveTo(target);
}

bool ManualClock::runNextDue(Millis target) {
    std::function<void()> action;
    {
        std::lock_guard lock(mutex_);
        if (queue_.empty() || queue_.begin()->first.due > target) {
            moveTo(target);
            return false;
        }
        auto it = queue_.begin();
        moveTo(it->first.due);
        action = std::move(it->second);
        queue_.erase(it);
    }
    action();
    return true;
}

void ManualClock::advanceTo(Millis target, const std::function<void()>& settle) {
    bool ran;
    do {
        ran = runNextDue(target);
        waitForQuiet();
        if (settle) settle();
    } while (ran);
}

// ---- RealClock

namespace {
Millis steadyMillis() {
    using namespace std::chrono;
    static const auto start = steady_clock::now();
    return duration_cast<milliseconds>(steady_clock::now() - start).count();
}
}  // namespace

RealClock::RealClock() : thread_([this] { run(); }) {}

RealClock::~RealClock() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

Millis RealClock::now() const {
    return steadyMillis();
}

std::tm RealClock::localTime() const {
    return hostLocalTime(std::time(nullptr));
}

WallTime RealClock::wallTime() const {
    using namespace std::chrono;
    const auto since = system_clock::now().time_since_epoch();
    const std::int64_t milliseconds = duration_cast<std::chrono::milliseconds>(since).count();
    const std::int64_t seconds = milliseconds / 1000;
    WallTime time;
    time.local = hostLocalTime(static_cast<std::time_t>(seconds));
    time.millis = static_cast<int>(milliseconds % 1000);
    // The zone's offset at that moment: its local fields read as UTC, less the moment itself.
    time.utcOffsetMinutes = static_cast<int>((secondsSinceEpoch(time.local) - seconds) / 60);
    return time;
}

ScheduleId RealClock::schedule(Millis due, std::function<void()> action) {
    std::lock_guard lock(mutex_);
    ScheduleId id = nextId_++;
    queue_.emplace(Key{due, id}, std::move(action));
    changed_.notify_all();
    return id;
}

void RealClock::cancel(ScheduleId id) {
    std::lock_guard lock(mutex_);
    for (auto it = queue_.begin(); it != queue_.end(); ++it) {
        if (it->first.id == id) {
            queue_.erase(it);
            return;
        }
    }
}

void RealClock::sleepFor(Millis duration) {
    std::this_thread::sleep_for(std::chrono::milliseconds(duration));
}

void RealClock::run() {
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        if (queue_.empty()) {
            changed_.wait(lock);
            continue;
        }
        Millis due = queue_.begin()->first.due;
        Millis current = steadyMillis();
        if (due > current) {
            changed_.wait_for(lock, std::chrono::milliseconds(due - current));
            continue;
        }
        auto action = std::move(queue_.begin()->second);
        queue_.erase(queue_.begin());
        lock.unlock();
        action();
        lock.lock();
    }
}

}  // namespace zlx::platform
