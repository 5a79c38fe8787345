#pragma once
// The desktop of one program run: its windows, the user-interface thread's message queue,
// timers on the Clock, the modal stack and the desktop services.

#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/clock.h"
#include "ui/messages.h"
#include "ui/observer.h"
#include "ui/services.h"

namespace zlx::ui {

class Dialog;

// Runs the message loop's waiting: a headless pump or the Qt event loop.
class LoopDriver {
  public:
    virtual ~LoopDriver() = default;
    // Called by a modal loop when the queue is empty: waits for (or produces) more work.
    virtual void waitForWork() = 0;
    // Called from any thread after a message was posted.
    virtual void wake() = 0;
};

enum class ShowCommand { Minimize, Restore, Hide, Show };

using StringLoader = std::function<std::optional<std::string>(int)>;

class Desktop {
  public:
    // `handleBase` makes handles distinct between processes (the single-instance activation
    // compares handles of another process).
    Desktop(platform::Clock& clock, DesktopServices& services, StringLoader strings,
            WindowHandle handleBase = 0x10000);
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    void setDriver(LoopDriver* driver) { driver_ = driver; }
    platform::Clock& clock() { return clock_; }
    DesktopServices& services() { return services_; }
    std::optional<std::string> loadString(int id) const {
        return strings_ ? strings_(id) : std::nullopt;
    }

    // Windows. A handle is never reused within a run.
    WindowHandle registerWindow(Dialog& window);
    void unregisterWindow(WindowHandle window);
    Dialog* find(WindowHandle window) const;
    bool isWindow(WindowHandle window) const { return find(window) != nullptr; }
    std::vector<Dialog*> windows() const;  // in creation order

    // Messages. post() from any thread; send() on the user-interface thread only.
    void post(WindowHandle target, std::uint32_t id, std::uint64_t wParam = 0,
              std::int64_t lParam = 0, std::string text = {});
    std::int64_t send(WindowHandle target, std::uint32_t id, std::uint64_t wParam = 0,
                      std::int64_t lParam = 0, const std::string& text = {});
    // Runs `call` on the user-interface thread, in turn with the posted messages.
    void postCall(std::function<void()> call);
    bool hasQueued() const;
    // Dispatches the oldest queued message; false when the queue was empty.
    bool dispatchOne();
    // Dispatches until the queue is empty.
    void dispatchAll();

    // Modal loops. Returns the dialog's result, or -1 when the desktop quits.
    int runModalLoop(Dialog& dialog);
    void quit();
    bool quitting() const { return quitting_; }
    const std::vector<Dialog*>& modalStack() const { return modal_; }
    // The window that takes the user's input: the top of the modal stack.
    Dialog* activeWindow() const { return modal_.empty() ? nullptr : modal_.back(); }

    // Timers: WM_TIMER to `window` every `period` ms of the clock until killed or the window
    // is destroyed. At most one WM_TIMER per timer waits in the queue, and a tick that fell due
    // while the handler of the previous one was busy, with no loop to deliver it, is dropped
    // when that handler returns: a handler as slow as its period never runs back to back. A
    // tick that fires a period or more late (the program was not scheduled) stands for every
    // period it missed, as a real timer's does: the next one keeps the timer's phase.
    void setTimer(WindowHandle window, unsigned id, platform::Millis period);
    void killTimer(WindowHandle window, unsigned id);

    // Window state.
    void showWindow(WindowHandle window, ShowCommand command);
    void setForeground(WindowHandle window);
    WindowHandle foreground() const { return foreground_; }
    // GetLastActivePopup: the most recent modal window owned, directly or not, by `window`.
    WindowHandle lastActivePopup(WindowHandle window) const;
    // Brings the window forward the way a second copy of the program does.
    void activateFromOutside(WindowHandle window);

    // The window that holds the input focus (its control is that window's focusId()).
    WindowHandle focusWindow() const { return focusWindow_; }
    void setFocusWindow(WindowHandle window) { focusWindow_ = window; }

    // Asks the window under the pointer which cursor to show (WM_SETCURSOR).
    Cursor cursorFor(WindowHandle window);

    void addObserver(DesktopObserver* observer);
    void removeObserver(DesktopObserver* observer);
    void notifyCreated(WindowHandle window);
    void notifyDestroyed(WindowHandle window);
    void notifyWindow(WindowHandle window);
    void notifyControl(WindowHandle window, int controlId);

    bool onUiThread() const { return std::this_thread::get_id() == uiThread_; }

  private:
    struct TimerKey {
        WindowHandle window;
        unsigned id;
        bool operator<(const TimerKey& o) const {
            return window != o.window ? window < o.window : id < o.id;
        }
    };
    struct TimerState {
        platform::Millis period = 0;
        platform::ScheduleId scheduled = 0;
        std::uint64_t generation = 0;
        bool pending = false;
        bool dropPending = false;  // the waiting tick fell due while its handler was busy
    };
    void scheduleTimer(TimerKey key, std::uint64_t generation, platform::Millis due);
    void fireTimer(TimerKey key, std::uint64_t generation, platform::Millis due);
    bool takeTimerMessage(const Message& m);
    void endTimerMessage(const Message& m);
    void killTimersOf(WindowHandle window);
    void deliver(const Message& m);

    platform::Clock& clock_;
    DesktopServices& services_;
    StringLoader strings_;
    LoopDriver* driver_ = nullptr;
    std::thread::id uiThread_;

    WindowHandle nextHandle_;
    std::map<WindowHandle, Dialog*> windows_;
    std::vector<Dialog*> modal_;
    WindowHandle foreground_ = kNoWindow;
    WindowHandle focusWindow_ = kNoWindow;
    bool quitting_ = false;
    std::vector<DesktopObserver*> observers_;

    mutable std::mutex queueMutex_;
    std::deque<Message> queue_;

    std::mutex timerMutex_;
    std::map<TimerKey, TimerState> timers_;
    std::uint64_t nextGeneration_ = 1;
};

}  // namespace zlx::ui
