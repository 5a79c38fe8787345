#pragma once
// TestWindow, the test window: both kinds of run report their lines here, and the user
// stops the tests, closes the window or saves what it shows.

#include <ctime>

#include "context/app_context.h"
#include "ui/dialog.h"
#include "wlan/driver_channel.h"

namespace zlx::testwindow {

inline constexpr const char* kDefaultLogName = "ZLXDiagnosticLog.txt";

class TestWindow : public ui::Dialog {
  public:
    TestWindow(context::AppContext& context, wlan::DriverChannel& driver, bool clientManaged);
    bool clientManaged() const { return clientManaged_; }

  protected:
    bool onInitDialog() override;
    void onCommand(int id, std::uint32_t code) override;
    std::int64_t onMessage(const ui::Message& message) override;
    // The close box (and Escape) end the window with Cancel; while a network-managed run is
    // still running they first ask, as Stop Test does, since the run's log goes with it.
    void onClose() override;

  private:
    std::string prefix() const;
    void addLine(std::uint32_t kind, const std::string& text);
    void complete();
    void stopTest();
    bool confirmStop();
    void saveToFile();

    context::AppContext& ctx_;
    wlan::DriverChannel& driver_;
    bool clientManaged_;
    bool running_ = false;
    // When the window opened, which is when its run started: the saved log's header says so.
    std::tm openedAt_{};
};

}  // namespace zlx::testwindow
