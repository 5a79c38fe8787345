#include "ui/desktop.h"

#include <gtest/gtest.h>

#include <thread>

#include "ui/dialog.h"
#include "ui/headless.h"
#include "ui/property_sheet.h"

namespace zlx::ui {
namespace {

// A dialog that records what reaches it.
class Recorder : public Dialog {
  public:
    explicit Recorder(Desktop& d, DialogTemplate t = {1, "Recorder", 100, 50, {}})
        : Dialog(d, std::move(t)) {}
    std::vector<std::string> texts;
    std::vector<unsigned> ticks;
    std::vector<platform::Millis> tickTimes;
    std::function<void(unsigned)> onTick;

  protected:
    std::int64_t onMessage(const Message& m) override {
        if (m.id == kWmUser + 2) texts.push_back(m.text);
        return Dialog::onMessage(m);
    }
    void onTimer(unsigned id) override {
        ticks.push_back(id);
        tickTimes.push_back(desktop().clock().now());
        if (onTick) onTick(id);
    }
};

struct Fixture : ::testing::Test {
    platform::ManualClock clock;
    HeadlessServices services;
    Desktop desktop{clock, services, [](int) -> std::optional<std::string> { return {}; }};
    HeadlessDriver driver{desktop, clock};
    StepInput input;
    Fixture() { driver.setInput(&input); }
};

using DesktopTest = Fixture;

TEST_F(DesktopTest, PostedTextIsOwnedByTheMessage) {
    Recorder w(desktop);
    w.create(kNoWindow);
    {
        std::string line = "first";
        desktop.post(w.handle(), kWmUser + 2, 0, 0, line);
        line = "overwritten";  // the sender reuses its buffer at once
    }
    desktop.dispatchAll();
    EXPECT_EQ(w.texts, std::vector<std::string>{"first"});
}

TEST_F(DesktopTest, MessageToADestroyedWindowIsDroppedAndHandlesAreNotReused) {
    WindowHandle old;
    {
        Recorder w(desktop);
        w.create(kNoWindow);
        old = w.handle();
        desktop.post(old, kWmUser + 2, 0, 0, "late");
    }
    Recorder next(desktop);
    next.create(kNoWindow);
    EXPECT_NE(next.handle(), old);
    EXPECT_FALSE(desktop.isWindow(old));
    desktop.dispatchAll();
    EXPECT_TRUE(next.texts.empty());
}

TEST_F(DesktopTest, PostsFromOtherThreadsArriveInOrder) {
    Recorder w(desktop);
    w.create(kNoWindow);
    std::thread worker([&] {
        for (int i = 0; i < 100; ++i)
            desktop.post(w.handle(), kWmUser + 2, 0, 0, std::to_string(i));
    });
    worker.join();
    desktop.dispatchAll();
    ASSERT_EQ(w.texts.size(), 100u);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(w.texts[i], std::to_string(i));
}

TEST_F(DesktopTest, TimerTicksAtItsPeriodOnTheClock) {
    Recorder w(desktop);
    w.create(kNoWindow);
    desktop.setTimer(w.handle(), 1037, 2000);
    clock.advanceTo(1999, [&] { desktop.dispatchAll(); });
    EXPECT_TRUE(w.ticks.empty());
    clock.advanceTo(6000, [&] { desktop.dispatchAll(); });
    EXPECT_EQ(w.tickTimes, (std::vector<platform::Millis>{2000, 4000, 6000}));
}

TEST_F(DesktopTest, UndispatchedTicksCoalesceIntoOneMessage) {
    Recorder w(desktop);
    w.create(kNoWindow);
    desktop.setTimer(w.handle(), 1, 1000);
    clock.advanceTo(5000, nullptr);  // nobody dispatches meanwhile
    desktop.dispatchAll();
    EXPECT_EQ(w.ticks.size(), 1u);
}

TEST_F(DesktopTest, KilledTimerDropsItsPendingTick) {
    Recorder w(desktop);
    w.create(kNoWindow);
    desktop.setTimer(w.handle(), 1, 1000);
    clock.advanceTo(1000, nullptr);
    desktop.killTimer(w.handle(), 1);
    clock.advanceTo(5000, nullptr);
    desktop.dispatchAll();
    EXPECT_TRUE(w.ticks.empty());
}

TEST_F(DesktopTest, ParentTimerKeepsTickingUnderANestedModalDialog) {
    Recorder main(desktop);
    int modalResult = 0;
    main.onTick = [&](unsigned) {
        if (main.ticks.size() != 1) return;
        Recorder child(desktop, {2, "Child", 50, 20, {}});
        input.then([&] { driver.advanceBy(6000); }).then([&] { child.endDialog(kIdOk); }).then([&] {
            main.endDialog(kIdCancel);
        });
        modalResult = child.doModal(main.handle());
    };
    input.then([&] { desktop.setTimer(main.handle(), 7, 2000); }).then([&] {
        driver.advanceBy(2000);
    });
    EXPECT_EQ(main.doModal(), kIdCancel);
    EXPECT_EQ(modalResult, kIdOk);
    // Ticks at 4000, 6000 and 8000 arrived while the child's loop ran.
    EXPECT_EQ(main.tickTimes, (std::vector<platform::Millis>{2000, 4000, 6000, 8000}));
}

TEST_F(DesktopTest, TicksDueWhileTheirHandlerBlocksDoNotRunBackToBack) {
    // Each tick waits as long as the period on the user-interface thread (another program
    // holds a mutex) until the clock reaches 20 s.
    Recorder main(desktop);
    main.onTick = [&](unsigned) {
        if (clock.now() < 20000) clock.sleepFor(2000);
    };
    using Times = std::vector<platform::Millis>;
    input.then([&] { desktop.setTimer(main.handle(), 7, 2000); })
        .then([&] { driver.advanceBy(2000); })
        .then([&] {
            EXPECT_EQ(main.tickTimes, Times{2000});
            driver.advanceBy(2000);
        })
        .then([&] {
            EXPECT_EQ(main.tickTimes, (Times{2000, 6000}));
            main.endDialog(kIdOk);
        });
    EXPECT_EQ(main.doModal(), kIdOk);
}

TEST_F(DesktopTest, AnAdvanceSkipsToItsScheduledTailWhereALateTickFiresOnce) {
    // The program is scheduled for the last 9 s of a day only: the tick due at 2 s fires then,
    // once for every period missed, and the timer goes on at its own phase.
    Recorder main(desktop);
    input.then([&] { desktop.setTimer(main.handle(), 7, 2000); })
        .then([&] { driver.advanceBy(86'400'000, 9000); })
        .then([&] { main.endDialog(kIdOk); });
    EXPECT_EQ(main.doModal(), kIdOk);
    EXPECT_EQ(main.tickTimes, (std::vector<platform::Millis>{86'391'000, 86'392'000, 86'394'000,
                                                             86'396'000, 86'398'000, 86'400'000}));
}

TEST_F(DesktopTest, QuitEndsEveryModalLoopWithMinusOne) {
    Recorder main(desktop);
    int inner = 0;
    input.then([&] {
        Recorder child(desktop, {2, "Child", 50, 20, {}});
        inner = child.doModal(main.handle());
    });  // then the input runs out: the desktop quits
    EXPECT_EQ(main.doModal(), -1);
    EXPECT_EQ(inner, -1);
    Recorder after(desktop);
    EXPECT_EQ(after.doModal(), -1);
}

TEST_F(DesktopTest, ActivationRestoresTheLastActivePopupOfTheWindow) {
    Recorder main(desktop);
    WindowHandle popup = kNoWindow;
    input.then([&] {
        Recorder child(desktop, {2, "Child", 50, 20, {}});
        input.then([&] {
            popup = child.handle();
            desktop.showWindow(child.handle(), ShowCommand::Minimize);
            desktop.activateFromOutside(main.handle());
            EXPECT_FALSE(child.minimized());
            EXPECT_EQ(desktop.foreground(), child.handle());
            child.endDialog(kIdOk);
        });
        child.doModal(main.handle());
    });
    main.doModal();
    EXPECT_NE(popup, kNoWindow);
}

TEST_F(DesktopTest, ActivationOfAnUnknownHandleDoesNothing) {
    Recorder main(desktop);
    main.create(kNoWindow);
    desktop.activateFromOutside(main.handle() + 1000);
    EXPECT_EQ(desktop.foreground(), kNoWindow);
}

// ---- property sheet

class Page : public PropertyPage {
  public:
    Page(Desktop& d, std::string caption) : PropertyPage(d, {0, std::move(caption), 100, 80, {}}) {}
    int inits = 0;

