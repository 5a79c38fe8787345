// The IHV service's notifications drive the Troubleshooting run. The whole headless program
// runs on the default machine while the service answers the diagnostics request with a script
// made from the fuzzer's bytes: event codes the program knows, unknown ones and raw payloads.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>

#include "launcher/program.h"
#include "launcher/run_parts.h"
#include "scriptmode/script_runner.h"
#include "sim/ihv_service.h"
#include "sim/scenario.h"
#include "ui/headless.h"

namespace {

using namespace zlx;

constexpr std::uint32_t kKnownEvents[] = {
    0x80000000, 0x80000001, 0x80000002, 0x80000003, 0x80000004, 0x80000005, 0x80000010, 1, 5, 33};

std::vector<sim::IhvEvent> eventsFrom(FuzzedDataProvider& in, std::size_t most) {
    std::vector<sim::IhvEvent> events;
    while (in.remaining_bytes() > 0 && events.size() < most) {
        sim::IhvEvent e;
        e.delayMs = in.ConsumeIntegralInRange<platform::Millis>(0, 40000);
        switch (in.ConsumeIntegralInRange(0, 2)) {
            case 0:
                e.payload = sim::ihvEventPayload(in.PickValueInArray(kKnownEvents),
                                                 in.ConsumeIntegral<std::uint32_t>());
                break;
            case 1:
                e.payload = sim::ihvEventPayload(in.ConsumeIntegral<std::uint32_t>(),
                                                 in.ConsumeIntegral<std::uint32_t>());
                break;
            default:
                e.payload = in.ConsumeBytes<std::uint8_t>(in.ConsumeIntegralInRange(0, 64));
                e.raw = true;
        }
        events.push_back(std::move(e));
    }
    return events;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    sim::Scenario scenario = sim::loadDefaultScenario();
    if (scenario.wlan.interfaces.empty()) std::abort();
    // The service answers the enter request and every leave request with events of the input,
    // so a leave request answered by "failed to connect", "connected" or "profile not found"
    // is among what is tried.
    auto& service = scenario.wlan.interfaces.front().ihvService;
    service.onEnter = eventsFrom(in, in.ConsumeIntegralInRange<std::size_t>(0, 64));
    service.onLeave = eventsFrom(in, 16);

    platform::ManualClock clock(scenario.machine.localTimeStart);
    ui::HeadlessServices services;
    launcher::Program program(scenario, clock, services, launcher::InstanceScope::ownProcess(),
                              launcher::processHandleBase());
    ui::HeadlessDriver driver(program.desktop(), clock);
    std::ostringstream transcript, errors;
    scriptmode::ScriptRunner runner(
        scriptmode::parseScript("tab 1\nclick 1042\nclick 16\nadvance 2000000\ndump\nclick 2\n"),
        program.desktop(), driver, services, program.scriptHooks(), transcript);
    driver.setInput(&runner);
    launcher::runScripted(program, runner, {}, transcript, errors);
    // One Start is one run: whatever the service says, it ends with one failure box at most.
    if (services.messageBoxes().size() > 1) std::abort();
    return 0;
}
