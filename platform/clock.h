#pragma once
// All time of the program: readings, scheduled callbacks, sleeps of worker threads.
// The program runs on RealClock; tests and script mode run on ManualClock, where time moves
// only when advanced and everything due runs in time order, the same way every time.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <ctime>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>

namespace zlx::platform {

using Millis = std::int64_t;
using ScheduleId = std::uint64_t;

// A reading of the local wall clock to the millisecond, with its zone's offset from UTC.
struct WallTime {
    std::tm local{};
    int millis = 0;
    int utcOffsetMinutes = 0;
};

// "2026-01-15T10:00:02.000+01:00": ISO 8601 with milliseconds and the offset.
std::string formatIso8601(const WallTime& time);

class Clock {
  public:
    virtual ~Clock() = default;

    // Monotonic milliseconds since the clock was made.
    virtual Millis now() const = 0;
    // The local wall-clock time (for time stamps and file dates).
    virtual std::tm localTime() const = 0;
    // The same to the millisecond, with the offset of its time zone.
    virtual WallTime wallTime() const;
    // Runs `action` once at `due` (or as soon as possible when `due` has passed). On RealClock
    // it runs on the clock's own thread; on ManualClock inside advanceTo().
    virtual ScheduleId schedule(Millis due, std::function<void()> action) = 0;
    virtual void cancel(ScheduleId id) = 0;
    // Blocks the calling thread (never the user-interface thread) for `duration`.
    virtual void sleepFor(Millis duration) = 0;
    // True on the thread that moves this clock's time: there a wait must move it itself, since
    // no other thread will. Only a manual clock has such a thread.
    virtual bool drivenByCallingThread() const { return false; }

    // Threads that do work on behalf of the program (worker threads, the simulated service's
    // notification thread) mark that work, so a manual run can wait until all is quiet.
    void beginActivity();
    void endActivity();
    // Waits until no thread is active.
    void waitForQuiet();

  private:
    std::mutex activityMutex_;
    std::condition_variable activityIdle_;
    int active_ = 0;
};

// Marks the enclosing scope as activity of the calling thread.
class ActivityScope {
  public:
    explicit ActivityScope(Clock& clock) : clock_(clock) { clock_.beginActivity(); }
    ~ActivityScope() { clock_.endActivity(); }
    ActivityScope(const ActivityScope&) = delete;
    ActivityScope& operator=(const ActivityScope&) = delete;

  private:
    Clock& clock_;
};

class ManualClock final : public Clock {
  public:
    // `wallStart` is the local time at clock reading 0. The thread that makes the clock is the
    // one that drives it (the headless loop, a test).
    // `utcOffsetMinutes` is the time zone of that local time.
    explicit ManualClock(std::tm wallStart = defaultWallStart(), int utcOffsetMinutes = 0);

    Millis now() const override;
    std::tm localTime() const override;
    WallTime wallTime() const override;
    ScheduleId schedule(Millis due, std::function<void()> action) override;
    void cancel(ScheduleId id) override;
    // Other threads wait until the driving thread advances the clock. The driving thread itself
    // (a bounded wait on the user-interface thread) moves the clock by `duration`: nobody else
    // would, and what falls due meanwhile runs as it would on a real clock.
    void sleepFor(Millis duration) override;
    bool drivenByCallingThread() const override;

    // Moves time to `target`. Each scheduled action due on the way runs at its own time, in
    // (time, order of scheduling) order; after each one and at the end, `settle` runs (the
    // caller drains its message queue there).
    void advanceTo(Millis target, const std::function<void()>& settle);
    // One step of advanceTo(): runs the earliest action due at or before `target` at its own
    // time and returns true, or moves the time to `target` and returns false.
    bool runNextDue(Millis target);
    bool hasDue() const;
    // Moves time to `target` at once, running nothing on the way, as on a machine that did not
    // schedule the program meanwhile: what fell due runs late, at `target`, on the next calls
    // of runNextDue(), in (time, order of scheduling) order.
    void skipTo(Millis target);

    static std::tm defaultWallStart();

  private:
    struct Key {
        Millis due;
        ScheduleId id;
        bool operator<(const Key& o) const { return due != o.due ? due < o.due : id < o.id; }
    };
    // Moves now_ forward to `time`, never back; mutex_ is held.
    void moveTo(Millis time);

    mutable std::mutex mutex_;
    std::condition_variable sleepers_;
    // Written only under mutex_; read without it, since the simulated machine reads the time
    // on every call and a lock there costs more than the call's own work.
    std::atomic<Millis> now_ = 0;
    ScheduleId nextId_ = 1;
    std::map<Key, std::function<void()>> queue_;
    std::time_t wallStart_;
    int utcOffsetMinutes_ = 0;
    std::thread::id driver_ = std::this_thread::get_id();
};

class RealClock final : public Clock {
  public:
    RealClock();
    ~RealClock() override;

    Millis now() const override;
    std::tm localTime() const override;
    WallTime wallTime() const override;
    ScheduleId schedule(Millis due, std::function<void()> action) override;
    void cancel(ScheduleId id) override;
    void sleepFor(Millis duration) override;

  private:
    void run();
    struct Key {
        Millis due;
        ScheduleId id;
        bool operator<(const Key& o) const { return due != o.due ? due < o.due : id < o.id; }
    };
    std::mutex mutex_;
    std::condition_variable changed_;
    std::map<Key, std::function<void()>> queue_;
    ScheduleId nextId_ = 1;
    bool stopping_ = false;
    std::thread thread_;  // last: starts after the members above exist
};

}  // namespace zlx::platform
