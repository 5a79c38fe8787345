#pragma once
// Kernel objects that only this process can meet: the named mutexes and single-instance guard
// of a run on a simulated machine that no other copy of the program may share. Nothing is
// made outside the process, so nothing is left behind when the run is killed.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "platform/clock.h"
#include "platform/process.h"

namespace zlx::platform {

// Mutexes by name, as the system's named mutexes behave between handles: each handle made by
// create() is an owner of its own, a handle that holds the mutex takes it again at once, and a
// handle that ends releases what it holds. Waiting polls through the clock, so a manual clock
// decides time-outs.
class ProcessLocalNamedMutexes final : public NamedMutexes {
  public:
    explicit ProcessLocalNamedMutexes(Clock& clock);
    std::unique_ptr<NamedMutex> create(const std::string& name) override;

    // Which handle holds each mutex: shared with the handles, which may outlive this object.
    struct Owners {
        std::mutex mutex;
        std::map<std::string, const void*> holders;
    };

  private:
    Clock& clock_;
    std::shared_ptr<Owners> owners_;
};

// The guard of a run that is always the only copy in its scope: the mutex is always its own,
// and no other copy ever asks it to come forward.
class ProcessLocalSingleInstance final : public SingleInstance {
  public:
    bool createMutex() override;
    void releaseMutex() override;
    std::uint64_t readSharedMainWindow() override;
    void writeSharedMainWindow(std::uint64_t window) override;
    bool requestActivation(std::uint64_t) override { return false; }
    void setActivationHandler(std::function<void(std::uint64_t)>) override {}

  private:
    std::mutex mutex_;
    bool held_ = false;
    std::uint64_t mainWindow_ = 0;
};

}  // namespace zlx::platform
