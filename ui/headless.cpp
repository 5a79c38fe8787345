#include "ui/headless.h"

#include <algorithm>
#include <chrono>
#include <limits>

#include "platform/local_files.h"

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
    for (;;) {
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
        if (!record.answer || !request.overwritePrompt ||
            !platform::localFileExists(*record.answer))
            return record.answer;
        // The dialog's own question, as the common dialog asks it; No lets the user choose again
        // (the next queued answer).
        MessageBoxRequest confirm;
        confirm.owner = request.owner;
        confirm.caption = "Confirm Save As";
        confirm.text = *record.answer + " already exists.\nDo you want to replace it?";
        confirm.buttons = MessageBoxButtons::YesNo;
        if (messageBox(confirm) == kIdYes) return record.answer;
    }
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

void HeadlessServices::setClipboardText(const std::string& text) {
    {
        std::lock_guard lock(mutex_);
        clipboard_ = text;
    }
    if (onClipboard) onClipboard(text);
}

std::string HeadlessServices::clipboardText() const {
    std::lock_guard lock(mutex_);
    return clipboard_;
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

namespace {
// How soon a run on the real clock notices that it was asked to end while it waits.
constexpr platform::Millis kInterruptionPoll = 50;
}  // namespace

HeadlessDriver::HeadlessDriver(Desktop& desktop, platform::Clock& clock)
    : desktop_(desktop), clock_(clock), manual_(dynamic_cast<platform::ManualClock*>(&clock)) {
    desktop_.setDriver(this);
}

HeadlessDriver::~HeadlessDriver() {
    desktop_.setDriver(nullptr);
}

bool HeadlessDriver::advanceBy(platform::Millis duration,
                               std::optional<platform::Millis> scheduledTail) {
    platform::Millis base = target_ ? *target_ : clock_.now();
    if (duration < 0) duration = 0;
    if (duration > std::numeric_limits<platform::Millis>::max() - base) return false;
    target_ = base + duration;
    if (manual_ && scheduledTail && *scheduledTail >= 0 && duration > *scheduledTail)
        skipTo_ = *target_ - *scheduledTail;
    return true;
}

bool HeadlessDriver::runClockStep() {
    if (!manual_) return waitForTarget();
    if (target_) {
        if (skipTo_) {
            // What the last input step left due now runs before the program stops being
            // scheduled.
            if (manual_->runNextDue(manual_->now())) return true;
            manual_->skipTo(*skipTo_);
            skipTo_.reset();
        }
        if (manual_->runNextDue(*target_)) return true;
        target_.reset();
        return true;  // the time moved: give the loop a turn before the next input
    }
    return manual_->runNextDue(manual_->now());
}

bool HeadlessDriver::waitForTarget() {
    if (!target_) return false;
    platform::Millis left = *target_ - clock_.now();
    if (left <= 0) {
        target_.reset();
        return true;
    }
    std::unique_lock lock(wakeMutex_);
    wakeUp_.wait_for(lock, std::chrono::milliseconds(std::min(left, kInterruptionPoll)),
                     [this] { return woken_; });
    woken_ = false;
    return true;
}

void HeadlessDriver::wake() {
    {
        std::lock_guard lock(wakeMutex_);
        woken_ = true;
    }
    wakeUp_.notify_one();
}

bool HeadlessDriver::interrupt() {
    if (!interrupted_ || !interrupted_()) return false;
    target_.reset();
    skipTo_.reset();
    desktop_.quit();
    return true;
}

void HeadlessDriver::waitForWork() {
    // On the real clock a worker can be busy for as long as a ping takes: its results arrive as
    // messages, and the loop must stay free to handle them.
    if (manual_) clock_.waitForQuiet();
    if (interrupt()) return;
    if (desktop_.hasQueued()) return;
    if (runClockStep()) return;
    if (!input_ || !input_->runNext()) desktop_.quit();
}

void HeadlessDriver::settle() {
    for (;;) {
        if (manual_) clock_.waitForQuiet();
        if (interrupt()) return;
        if (desktop_.dispatchOne()) continue;
        if (runClockStep()) continue;
        return;
    }
}

}  // namespace zlx::ui
