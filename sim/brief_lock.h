#pragma once
// A lock for sections of a few hundred nanoseconds that other threads rarely want at the same
// moment, such as one call into the simulated Wi-Fi service. Letting it go is a plain store,
// where std::mutex makes a second atomic exchange, and a driver request takes the service's
// lock three times (open, control, close). A thread
// that finds it taken yields its processor and tries again instead of sleeping, so a section
// under it must stay short and must never wait for another thread.

#include "sim/platform_names.h"

#include <atomic>
#include <thread>

namespace zlx::sim {

class BriefLock {
  public:
    void lock() noexcept {
        while (held_.exchange(true, std::memory_order_acquire)) {
            while (held_.load(std::memory_order_relaxed)) std::this_thread::yield();
        }
    }
    bool try_lock() noexcept {
        return !held_.load(std::memory_order_relaxed) &&
               !held_.exchange(true, std::memory_order_acquire);
    }
    void unlock() noexcept { held_.store(false, std::memory_order_release); }

  private:
    std::atomic<bool> held_ = false;
};

}  // namespace zlx::sim
