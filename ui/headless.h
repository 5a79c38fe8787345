#pragma once
// The headless desktop: message boxes and save dialogs answered from a queue of answers, and a
// loop driver that runs on the manual clock and takes its input from a script or a test.

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "ui/desktop.h"
#include "ui/services.h"

namespace zlx::ui {

class HeadlessServices final : public DesktopServices {
  public:
    struct MessageBoxRecord {
        MessageBoxRequest request;
        int answer = 0;
        bool defaulted = false;  // no queued answer fitted: OK, or No for a Yes/No box
    };
    struct SaveDialogRecord {
        SaveFileRequest request;
        std::optional<std::string> answer;
        bool defaulted = false;
    };

    // kIdOk, kIdCancel, kIdYes or kIdNo for the next message box.
    void queueAnswer(int answer);
    // A path, or nothing for Cancel, for the next save dialog.
    void queueSaveAnswer(std::optional<std::string> path);

    int messageBox(const MessageBoxRequest& request) override;
    std::optional<std::string> saveFileDialog(const SaveFileRequest& request) override;
    void setCursor(Cursor cursor) override;
    void setClipboardText(const std::string& text) override;

    // Called (on the asking thread) after each box or dialog is answered.
    std::function<void(const MessageBoxRecord&)> onMessageBox;
    std::function<void(const SaveDialogRecord&)> onSaveDialog;
    std::function<void(const std::string&)> onClipboard;

    std::vector<MessageBoxRecord> messageBoxes() const;
    std::vector<SaveDialogRecord> saveDialogs() const;
    Cursor cursor() const;
    std::string clipboardText() const;

  private:
    mutable std::mutex mutex_;
    std::deque<int> answers_;
    std::deque<std::optional<std::string>> saveAnswers_;
    std::vector<MessageBoxRecord> boxes_;
    std::vector<SaveDialogRecord> saves_;
    Cursor cursor_ = Cursor::Arrow;
    std::string clipboard_;
};

// The source of the user's actions: one step each time the program is idle.
class InputSource {
  public:
    virtual ~InputSource() = default;
    // Performs the next action; false when there is none left.
    virtual bool runNext() = 0;
};

// Steps given as functions, for tests.
class StepInput final : public InputSource {
  public:
    StepInput& then(std::function<void()> step) {
        steps_.push_back(std::move(step));
        return *this;
    }
    bool runNext() override;
    bool done() const { return steps_.empty(); }

  private:
    std::deque<std::function<void()>> steps_;
};

// Before each input step the program is brought to rest: the queue is empty, no thread is
// busy, nothing is due on the clock, and a pending `advance` has reached its time. On a manual
// clock the driver moves time itself; on the real clock an `advance` waits for the time to
// pass, and the clock's own thread and the workers post their work as messages meanwhile.
class HeadlessDriver final : public LoopDriver {
  public:
    HeadlessDriver(Desktop& desktop, platform::Clock& clock);
    ~HeadlessDriver() override;

    void setInput(InputSource* input) { input_ = input; }
    // Asked at every step: when it says true (the program was asked to end) the pending advance
    // is dropped and the desktop quits, so the run ends cleaning up as at the end of its input.
    void setInterruption(std::function<bool()> interrupted) {
        interrupted_ = std::move(interrupted);
    }
    // Moves the clock by `duration`; what falls due runs in time order before the next input.
    // Given a `scheduledTail` shorter than `duration`, a manual clock skips to that tail of the
    // advance, as on a machine that does not schedule the program before it: what fell due
    // meanwhile runs late and in order, a periodic timer once for all the periods it missed.
    // False, and nothing moves, when the clock's reading would overflow.
    bool advanceBy(platform::Millis duration,
                   std::optional<platform::Millis> scheduledTail = std::nullopt);

    void waitForWork() override;
    void wake() override;

    // Brings the program to rest without taking input (for tests that drive windows directly).
    void settle();

  private:
    bool runClockStep();
    // On the real clock: waits until the pending `advance` is due or a message is posted.
    bool waitForTarget();
    bool interrupt();

    Desktop& desktop_;
    platform::Clock& clock_;
    platform::ManualClock* manual_;  // null on the real clock
    std::mutex wakeMutex_;
    std::condition_variable wakeUp_;
    bool woken_ = false;
    InputSource* input_ = nullptr;
    std::function<bool()> interrupted_;
    std::optional<platform::Millis> target_;
    std::optional<platform::Millis> skipTo_;  // on the way to target_
};

}  // namespace zlx::ui
