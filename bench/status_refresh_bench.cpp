// One refresh tick of each status page on the built-in machine, and beside it the platform
// calls that tick made, made again bare: the same calls with the same arguments in the same
// order, and no other work. The counter "ratio" is tick time / bare time, the price of the
// refresh's own logic (the goal is at most 1.2).

#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "adapterinfo/adapter_state.h"
#include "context/user_messages.h"
#include "platform/host.h"
#include "sim/scenario.h"
#include "sim/sim_machine.h"
#include "status/diagnostics_page.h"
#include "status/link_status_page.h"
#include "thread_cpu.h"
#include "ui/headless.h"

namespace {

using namespace zlx;

// The calls of one recorded tick, to make again bare. A handle or key the tick opened is
// opened again by the replay; the calls that use it find the new one in a slot by number.
struct Replay {
    platform::Platform* bare = nullptr;
    std::vector<std::function<void(Replay&)>> calls;
    std::vector<std::uint64_t> slots;
    std::vector<std::unique_ptr<platform::NamedMutex>> mutexes;
    void run() {
        for (const auto& call : calls) call(*this);
    }
};

// Forwards every call of the services a refresh uses and, while recording, keeps a copy of it
// to make again bare: the same calls with the same arguments, and nothing else.
class Recorder final : public platform::WlanApi,
                       public platform::Registry,
                       public platform::FileSystem,
                       public platform::Folders,
                       public platform::SystemInfo,
                       public platform::CodePages,
                       public platform::Rpc,
                       public platform::IpHelper,
                       public platform::DeviceManager,
                       public platform::NamedMutexes {
  public:
    explicit Recorder(platform::Platform& inner) : in_(inner) {}
    bool recording = false;
    Replay replay;

    // Native Wifi.
    platform::Win32Error openHandle(std::uint32_t v, std::uint32_t& n,
                                    platform::WlanHandle& h) override {
        auto result = in_.wlan.openHandle(v, n, h);
        opened(h, [v](Replay& r, std::size_t slot) {
            std::uint32_t n2 = 0;
            platform::WlanHandle h2 = 0;
            in(r).wlan.openHandle(v, n2, h2);
            r.slots[slot] = h2;
        });
        return result;
    }
    platform::Win32Error closeHandle(platform::WlanHandle h) override {
        if (recording)
            keep([slot = slotOf(h)](Replay& r) { in(r).wlan.closeHandle(r.slots[slot]); });
        return in_.wlan.closeHandle(h);
    }
    platform::Win32Error enumInterfaces(platform::WlanHandle h,
                                        std::vector<platform::WlanInterfaceInfo>& i) override {
        if (recording)
            keep([slot = slotOf(h)](Replay& r) {
                std::vector<platform::WlanInterfaceInfo> out;
                in(r).wlan.enumInterfaces(r.slots[slot], out);
            });
        return in_.wlan.enumInterfaces(h, i);
    }
    platform::Win32Error queryInterface(platform::WlanHandle h, const platform::Guid& g,
                                        std::uint32_t op, std::vector<std::uint8_t>& d,
                                        std::uint32_t& t) override {
        if (recording)
            keep([slot = slotOf(h), g, op](Replay& r) {
                std::vector<std::uint8_t> out;
                std::uint32_t type = 0;
                in(r).wlan.queryInterface(r.slots[slot], g, op, out, type);
            });
        return in_.wlan.queryInterface(h, g, op, d, t);
    }
    platform::Win32Error getProfileList(platform::WlanHandle h, const platform::Guid& g,
                                        std::vector<platform::WlanProfileInfo>& p) override {
        if (recording)
            keep([slot = slotOf(h), g](Replay& r) {
                std::vector<platform::WlanProfileInfo> out;
                in(r).wlan.getProfileList(r.slots[slot], g, out);
            });
        return in_.wlan.getProfileList(h, g, p);
    }
    platform::Win32Error getProfile(platform::WlanHandle h, const platform::Guid& g,
                                    const std::string& name, std::string& xml) override {
        if (recording)
            keep([slot = slotOf(h), g, name](Replay& r) {
                std::string out;
                in(r).wlan.getProfile(r.slots[slot], g, name, out);
            });
        return in_.wlan.getProfile(h, g, name, xml);
    }
    platform::Win32Error ihvControl(platform::WlanHandle h, const platform::Guid& g,
                                    std::uint32_t type, std::span<const std::uint8_t> request,
                                    std::span<std::uint8_t> answer,
                                    std::uint32_t& returned) override {
        if (recording)
            keep([slot = slotOf(h), g, type,
                  bytes = std::vector<std::uint8_t>(request.begin(), request.end()),
                  size = answer.size()](Replay& r) {
                std::array<std::uint8_t, 512> out{};
                std::uint32_t count = 0;
                in(r).wlan.ihvControl(r.slots[slot], g, type, bytes,
                                      std::span(out).first(std::min(size, out.size())), count);
            });
        return in_.wlan.ihvControl(h, g, type, request, answer, returned);
    }
    platform::Win32Error registerNotification(platform::WlanHandle h, std::uint32_t mask,
                                              platform::WlanNotificationCallback cb) override {
        unexpected();
        return in_.wlan.registerNotification(h, mask, std::move(cb));
    }
    platform::Win32Error setSecuritySettings(platform::WlanHandle h, std::uint32_t object,
                                             const std::string& sddl) override {
        unexpected();
        return in_.wlan.setSecuritySettings(h, object, sddl);
    }

    // Registry.
    std::int32_t openKey(platform::RegKey parent, const std::string& subKey, std::uint32_t access,
                         platform::RegKey& key) override {
        auto result = in_.registry.openKey(parent, subKey, access, key);
        opened(key, [parentSlot = slotOf(parent), subKey, access](Replay& r, std::size_t slot) {
            platform::RegKey k = 0;
            in(r).registry.openKey(r.slots[parentSlot], subKey, access, k);
            r.slots[slot] = k;
        });
        return result;
    }
    std::int32_t closeKey(platform::RegKey key) override {
        if (recording)
            keep([slot = slotOf(key)](Replay& r) { in(r).registry.closeKey(r.slots[slot]); });
        return in_.registry.closeKey(key);
    }
    std::int32_t queryValue(platform::RegKey key, const std::string& valueName,
                            std::uint32_t bufferSize, std::uint32_t& type,
                            std::vector<std::uint8_t>& data, std::uint32_t& dataSize) override {
        if (recording)
            keep([slot = slotOf(key), valueName, bufferSize](Replay& r) {
                std::uint32_t t = 0, size = 0;
                std::vector<std::uint8_t> out;
                in(r).registry.queryValue(r.slots[slot], valueName, bufferSize, t, out, size);
            });
        return in_.registry.queryValue(key, valueName, bufferSize, type, data, dataSize);
    }
    std::int32_t enumKey(platform::RegKey key, std::uint32_t index, std::string& name) override {
        if (recording)
            keep([slot = slotOf(key), index](Replay& r) {
                std::string out;
                in(r).registry.enumKey(r.slots[slot], index, out);
            });
        return in_.registry.enumKey(key, index, name);
    }

    // Files and folders.
    platform::Win32Error findFile(const std::string& path, platform::FindData& data) override {
        if (recording)
            keep([path](Replay& r) {
                platform::FindData out;
                in(r).files.findFile(path, out);
            });
        return in_.files.findFile(path, data);
    }
    platform::Win32Error fileVersion(const std::string& path,
                                     platform::FileVersion& version) override {
        if (recording)
            keep([path](Replay& r) {
                platform::FileVersion out;
                in(r).files.fileVersion(path, out);
            });
        return in_.files.fileVersion(path, version);
    }
    platform::Win32Error deleteFile(const std::string& path) override {
        unexpected();
        return in_.files.deleteFile(path);
    }
    platform::Win32Error readFile(const std::string& path, std::string& bytes) override {
        if (recording)
            keep([path](Replay& r) {
                std::string out;
                in(r).files.readFile(path, out);
            });
        return in_.files.readFile(path, bytes);
    }
    platform::Win32Error disableRedirection() override {
        if (recording) keep([](Replay& r) { in(r).files.disableRedirection(); });
        return in_.files.disableRedirection();
    }
    platform::Win32Error revertRedirection() override {
        if (recording) keep([](Replay& r) { in(r).files.revertRedirection(); });
        return in_.files.revertRedirection();
    }
    std::int32_t knownFolderPath(platform::KnownFolder folder, std::string& path) override {
        if (recording)
            keep([folder](Replay& r) {
                std::string out;
                in(r).folders.knownFolderPath(folder, out);
            });
        return in_.folders.knownFolderPath(folder, path);
    }
    platform::Win32Error windowsDirectory(std::string& path) override {
        if (recording)
            keep([](Replay& r) {
                std::string out;
                in(r).folders.windowsDirectory(out);
            });
        return in_.folders.windowsDirectory(path);
    }
    platform::Win32Error systemDirectory(std::string& path) override {
        if (recording)
            keep([](Replay& r) {
                std::string out;
                in(r).folders.systemDirectory(out);
            });
        return in_.folders.systemDirectory(path);
    }
    platform::Win32Error allUsersProfileDirectory(std::string& path) override {
        if (recording)
            keep([](Replay& r) {
                std::string out;
                in(r).folders.allUsersProfileDirectory(out);
            });
        return in_.folders.allUsersProfileDirectory(path);
    }

    // System.
    bool versionEx(platform::OsVersionInfo& info) override {
        if (recording)
            keep([](Replay& r) {
                platform::OsVersionInfo out;
                in(r).system.versionEx(out);
            });
        return in_.system.versionEx(info);
    }
    bool versionBasic(platform::OsVersionInfo& info) override {
        if (recording)
            keep([](Replay& r) {
                platform::OsVersionInfo out;
                in(r).system.versionBasic(out);
            });
        return in_.system.versionBasic(info);
    }
    std::uint16_t processorArchitecture() override {
        if (recording) keep([](Replay& r) { in(r).system.processorArchitecture(); });
        return in_.system.processorArchitecture();
    }
    std::uint16_t defaultLangId() override {
        if (recording) keep([](Replay& r) { in(r).system.defaultLangId(); });
        return in_.system.defaultLangId();
    }
    bool computerName(std::uint32_t format, std::string& name) override {
        if (recording)
            keep([format](Replay& r) {
                std::string out;
                in(r).system.computerName(format, out);
            });
        return in_.system.computerName(format, name);
    }
    bool localTimeOf(std::int64_t utcSeconds, std::tm& local) override {
        if (recording)
            keep([utcSeconds](Replay& r) {
                std::tm out{};
                in(r).system.localTimeOf(utcSeconds, out);
            });
        return in_.system.localTimeOf(utcSeconds, local);
    }
    std::string ansiToUtf8(std::string_view bytes) override {
        if (recording)
            keep([text = std::string(bytes)](Replay& r) {
                benchmark::DoNotOptimize(in(r).codePages.ansiToUtf8(text));
            });
        return in_.codePages.ansiToUtf8(bytes);
    }
    std::string utf8ToAnsi(std::string_view text) override {
        if (recording)
            keep([copy = std::string(text)](Replay& r) {
                benchmark::DoNotOptimize(in(r).codePages.utf8ToAnsi(copy));
            });
        return in_.codePages.utf8ToAnsi(text);
    }
    std::string oemToUtf8(std::string_view bytes) override {
        if (recording)
            keep([text = std::string(bytes)](Replay& r) {
                benchmark::DoNotOptimize(in(r).codePages.oemToUtf8(text));
            });
        return in_.codePages.oemToUtf8(bytes);
    }
    platform::Win32Error uuidToString(const platform::Guid& guid, std::string& text) override {
        if (recording)
            keep([guid](Replay& r) {
                std::string out;
                in(r).rpc.uuidToString(guid, out);
            });
        return in_.rpc.uuidToString(guid, text);
    }
    platform::Win32Error uuidFromString(const std::string& text, platform::Guid& guid) override {
        if (recording)
            keep([text](Replay& r) {
                platform::Guid out;
                in(r).rpc.uuidFromString(text, out);
            });
        return in_.rpc.uuidFromString(text, guid);
    }

    // IP Helper and the device manager.
    platform::Win32Error adaptersInfo(std::uint32_t bufferSize, std::uint32_t& neededSize,
                                      std::vector<platform::IpAdapterInfo>& adapters) override {
        if (recording)
            keep([bufferSize](Replay& r) {
                std::uint32_t needed = 0;
                std::vector<platform::IpAdapterInfo> out;
                in(r).ipHelper.adaptersInfo(bufferSize, needed, out);
            });
        return in_.ipHelper.adaptersInfo(bufferSize, neededSize, adapters);
    }
    platform::Win32Error ifTable(std::uint32_t bufferSize, std::uint32_t& neededSize,
                                 std::vector<platform::IfRow>& rows) override {
        if (recording)
            keep([bufferSize](Replay& r) {
                std::uint32_t needed = 0;
                std::vector<platform::IfRow> out;
                in(r).ipHelper.ifTable(bufferSize, needed, out);
            });
        return in_.ipHelper.ifTable(bufferSize, neededSize, rows);
    }
    platform::Win32Error adaptersAddresses(
        std::uint32_t bufferSize, std::uint32_t& neededSize,
        std::vector<platform::IpAdapterAddresses>& adapters) override {
        if (recording)
            keep([bufferSize](Replay& r) {
                std::uint32_t needed = 0;
                std::vector<platform::IpAdapterAddresses> out;
                in(r).ipHelper.adaptersAddresses(bufferSize, needed, out);
            });
        return in_.ipHelper.adaptersAddresses(bufferSize, neededSize, adapters);
    }
    platform::Win32Error networkDevices(std::vector<platform::NetworkDevice>& devices) override {
        if (recording)
            keep([](Replay& r) {
                std::vector<platform::NetworkDevice> out;
                in(r).devices.networkDevices(out);
            });
        return in_.devices.networkDevices(devices);
    }

    // Kernel objects: the mutex that keeps the vendor's programs from walking the devices at
    // the same time, made, waited for, released and closed again by the replay.
    std::unique_ptr<platform::NamedMutex> create(const std::string& name) override {
        std::unique_ptr<platform::NamedMutex> inner = in_.mutexes.create(name);
        if (!recording || !inner) {
            if (recording) keep([name](Replay& r) { in(r).mutexes.create(name); });
            return inner;
        }
        const std::size_t slot = replay.mutexes.size();
        replay.mutexes.emplace_back();
        if (recording)
            keep([name, slot](Replay& r) { r.mutexes[slot] = in(r).mutexes.create(name); });
        return std::make_unique<RecordedMutex>(std::move(inner), *this, slot);
    }

    // A call the refresh is not expected to make: the comparison would not hold.
    bool unexpectedCall = false;

  private:
    class RecordedMutex final : public platform::NamedMutex {
      public:
        RecordedMutex(std::unique_ptr<platform::NamedMutex> inner, Recorder& recorder,
                      std::size_t slot)
            : inner_(std::move(inner)), recorder_(recorder), slot_(slot) {}
        ~RecordedMutex() override {
            if (recorder_.recording)
                recorder_.keep([slot = slot_](Replay& r) { r.mutexes[slot].reset(); });
        }
        std::uint32_t wait(std::uint32_t timeoutMs) override {
            if (recorder_.recording)
                recorder_.keep(
                    [slot = slot_, timeoutMs](Replay& r) { r.mutexes[slot]->wait(timeoutMs); });
            return inner_->wait(timeoutMs);
        }
        void release() override {
            if (recorder_.recording)
                recorder_.keep([slot = slot_](Replay& r) { r.mutexes[slot]->release(); });
            inner_->release();
        }

      private:
        std::unique_ptr<platform::NamedMutex> inner_;
        Recorder& recorder_;
        std::size_t slot_;
    };

    // The services the replay calls, bare.
    static platform::Platform& in(Replay& r) { return *r.bare; }

    // Called only while recording, so that the copies its calls capture are no cost of the
    // ticks that are timed.
    void keep(std::function<void(Replay&)> call) { replay.calls.push_back(std::move(call)); }
    void unexpected() {
        if (recording) unexpectedCall = true;
    }
    // A handle or key the tick opened gets a slot; one opened before the tick (a predefined
    // key) is its own value.
    template <typename Open>
    void opened(std::uint64_t handle, Open open) {
        if (!recording) return;
        const std::size_t slot = replay.slots.size();
        replay.slots.push_back(0);
        slotByHandle_.emplace_back(handle, slot);
        replay.calls.push_back([open, slot](Replay& r) { open(r, slot); });
    }
    std::size_t slotOf(std::uint64_t handle) {
        if (!recording) return 0;
        for (auto it = slotByHandle_.rbegin(); it != slotByHandle_.rend(); ++it)
            if (it->first == handle) return it->second;
        replay.slots.push_back(handle);
        slotByHandle_.emplace_back(handle, replay.slots.size() - 1);
        return replay.slots.size() - 1;
    }

    platform::Platform& in_;
    std::vector<std::pair<std::uint64_t, std::size_t>> slotByHandle_;
};

std::optional<std::string> noStrings(int) {
    return std::nullopt;
}

// The program's state over one set of services, its start done.
struct ProgramState {
    ProgramState(platform::Platform& platform, ui::Desktop& desktop)
        : context(platform, desktop),
          driver(platform.wlan, context.selection.selectedInterface,
                 context.flags.serviceControlOff, context.product.networkVendorOui) {
        adapterinfo::selectAdapterAtStart(state());
    }
    adapterinfo::AdapterStateContext state() { return {context, driver, records}; }

