#pragma once
// The simulated machine answers the platform's interfaces in the platform's own words: inside
// zlx::sim, the platform's types and result codes are named as they are in zlx::platform.

namespace zlx::platform {}

namespace zlx::sim {
using namespace zlx::platform;
}  // namespace zlx::sim
