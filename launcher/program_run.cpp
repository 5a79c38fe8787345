#include "launcher/program_run.h"

#include "platform/calendar.h"

namespace zlx::launcher {

namespace {

// The real clock read in a simulated machine's time zone, so that every time stamp of a run on
// it (the samples, the Signal History's CSV, the saved log's "Started:") is that machine's local
// time with that machine's own offset, as the manual clock's are.
class MachineZoneClock final : public platform::Clock {
  public:
    explicit MachineZoneClock(int utcOffsetMinutes) : offsetMinutes_(utcOffsetMinutes) {}

    platform::Millis now() const override { return real_.now(); }
    std::tm localTime() const override { return wallTime().local; }
    platform::WallTime wallTime() const override {
        const platform::WallTime host = real_.wallTime();
        const std::int64_t utc =
            platform::secondsSinceEpoch(host.local) - std::int64_t{host.utcOffsetMinutes} * 60;
        platform::WallTime time;
        time.local = platform::utcFields(utc + std::int64_t{offsetMinutes_} * 60);
        time.millis = host.millis;
        time.utcOffsetMinutes = offsetMinutes_;
        return time;
    }
    platform::ScheduleId schedule(platform::Millis due, std::function<void()> action) override {
        return real_.schedule(due, std::move(action));
    }
    void cancel(platform::ScheduleId id) override { real_.cancel(id); }
    void sleepFor(platform::Millis duration) override { real_.sleepFor(duration); }

  private:
    platform::RealClock real_;
    const int offsetMinutes_;
};

// The simulated machine's manual clock starts at its scenario's local time, in its time zone; a
// manual clock asked for on the real machine starts at the default time.
std::unique_ptr<platform::ManualClock> manualClockFor(const RunMachine& machine) {
    if (machine.real()) return std::make_unique<platform::ManualClock>();
    return std::make_unique<platform::ManualClock>(machine.scenario->machine.localTimeStart,
                                                   machine.scenario->machine.timeZoneOffsetMinutes);
}

}  // namespace

std::unique_ptr<ProgramRun> ProgramRun::make(const LaunchOptions& options, const RunRecipe& recipe,
                                             ui::DesktopServices& services, std::ostream& err) {
    auto machine = chooseMachine(options, err);
    if (!machine) return nullptr;
    std::unique_ptr<ProgramRun> run(new ProgramRun);
    run->machine_ = std::move(*machine);
    std::optional<InstanceScope> scope;
    if (recipe.scope == RunScope::Shared) {
        if (auto shared = sharedInstanceScope(err))
            scope = InstanceScope::shared(std::move(*shared));
    } else {
        scope = scriptedInstanceScope(err);
    }
    if (!scope) return nullptr;
    const bool manual = recipe.clock == RunClock::Manual ||
                        (recipe.clock == RunClock::OfTheMachine && !run->machine_.real());
    if (manual) {
        auto clock = manualClockFor(run->machine_);
        run->manual_ = clock.get();
        run->clock_ = std::move(clock);
    } else {
        if (run->machine_.real())
            run->clock_ = std::make_unique<platform::RealClock>();
        else
            run->clock_ = std::make_unique<MachineZoneClock>(
                run->machine_.scenario->machine.timeZoneOffsetMinutes);
    }
    run->program_ = std::make_unique<Program>(run->machine_, *run->clock_, services, *scope,
                                              processHandleBase(), recipe.recording);
    return run;
}

ProgramRun::~ProgramRun() = default;

}  // namespace zlx::launcher
