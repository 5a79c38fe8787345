#include "ui/headless.h"

#include <limits>

namespace zlx::ui {

void HeadlessServices::queueAnswer(int answer) {
    std::lock_guard lock(mutex_);
    answers_.push_back(answer);
}

void HeadlessServices::queueSaveAnswer(std::optional<std::string> path) {
    std::lock_guard lock(mutex_);
    saveAnswers_.push_back(std::move(path));
}

int HeadlessServices::messageBox(const MessageBoxRequest& request) {
    MessageBoxRecord record{request, 0, true};
    {
        std::lock_guard lock(mutex_);
        int fallback = request.buttons == MessageBoxButtons::YesNo ? kIdNo : kIdOk;
        record.answer = fallback;
        if (!answers_.empty()) {
            int queued = answers_.front();
            answers_.pop_front();
            bool offered = request.buttons == MessageBoxButtons::YesNo
                               ? (queued == kIdYes || queued == kIdNo)
                               : queued == kIdOk;
            if (offered) {
                record.answer = queued;
                record.defaulted = false;
            }
        }
        boxes_.push_back(record);
    }
    if (onMessageBox) onMessageBox(record);
    return record.answer;
}

std::optional<std::string> HeadlessServices::saveFileDialog(const SaveFileRequest& request) {
    SaveDialogRecord record{request, std::nullopt, true};
    {
        std::lock_guard lock(mutex_);
        if (!saveAnswers_.empty()) {
            record.answer = saveAnswers_.front();
            record.defaulted = false;
            saveAnswers_.pop_front();
        }
        saves_.push_back(record);
    }
    if (onSaveDialog) onSaveDialog(record);
    return record.answer;
}

void HeadlessServices::setCursor(Cursor cursor) {
    std::lock_guard lock(mutex_);
    cursor_ = cursor;
}

std::vector<HeadlessServices::MessageBoxRecord> HeadlessServices::messageBoxes() const {
    std::lock_guard lock(mutex_);
    return boxes_;
}

std::vector<HeadlessServices::SaveDialogRecord> HeadlessServices::saveDialogs() const {
    std::lock_guard lock(mutex_);
    return saves_;
}

Cursor HeadlessServices::cursor() const {
    std::lock_guard lock(mutex_);
    return cursor_;
}

bool StepInput::runNext() {
    if (steps_.empty()) return false;
    auto step = std::move(steps_.front());
    steps_.pop_front();
    step();
    return true;
}

HeadlessDriver::HeadlessDriver(Desktop& desktop, platform::ManualClock& clock)
    : desktop_(desktop), clock_(clock) {
    desktop_.setDriver(this);
}

HeadlessDriver::~HeadlessDriver() {
    desktop_.setDriver(nullptr);
}

bool HeadlessDriver::advanceBy(platform::Millis duration) {
    platform::Millis base = target_ ? *target_ : clock_.now();
    if (duration < 0) duration = 0;
    if (duration > std::numeric_limits<platform::Millis>::max() - base) return false;
    target_ = base + duration;
    return true;
}

bool HeadlessDriver::runClockStep() {
    if (target_) {
        if (clock_.runNextDue(*target_)) return true;
        target_.reset();
        return true;  // the time moved: give the loop a turn before the next input
    }
    return clock_.runNextDue(clock_.now());
}

bool HeadlessDriver::interrupt() {
    if (!interrupted_ || !interrupted_()) return false;
    target_.reset();
    desktop_.quit();
    return true;
}

void HeadlessDriver::waitForWork() {
    clock_.waitForQuiet();
    if (interrupt()) return;
    if (desktop_.hasQueued()) return;
    if (runClockStep()) return;
    if (!input_ || !input_->runNext()) desktop_.quit();
}

void HeadlessDriver::settle() {
    for (;;) {
        clock_.waitForQuiet();
        if (interrupt()) return;
        if (desktop_.dispatchOne()) continue;
        if (runClockStep()) continue;
        return;
    }
}

}  // namespace zlx::ui
