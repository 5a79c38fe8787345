// One refresh tick of each status page on the built-in machine, and beside it the same Native
// Wifi calls and adapter details builds made bare: replayed without the refresh's own logic.
// The counter "ratio" is tick time / bare time (the goal is at most 1.2).

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "adapterinfo/adapter_state.h"
#include "context/user_messages.h"
#include "platform/host.h"
#include "platform/sim/scenario.h"
#include "platform/sim/sim_machine.h"
#include "status/diagnostics_page.h"
#include "status/link_status_page.h"
#include "ui/headless.h"

namespace {

using namespace zlx;

// Forwards every Native Wifi call and, while recording, keeps a copy of it to replay bare.
class RecordingWlan final : public platform::WlanApi {
  public:
    explicit RecordingWlan(platform::WlanApi& inner) : inner_(inner) {}
    bool recording = false;
    std::vector<std::function<void()>> calls;

    platform::Win32Error openHandle(std::uint32_t v, std::uint32_t& n,
                                    platform::WlanHandle& h) override {
        keep([this, v] {
            std::uint32_t n2 = 0;
            platform::WlanHandle h2 = 0;
            inner_.openHandle(v, n2, h2);
            inner_.closeHandle(h2);
        });
        return inner_.openHandle(v, n, h);
    }
    platform::Win32Error closeHandle(platform::WlanHandle h) override {
        return inner_.closeHandle(h);
    }
    platform::Win32Error enumInterfaces(platform::WlanHandle h,
                                        std::vector<platform::WlanInterfaceInfo>& i) override {
        keep([this, h] {
            std::vector<platform::WlanInterfaceInfo> out;
            inner_.enumInterfaces(bareHandle(h), out);
        });
        return inner_.enumInterfaces(h, i);
    }
    platform::Win32Error queryInterface(platform::WlanHandle h, const platform::Guid& g,
                                        std::uint32_t op, std::vector<std::uint8_t>& d,
                                        std::uint32_t& t) override {
        keep([this, h, g, op] {
            std::vector<std::uint8_t> out;
            std::uint32_t type = 0;
            inner_.queryInterface(bareHandle(h), g, op, out, type);
        });
        return inner_.queryInterface(h, g, op, d, t);
    }
    platform::Win32Error getProfileList(platform::WlanHandle h, const platform::Guid& g,
                                        std::vector<platform::WlanProfileInfo>& p) override {
        return inner_.getProfileList(h, g, p);
    }
    platform::Win32Error getProfile(platform::WlanHandle h, const platform::Guid& g,
                                    const std::string& name, std::string& xml) override {
        keep([this, h, g, name] {
            std::string out;
            inner_.getProfile(bareHandle(h), g, name, out);
        });
        return inner_.getProfile(h, g, name, xml);
    }
    platform::Win32Error ihvControl(platform::WlanHandle h, const platform::Guid& g,
                                    std::uint32_t type, std::span<const std::uint8_t> request,
                                    std::span<std::uint8_t> answer,
                                    std::uint32_t& returned) override {
        keep([this, h, g, type, bytes = std::vector<std::uint8_t>(request.begin(), request.end()),
              size = answer.size()] {
            std::vector<std::uint8_t> out(size);
            std::uint32_t count = 0;
            inner_.ihvControl(bareHandle(h), g, type, bytes, out, count);
        });
        return inner_.ihvControl(h, g, type, request, answer, returned);
    }
    platform::Win32Error registerNotification(platform::WlanHandle h, std::uint32_t mask,
                                              platform::WlanNotificationCallback cb) override {
        return inner_.registerNotification(h, mask, std::move(cb));
    }
    platform::Win32Error setSecuritySettings(platform::WlanHandle h, std::uint32_t object,
                                             const std::string& sddl) override {
        return inner_.setSecuritySettings(h, object, sddl);
    }

    // One handle that stays open for the bare calls that need one.
    platform::WlanHandle bare = 0;

