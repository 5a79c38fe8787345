#pragma once
// The wait of a named mutex that the kernel can only be asked about without blocking: asked
// again every 50 ms of clock time, so a manual clock decides when the wait times out.

#include <cstdint>
#include <functional>

#include "platform/clock.h"

namespace zlx::platform {

// `tryOnce` takes the mutex without waiting and answers kWaitObject0 or kWaitAbandoned when it
// did, kWaitTimeout when someone else holds it. It is tried at once and after each step, until
// it takes the mutex or `timeoutMs` has passed on `clock`.
std::uint32_t pollMutex(Clock& clock, std::uint32_t timeoutMs,
                        const std::function<std::uint32_t()>& tryOnce);

}  // namespace zlx::platform