  protected:
    bool onInitDialog() override {
        ++inits;
        return true;
    }
};

TEST_F(DesktopTest, SheetCreatesEachPageWhenFirstShownAndOnlyOnce) {
    PropertySheet sheet(desktop, "Sheet");
    Page a(desktop, "A"), b(desktop, "B");
    sheet.addPage(a);
    sheet.addPage(b);
    sheet.create(kNoWindow);
    EXPECT_TRUE(a.created());
    EXPECT_FALSE(b.created());
    sheet.setActivePage(1);
    sheet.setActivePage(0);
    sheet.setActivePage(1);
    EXPECT_EQ(a.inits, 1);
    EXPECT_EQ(b.inits, 1);
    EXPECT_FALSE(a.visible());
    EXPECT_TRUE(b.visible());
}

TEST_F(DesktopTest, SheetHelpButtonFollowsSheetAndActivePage) {
    PropertySheet sheet(desktop, "Sheet");
    Page a(desktop, "A"), b(desktop, "B");
    a.setHasHelp(false);
    sheet.addPage(a);
    sheet.addPage(b);
    sheet.create(kNoWindow);
    EXPECT_FALSE(sheet.control(kIdHelp)->visible);
    sheet.setActivePage(1);
    EXPECT_TRUE(sheet.control(kIdHelp)->visible);
    sheet.setHasHelp(false);
    sheet.setActivePage(0);
    sheet.setActivePage(1);
    EXPECT_FALSE(sheet.control(kIdHelp)->visible);
}

}  // namespace
}  // namespace zlx::ui