    context::AppContext context;
    wlan::DriverChannel driver;
    adapterinfo::LinkRecords records;
};

// The built-in machine, seen by the program once through the recorder, to learn a tick's calls,
// and once directly, as the program sees its services, for the ticks that are timed: the
// recorder's forwarding is no work of the page's.
struct StatusBench {
    explicit StatusBench(const std::string& folder)
        : machine(sim::loadDefaultScenario(), clock, sim::CallRecording::Off),
          mutexes(folder, clock),
          instance("{status-refresh-bench}", folder),
          base(sim::makePlatform(machine, mutexes, instance, saved)),
          recorder(base),
          platform{recorder,       recorder,  recorder,      recorder,       recorder,
                   recorder,       base.help, recorder,      recorder,       recorder,
                   base.processes, recorder,  base.instance, base.savedFiles},
          desktop(clock, services, &noStrings, 0x10000),
          recorded(platform, desktop),
          timed(base, desktop) {
        recorder.replay.bare = &base;
    }

    platform::ManualClock clock;
    sim::SimMachine machine;
    platform::host::NativeNamedMutexes mutexes;
    platform::host::NativeSingleInstance instance;
    platform::host::NativeSavedFiles saved;
    platform::Platform base;
    Recorder recorder;
    platform::Platform platform;
    ui::HeadlessServices services;
    ui::Desktop desktop;
    ProgramState recorded;
    ProgramState timed;
};

// Each iteration makes one tick and then its calls bare, timing both on the thread's CPU
// clock less the cost of reading it; the counters give the mean of each and their ratio.
template <typename Page>
void benchTick(benchmark::State& state) {
    std::string folder = (std::filesystem::temp_directory_path() / "zlxbench-XXXXXX").string();
    if (!::mkdtemp(folder.data())) {
        state.SkipWithError("no temporary folder for the named mutexes");
        return;
    }
    {
        StatusBench b(folder);
        Page recordedPage(b.recorded.state());
        Page page(b.timed.state());
        recordedPage.create(ui::kNoWindow);
        page.create(ui::kNoWindow);
        auto tick = [&](Page& p) { b.desktop.send(p.handle(), context::kWmRefreshPage); };
        // The first tick of each may fill what later ticks keep.
        tick(recordedPage);
        tick(page);
        b.recorder.recording = true;
        tick(recordedPage);
        b.recorder.recording = false;
        if (b.recorder.unexpectedCall) {
            state.SkipWithError("the tick made a call the replay does not make");
            return;
        }
        const double clockRead = bench::clockReadNanos();
        double tickTime = 0, bareTime = 0;
        for (auto _ : state) {
            const double start = bench::threadCpuNanos();
            tick(page);
            const double middle = bench::threadCpuNanos();
            b.recorder.replay.run();
            const double end = bench::threadCpuNanos();
            tickTime += middle - start - clockRead;
            bareTime += end - middle - clockRead;
        }
        const double n = static_cast<double>(state.iterations());
        state.counters["tick_us"] = tickTime / n / 1e3;
        state.counters["bare_us"] = bareTime / n / 1e3;
        state.counters["ratio"] = tickTime / bareTime;
        state.counters["calls"] = static_cast<double>(b.recorder.replay.calls.size());
        page.destroy();
        recordedPage.destroy();
    }
    std::filesystem::remove_all(folder);
}

void BM_CurrentStatusTick(benchmark::State& s) {
    benchTick<status::LinkStatusPage>(s);
}
void BM_DiagnosticsTick(benchmark::State& s) {
    benchTick<status::DiagnosticsPage>(s);
}

BENCHMARK(BM_CurrentStatusTick);
BENCHMARK(BM_DiagnosticsTick);

}  // namespace
