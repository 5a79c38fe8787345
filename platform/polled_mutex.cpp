#include "platform/polled_mutex.h"

#include <algorithm>

#include "platform/process.h"

namespace zlx::platform {

namespace {
// Short enough that a freed mutex is noticed quickly, long enough not to keep a core busy.
constexpr Millis kPollInterval = 50;
}  // namespace

std::uint32_t pollMutex(Clock& clock, std::uint32_t timeoutMs,
                        const std::function<std::uint32_t()>& tryOnce) {
    Millis waited = 0;
    for (;;) {
        std::uint32_t result = tryOnce();
        if (result != kWaitTimeout) return result;
        if (waited >= timeoutMs) return kWaitTimeout;
        Millis step = std::min<Millis>(kPollInterval, timeoutMs - waited);
        clock.sleepFor(step);
        waited += step;
    }
}

}  // namespace zlx::platform