  private:
    platform::WlanHandle bareHandle(platform::WlanHandle) const { return bare; }
    void keep(std::function<void()> call) {
        if (recording) calls.push_back(std::move(call));
    }
    platform::WlanApi& inner_;
};

std::optional<std::string> noStrings(int) {
    return std::nullopt;
}

// The built-in machine with a status page, the program's start done.
struct StatusBench {
    explicit StatusBench(const std::string& folder)
        : machine(platform::sim::loadDefaultScenario(), clock, platform::sim::CallRecording::Off),
          wlan(machine.wlan()),
          mutexes(folder, clock),
          instance("{status-refresh-bench}", folder),
          base(platform::sim::makePlatform(machine, mutexes, instance, saved)),
          platform{wlan,           base.registry, base.files,    base.folders,   base.system,
                   base.codePages, base.help,     base.rpc,      base.ipHelper,  base.devices,
                   base.processes, base.mutexes,  base.instance, base.savedFiles},
          desktop(clock, services, &noStrings, 0x10000),
          context(platform, desktop),
          driver(platform.wlan, context.selection.selectedInterface,
                 context.flags.serviceControlOff, context.product.networkVendorOui) {
        std::uint32_t version = 0;
        wlan.openHandle(2, version, wlan.bare);
        adapterinfo::selectAdapterAtStart(state());
    }
    adapterinfo::AdapterStateContext state() { return {context, driver, records}; }

    platform::ManualClock clock;
    platform::sim::SimMachine machine;
    RecordingWlan wlan;
    platform::host::NativeNamedMutexes mutexes;
    platform::host::NativeSingleInstance instance;
    platform::host::NativeSavedFiles saved;
    platform::Platform base;
    platform::Platform platform;
    ui::HeadlessServices services;
    ui::Desktop desktop;
    context::AppContext context;
    wlan::DriverChannel driver;
    adapterinfo::LinkRecords records;
};

using Micros = std::chrono::duration<double, std::micro>;

// Each iteration makes one tick and then its calls bare, timing both; the counters give the
// mean of each and their ratio.
template <typename Page>
void benchTick(benchmark::State& state, const std::function<void(StatusBench&)>& otherCalls) {
    std::string folder = (std::filesystem::temp_directory_path() / "zlxbench-XXXXXX").string();
    if (!::mkdtemp(folder.data())) {
        state.SkipWithError("no temporary folder for the named mutexes");
        return;
    }
    {
        StatusBench b(folder);
        Page page(b.state());
        page.create(ui::kNoWindow);
        auto tick = [&] { b.desktop.send(page.handle(), context::kWmRefreshPage); };
        // A recorded tick gives the Native Wifi calls to replay; each tick also builds the
        // adapter details once and makes the few other calls `otherCalls` names.
        b.wlan.recording = true;
        tick();
        b.wlan.recording = false;
        Micros tickTime{0}, bareTime{0};
        for (auto _ : state) {
            auto start = std::chrono::steady_clock::now();
            tick();
            auto middle = std::chrono::steady_clock::now();
            for (const auto& call : b.wlan.calls) call();
            auto details = adapterinfo::buildAdapterDetails(
                b.context, b.context.selection.selectedAdapterDescription);
            benchmark::DoNotOptimize(details);
            otherCalls(b);
            auto end = std::chrono::steady_clock::now();
            tickTime += middle - start;
            bareTime += end - middle;
        }
        const double n = static_cast<double>(state.iterations());
        state.counters["tick_us"] = tickTime.count() / n;
        state.counters["bare_us"] = bareTime.count() / n;
        state.counters["ratio"] = tickTime.count() / bareTime.count();
        state.counters["wlan_calls"] = static_cast<double>(b.wlan.calls.size());
        page.destroy();
    }
    std::filesystem::remove_all(folder);
}

void BM_CurrentStatusTick(benchmark::State& s) {
    benchTick<status::LinkStatusPage>(s, [](StatusBench& b) {
        benchmark::DoNotOptimize(b.platform.codePages.ansiToUtf8("ZLX-Office"));
    });
}
void BM_DiagnosticsTick(benchmark::State& s) {
    benchTick<status::DiagnosticsPage>(s, [](StatusBench& b) {
        std::string name;
        b.platform.system.computerName(platform::kComputerNameDnsFullyQualified, name);
    });
}

BENCHMARK(BM_CurrentStatusTick);
BENCHMARK(BM_DiagnosticsTick);

}  // namespace
