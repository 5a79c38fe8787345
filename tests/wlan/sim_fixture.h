#pragma once
// A simulated machine built from a scenario text, for tests of the wireless layer.

#include <memory>
#include <string>

#include "platform/clock.h"
#include "platform/windows_types.h"
#include "sim/scenario.h"
#include "sim/sim_machine.h"

namespace zlx::testing {

inline constexpr const char* kAdapterGuid = "3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c";

struct SimFixture {
    explicit SimFixture(const std::string& json)
        : scenario(sim::parseScenario(json, "test.json")),
          machine(std::make_unique<sim::SimMachine>(scenario, clock)) {
        platform::parseGuid(kAdapterGuid, adapter);
    }
    platform::ManualClock clock;
    sim::Scenario scenario;
    std::unique_ptr<sim::SimMachine> machine;
    platform::Guid adapter;
};

// One interface with the given driver section.
inline std::string driverScenario(const std::string& driver, const std::string& wlanExtra = "") {
    return R"({"wlan": {)" + wlanExtra + R"("interfaces": [{"guid": ")" + kAdapterGuid +
           R"(", "description": "Norvane ZLX", "state": "connected", "driver": )" + driver + "}]}}";
}

}  // namespace zlx::testing
