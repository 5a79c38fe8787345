// The model's loops on Qt's event loop: posted messages from other threads and timers of the
// clock wake Qt at once, also inside Qt's own nested loops.

#include <QEventLoop>
#include <thread>

#include "model_fixture.h"
#include "qt/qt_loop_driver.h"

namespace zlx::qt::testing {
namespace {

// Ends with the number a message from another thread carries.
class WorkerDialog : public ui::Dialog {
  public:
    using ui::Dialog::Dialog;
    std::function<void()> onInit;
    std::function<void(const ui::Message&)> onUser;
    std::function<void()> onTick;
    ~WorkerDialog() override {
        if (worker.joinable()) worker.join();
    }
    std::thread worker;

    std::int64_t onMessage(const ui::Message& m) override {
        if (m.id == ui::kWmUser && onUser) onUser(m);
        return ui::Dialog::onMessage(m);
    }

  protected:
    bool onInitDialog() override {
        if (onInit) onInit();
        return true;
    }
    void onTimer(unsigned) override {
        if (onTick) onTick();
    }
};

class LoopDriverTest : public ModelFixture {
  protected:
    QtLoopDriver qtDriver{desktop};  // replaces the headless pump
    WorkerDialog dialog{desktop, ui::DialogTemplate{800, "Loop", 100, 40, {}}};
};

TEST_F(LoopDriverTest, AMessagePostedFromAnotherThreadIsDispatchedAtOnce) {
    dialog.onInit = [this] {
        ui::WindowHandle handle = dialog.handle();
        dialog.worker = std::thread([this, handle] { desktop.post(handle, ui::kWmUser, 42); });
    };
    dialog.onUser = [this](const ui::Message& m) { dialog.endDialog(static_cast<int>(m.wParam)); };
    EXPECT_EQ(dialog.doModal(), 42);
}

TEST_F(LoopDriverTest, TimersOfTheClockTickWhileTheLoopWaits) {
    int ticks = 0;
    dialog.onInit = [this] {
        desktop.setTimer(dialog.handle(), 1, 100);
        // The clock's own thread, as RealClock has one: it runs what falls due.
        dialog.worker = std::thread([this] { clock.advanceTo(100, [] {}); });
    };
    dialog.onTick = [this, &ticks] {
        ++ticks;
        dialog.endDialog(ui::kIdOk);
    };
    EXPECT_EQ(dialog.doModal(), ui::kIdOk);
    EXPECT_EQ(ticks, 1);
}

TEST_F(LoopDriverTest, MessagesAreDispatchedInsideANestedQtLoop) {
    // As under a message box: Qt runs a loop of its own, and the model's messages still flow.
    bool handledInside = false;
    dialog.onInit = [this, &handledInside] {
        QEventLoop nested;
        dialog.onUser = [&nested, &handledInside](const ui::Message&) {
            handledInside = true;
            nested.quit();
        };
        ui::WindowHandle handle = dialog.handle();
        dialog.worker = std::thread([this, handle] { desktop.post(handle, ui::kWmUser); });
        nested.exec();
        dialog.onUser = nullptr;
        dialog.endDialog(ui::kIdCancel);
    };
    EXPECT_EQ(dialog.doModal(), ui::kIdCancel);
    EXPECT_TRUE(handledInside);
}

TEST_F(LoopDriverTest, QuitEndsTheModalLoop) {
    dialog.onInit = [this] {
        dialog.worker = std::thread([this] { desktop.postCall([this] { desktop.quit(); }); });
    };
    EXPECT_EQ(dialog.doModal(), -1);
}

}  // namespace
}  // namespace zlx::qt::testing
