#include "ui/desktop.h"

#include <algorithm>

#include "ui/dialog.h"

namespace zlx::ui {

Desktop::Desktop(platform::Clock& clock, DesktopServices& services, StringLoader strings,
                 WindowHandle handleBase)
    : clock_(clock),
      services_(services),
      strings_(std::move(strings)),
      uiThread_(std::this_thread::get_id()),
      nextHandle_(handleBase + 1) {}

Desktop::~Desktop() {
    std::lock_guard lock(timerMutex_);
    for (auto& [key, timer] : timers_) clock_.cancel(timer.scheduled);
    timers_.clear();
}

// ---- windows

WindowHandle Desktop::registerWindow(Dialog& window) {
    WindowHandle handle = nextHandle_++;
    windows_[handle] = &window;
    return handle;
}

void Desktop::unregisterWindow(WindowHandle window) {
    killTimersOf(window);
    windows_.erase(window);
    if (foreground_ == window) foreground_ = kNoWindow;
    if (focusWindow_ == window) focusWindow_ = kNoWindow;
}

Dialog* Desktop::find(WindowHandle window) const {
    auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : it->second;
}

std::vector<Dialog*> Desktop::windows() const {
    std::vector<Dialog*> out;
    for (const auto& [handle, window] : windows_) out.push_back(window);
    return out;
}

// ---- messages

void Desktop::post(WindowHandle target, std::uint32_t id, std::uint64_t wParam, std::int64_t lParam,
                   std::string text) {
    {
        std::lock_guard lock(queueMutex_);
        queue_.push_back(Message{target, id, wParam, lParam, std::move(text), {}});
    }
    if (driver_) driver_->wake();
}

void Desktop::postCall(std::function<void()> call) {
    {
        std::lock_guard lock(queueMutex_);
        queue_.push_back(Message{kNoWindow, kWmNull, 0, 0, {}, std::move(call)});
    }
    if (driver_) driver_->wake();
}

std::int64_t Desktop::send(WindowHandle target, std::uint32_t id, std::uint64_t wParam,
                           std::int64_t lParam, const std::string& text) {
    Dialog* window = find(target);
    if (!window) return 0;
    return window->onMessage(Message{target, id, wParam, lParam, text, {}});
}

bool Desktop::hasQueued() const {
    std::lock_guard lock(queueMutex_);
    return !queue_.empty();
}

bool Desktop::dispatchOne() {
    Message m;
    {
        std::lock_guard lock(queueMutex_);
        if (queue_.empty()) return false;
        m = std::move(queue_.front());
        queue_.pop_front();
    }
    deliver(m);
    return true;
}

void Desktop::dispatchAll() {
    while (dispatchOne()) {
    }
}

void Desktop::deliver(const Message& m) {
    if (m.call) {
        m.call();
        return;
    }
    if (m.id == kWmTimer && !takeTimerMessage(m)) return;
    // A message for a window that no longer exists is dropped.
    if (Dialog* window = find(m.target)) window->onMessage(m);
    if (m.id == kWmTimer) endTimerMessage(m);
}

// ---- modal loops

int Desktop::runModalLoop(Dialog& dialog) {
    modal_.push_back(&dialog);
    notifyWindow(dialog.handle());
    while (!dialog.ended_ && !quitting_) {
        if (dispatchOne()) continue;
        if (!driver_) break;
        driver_->waitForWork();
    }
    modal_.erase(std::find(modal_.begin(), modal_.end(), &dialog));
    return dialog.ended_ ? dialog.result_ : -1;
}

void Desktop::quit() {
    quitting_ = true;
    if (driver_) driver_->wake();
}

// ---- timers

void Desktop::setTimer(WindowHandle window, unsigned id, platform::Millis period) {
    if (period <= 0) period = 1;
    TimerKey key{window, id};
    std::uint64_t generation;
    {
        std::lock_guard lock(timerMutex_);
        TimerState& timer = timers_[key];
        clock_.cancel(timer.scheduled);
        timer.period = period;
        timer.pending = false;
        timer.dropPending = false;
        timer.generation = generation = nextGeneration_++;
    }
    scheduleTimer(key, generation, clock_.now() + period);
}

void Desktop::scheduleTimer(TimerKey key, std::uint64_t generation, platform::Millis due) {
    std::lock_guard lock(timerMutex_);
    auto it = timers_.find(key);
    if (it == timers_.end() || it->second.generation != generation) return;
    it->second.scheduled =
        clock_.schedule(due, [this, key, generation, due] { fireTimer(key, generation, due); });
}

void Desktop::fireTimer(TimerKey key, std::uint64_t generation, platform::Millis due) {
    platform::Millis period;
    bool postNow = false;
    {
        std::lock_guard lock(timerMutex_);
        auto it = timers_.find(key);
        if (it == timers_.end() || it->second.generation != generation) return;
        period = it->second.period;
        if (!it->second.pending) {
            it->second.pending = true;
            postNow = true;
        }
    }
    if (postNow) post(key.window, kWmTimer, key.id, static_cast<std::int64_t>(generation));
    const platform::Millis late = std::max<platform::Millis>(0, clock_.now() - due);
    scheduleTimer(key, generation, due + (late / period + 1) * period);
}

bool Desktop::takeTimerMessage(const Message& m) {
    std::lock_guard lock(timerMutex_);
    auto it = timers_.find(TimerKey{m.target, static_cast<unsigned>(m.wParam)});
    if (it == timers_.end() || it->second.generation != static_cast<std::uint64_t>(m.lParam))
        return false;  // killed or set again since
    it->second.pending = false;
    if (it->second.dropPending) {
        it->second.dropPending = false;
        return false;
    }
    return true;
}

void Desktop::endTimerMessage(const Message& m) {
    std::lock_guard lock(timerMutex_);
    auto it = timers_.find(TimerKey{m.target, static_cast<unsigned>(m.wParam)});
    if (it == timers_.end() || it->second.generation != static_cast<std::uint64_t>(m.lParam))
        return;
    // A nested loop inside the handler delivers the ticks that fall due meanwhile; one still
    // waiting came due while the handler blocked, and would start the next one at once.
    if (it->second.pending) it->second.dropPending = true;
}

void Desktop::killTimer(WindowHandle window, unsigned id) {
    std::lock_guard lock(timerMutex_);
    auto it = timers_.find(TimerKey{window, id});
    if (it == timers_.end()) return;
    clock_.cancel(it->second.scheduled);
    timers_.erase(it);
}

void Desktop::killTimersOf(WindowHandle window) {
    std::lock_guard lock(timerMutex_);
    for (auto it = timers_.begin(); it != timers_.end();) {
        if (it->first.window == window) {
            clock_.cancel(it->second.scheduled);
            it = timers_.erase(it);
        } else {
            ++it;
        }
    }
}

// ---- window state

void Desktop::showWindow(WindowHandle window, ShowCommand command) {
    Dialog* w = find(window);
    if (!w) return;
    switch (command) {
        case ShowCommand::Minimize:
            w->setMinimized(true);
            break;
        case ShowCommand::Restore:
            w->setMinimized(false);
            w->setVisible(true);
            break;
        case ShowCommand::Hide:
            w->setVisible(false);
            break;
        case ShowCommand::Show:
            w->setVisible(true);
            break;
    }
}

void Desktop::setForeground(WindowHandle window) {
    if (!isWindow(window)) return;
    foreground_ = window;
    notifyWindow(window);
}

WindowHandle Desktop::lastActivePopup(WindowHandle window) const {
    // Walk the modal stack from the top: the first window whose owner chain reaches `window`.
    for (auto it = modal_.rbegin(); it != modal_.rend(); ++it) {
        for (const Dialog* w = *it; w; w = find(w->owner() ? w->owner() : w->parent())) {
            if (w->handle() == window) return (*it)->handle();
            if (!w->owner() && !w->parent()) break;
        }
    }
    return window;
}

void Desktop::activateFromOutside(WindowHandle window) {
    if (!isWindow(window)) return;
    WindowHandle popup = lastActivePopup(window);
    Dialog* w = find(popup);
    if (w && w->minimized()) showWindow(popup, ShowCommand::Restore);
    setForeground(popup);
}

Cursor Desktop::cursorFor(WindowHandle window) {
    // A window that sets its own cursor answers WM_SETCURSOR with a non-zero value.
    if (send(window, kWmSetCursor, window) != 0) return Cursor::Wait;
    return Cursor::Arrow;
}

// ---- observers

void Desktop::addObserver(DesktopObserver* observer) {
    observers_.push_back(observer);
}

void Desktop::removeObserver(DesktopObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void Desktop::notifyCreated(WindowHandle window) {
    for (auto* o : observers_) o->windowCreated(window);
}
void Desktop::notifyDestroyed(WindowHandle window) {
    for (auto* o : observers_) o->windowDestroyed(window);
}
void Desktop::notifyWindow(WindowHandle window) {
    for (auto* o : observers_) o->windowChanged(window);
}
void Desktop::notifyControl(WindowHandle window, int controlId) {
    for (auto* o : observers_) o->controlChanged(window, controlId);
}

}  // namespace zlx::ui
