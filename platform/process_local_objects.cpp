#include "platform/process_local_objects.h"

#include "platform/polled_mutex.h"

namespace zlx::platform {

namespace {

class ProcessLocalNamedMutex final : public NamedMutex {
  public:
    ProcessLocalNamedMutex(std::string name,
                           std::shared_ptr<ProcessLocalNamedMutexes::Owners> owners, Clock& clock)
        : name_(std::move(name)), owners_(std::move(owners)), clock_(clock) {}
    ~ProcessLocalNamedMutex() override { release(); }

    std::uint32_t wait(std::uint32_t timeoutMs) override {
        return pollMutex(clock_, timeoutMs, [this] {
            std::lock_guard lock(owners_->mutex);
            auto [holder, free] = owners_->holders.try_emplace(name_, this);
            return free || holder->second == this ? kWaitObject0 : kWaitTimeout;
        });
    }

    void release() override {
        std::lock_guard lock(owners_->mutex);
        auto holder = owners_->holders.find(name_);
        if (holder != owners_->holders.end() && holder->second == this)
            owners_->holders.erase(holder);
    }

  private:
    const std::string name_;
    const std::shared_ptr<ProcessLocalNamedMutexes::Owners> owners_;
    Clock& clock_;
};

}  // namespace

ProcessLocalNamedMutexes::ProcessLocalNamedMutexes(Clock& clock)
    : clock_(clock), owners_(std::make_shared<Owners>()) {}

std::unique_ptr<NamedMutex> ProcessLocalNamedMutexes::create(const std::string& name) {
    return std::make_unique<ProcessLocalNamedMutex>(name, owners_, clock_);
}

bool ProcessLocalSingleInstance::createMutex() {
    std::lock_guard lock(mutex_);
    // The shared value starts at zero for a new first copy, as a freshly loaded section does.
    if (!held_) mainWindow_ = 0;
    held_ = true;
    return true;
}

void ProcessLocalSingleInstance::releaseMutex() {
    std::lock_guard lock(mutex_);
    held_ = false;
}

std::uint64_t ProcessLocalSingleInstance::readSharedMainWindow() {
    std::lock_guard lock(mutex_);
    return mainWindow_;
}

void ProcessLocalSingleInstance::writeSharedMainWindow(std::uint64_t window) {
    std::lock_guard lock(mutex_);
    mainWindow_ = window;
}

}  // namespace zlx::platform
