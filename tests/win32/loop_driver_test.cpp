// The model's loops on the Windows message queue: a message posted from another thread wakes
// the loop at once, also inside a loop of Windows' own, and a message box asked for by a worker
// thread is shown by the user-interface thread while the model's messages keep flowing.

// <windows.h> first: the other Windows headers build on it.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "ui/dialog.h"
#include "ui/headless.h"
#include "win32/loop_driver.h"
#include "win32/renderer.h"
#include "win32/services.h"

namespace zlx::win32 {
namespace {

class WorkerDialog : public ui::Dialog {
  public:
    using ui::Dialog::Dialog;
    ~WorkerDialog() override {
        if (worker.joinable()) worker.join();
    }
    std::function<void()> onInit;
    std::function<void(const ui::Message&)> onUser;
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
};

class LoopDriverTest : public ::testing::Test {
  protected:
    platform::ManualClock clock;
    Win32Services services{GetModuleHandleW(nullptr)};
    ui::Desktop desktop{clock, services, nullptr};
    Renderer renderer{desktop, GetModuleHandleW(nullptr)};
    Win32LoopDriver driver{desktop, renderer, GetModuleHandleW(nullptr)};
    WorkerDialog dialog{desktop, ui::DialogTemplate{800, "Loop", 100, 40, {}}};
};

TEST_F(LoopDriverTest, APostedMessageWakesTheModelsLoopAndALoopOfWindowsOwn) {
    bool handledInside = false;
    dialog.onInit = [&] {
        // A loop of Windows' own, as under a menu: the model's messages still flow.
        dialog.onUser = [&](const ui::Message&) { handledInside = true; };
        ui::WindowHandle handle = dialog.handle();
        dialog.worker = std::thread([this, handle] { desktop.post(handle, ui::kWmUser, 42); });
        MSG message;
        while (!handledInside && GetMessageW(&message, nullptr, 0, 0) > 0)
            DispatchMessageW(&message);
        dialog.onUser = [this](const ui::Message& m) {
            dialog.endDialog(static_cast<int>(m.wParam));
        };
        dialog.worker.join();
        dialog.worker = std::thread([this, handle] { desktop.post(handle, ui::kWmUser, 7); });
    };
    EXPECT_EQ(dialog.doModal(), 7);
    EXPECT_TRUE(handledInside);
}

// Presses OK on the box as it comes up on the thread that installed the hook.
HWND shownBox = nullptr;
LRESULT CALLBACK pressOk(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        auto box = reinterpret_cast<HWND>(wParam);
        wchar_t title[32] = {};
        GetWindowTextW(box, title, 32);
        if (std::wstring(title) == L"Worker asks") {
            shownBox = box;
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(LoopDriverTest, AWorkersMessageBoxIsShownByTheUserInterfaceThread) {
    HHOOK hook = SetWindowsHookExW(WH_CBT, &pressOk, nullptr, GetCurrentThreadId());
    ASSERT_TRUE(hook);
    int answer = 0;
    dialog.onInit = [&] {
        ui::WindowHandle handle = dialog.handle();
        dialog.worker = std::thread([&, handle] {
            ui::MessageBoxRequest request;
            request.caption = "Worker asks";
            request.text = "Shown by the user-interface thread?";
            answer = services.messageBox(request);
            desktop.post(handle, ui::kWmUser);
        });
    };
    dialog.onUser = [this](const ui::Message&) { dialog.endDialog(ui::kIdOk); };
    EXPECT_EQ(dialog.doModal(), ui::kIdOk);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(answer, ui::kIdOk);
    ASSERT_TRUE(shownBox);  // on this thread: the hook sees only this thread's windows
}

}  // namespace
}  // namespace zlx::win32
