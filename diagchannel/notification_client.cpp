#include "diagchannel/notification_client.h"

#include "app/app_context.h"
#include "app/user_messages.h"
#include "diagchannel/ihv_events.h"
#include "resources/string_table.h"

namespace zlx::diagchannel {

NotificationClient::NotificationClient(app::AppContext& context) : ctx_(context) {
    std::uint32_t negotiated = 0;
    platform::WlanApi& wlan = ctx_.platform.wlan;
    if (wlan.openHandle(wlan::kWlanClientVersion, negotiated, handle_) != platform::kErrorSuccess) {
        if (handle_ != platform::kNoWlanHandle) wlan.closeHandle(handle_);
        handle_ = platform::kNoWlanHandle;
    }
}

NotificationClient::~NotificationClient() {
    if (handle_ != platform::kNoWlanHandle) ctx_.platform.wlan.closeHandle(handle_);
}

void NotificationClient::secureIhvControl() {
    platform::WlanApi& wlan = ctx_.platform.wlan;
    std::uint32_t negotiated = 0;
    platform::WlanHandle handle = platform::kNoWlanHandle;
    platform::Win32Error opened = wlan.openHandle(wlan::kWlanClientVersion, negotiated, handle);
    if (opened == platform::kErrorSuccess && negotiated == wlan::kWlanClientVersion)
        wlan.setSecuritySettings(handle, platform::kWlanSecureIhvControl, kIhvControlSecurity);
    if (handle != platform::kNoWlanHandle) wlan.closeHandle(handle);
}

void NotificationClient::registerRoutine() {
    ctx_.platform.wlan.registerNotification(
        handle_, platform::kWlanNotificationSourceIhv,
        [this](const platform::WlanNotification& n) { onNotification(n); });
}

void NotificationClient::unregisterRoutine() {
    ctx_.platform.wlan.registerNotification(handle_, platform::kWlanNotificationSourceNone, {});
}

void NotificationClient::onNotification(const platform::WlanNotification& n) {
    if (n.data.empty() || n.source != platform::kWlanNotificationSourceIhv) return;
    auto code = eventCode(n.data);
    if (!code) return;
    lastEventCode_ = *code;
    RunState state = ctx_.runState.readRunState();
    ui::Desktop& desktop = ctx_.desktop;
    const ui::WindowHandle page = ctx_.troubleshootingPage;

    if (auto line = progressLine(*code)) {
        if (state == RunState::Testing) {
            desktop.post(ctx_.testWindowHandle, app::kWmAddLine, 0, 0, *line);
        } else {
            ctx_.runState.setPendingFirstLine(*line);
            desktop.post(page, app::kWmOpenTestWindow, 0, 0);
        }
        return;
    }
    switch (*code) {
        case kEventConnected:
            if (state == RunState::Idle || state == RunState::Connecting)
                desktop.post(page, app::kWmConnectResult, 0, 1);
            break;
        case kEventConnectFailed: desktop.post(page, app::kWmConnectResult, 0, 0); break;
        case kEventLeftDiagnosticMode:
            if (state == RunState::Testing) {
                desktop.post(ctx_.testWindowHandle, app::kWmTestsComplete);
            } else if (state == RunState::Waiting) {
                ctx_.runState.setCompletedBeforeOpen();
                desktop.post(page, app::kWmOpenTestWindow, 0, 0);
            }
            break;
        case kEventProfileNotFound: {
            ui::MessageBoxRequest box;
            box.text = resources::stringOr(resources::kStrTestCouldNotBeRun, "The test could not be run");
            box.caption = resources::stringOr(resources::kStrDiagnosticsError, "Diagnostics Error");
            desktop.services().messageBox(box);
            // The run cannot go on: the page ends it cleanly.
            desktop.post(page, app::kWmProfileNotFound);
            break;
        }
        default: break;  // failed to reconnect, and codes the system does not know
    }
}

}  // namespace zlx::diagchannel
