#include "diagchannel/notification_client.h"

#include "context/app_context.h"
#include "context/user_messages.h"
#include "diagchannel/ihv_events.h"
#include "resources/string_table.h"

namespace zlx::diagchannel {

using context::RunState;

NotificationClient::NotificationClient(context::AppContext& context)
    : ctx_(context), handle_(context.platform.wlan) {}

void NotificationClient::secureIhvControl() {
    wlan::ClientHandle handle(ctx_.platform.wlan);
    if (handle.ok() && handle.negotiatedVersion() == wlan::kWlanClientVersion)
        ctx_.platform.wlan.setSecuritySettings(handle.get(), platform::kWlanSecureIhvControl,
                                               kIhvControlSecurity);
}

void NotificationClient::registerRoutine() {
    ctx_.platform.wlan.registerNotification(
        handle_.get(), platform::kWlanNotificationSourceIhv | platform::kWlanNotificationSourceAcm,
        [this](const platform::WlanNotification& n) { onNotification(n); });
}

void NotificationClient::unregisterRoutine() {
    ctx_.platform.wlan.registerNotification(handle_.get(), platform::kWlanNotificationSourceNone,
                                            {});
}

void NotificationClient::onNotification(const platform::WlanNotification& n) {
    if (n.source == platform::kWlanNotificationSourceAcm) return onInterfaceNotification(n);
    if (n.data.empty() || n.source != platform::kWlanNotificationSourceIhv) return;
    auto code = eventCode(n.data);
    if (!code) return;
    lastEventCode_ = *code;
    // The event belongs to the run it came in, not to whatever the state says: a client-managed
    // run ignores the channel altogether, late answers of a stopped network run included.
    const context::RunView run = ctx_.runState.view();
    if (run.kind == context::RunKind::ClientManaged) return;
    const RunState state = run.state;
    ui::Desktop& desktop = ctx_.desktop;
    const ui::WindowHandle page = ctx_.troubleshootingPage;

    if (auto line = progressLine(*code)) {
        if (state == RunState::Testing) {
            // Between Testing and the window's opening the line waits with the pending ones.
            if (ui::WindowHandle window = ctx_.runState.routeLine(*line))
                desktop.post(window, context::kWmAddTestLine, 0, 0, *line);
        } else {
            ctx_.runState.addPendingLine(*line);
            desktop.post(page, context::kWmOpenTestWindow, 0, 0);
        }
        return;
    }
    switch (*code) {
        case kEventConnected:
            if (state == RunState::Idle || state == RunState::Connecting)
                desktop.post(page, context::kWmConnectionResult, 0, 1);
            break;
        case kEventConnectFailed:
            desktop.post(page, context::kWmConnectionResult, 0, 0);
            break;
        case kEventLeftDiagnosticMode:
            if (state == RunState::Testing) {
                if (ui::WindowHandle window = ctx_.runState.routeCompletion())
                    desktop.post(window, context::kWmShowTestsComplete);
            } else if (state == RunState::Waiting) {
                ctx_.runState.setCompletedBeforeOpen();
                desktop.post(page, context::kWmOpenTestWindow, 0, 0);
            }
            break;
        case kEventProfileNotFound: {
            // The run ends here, once: the state goes to Idle at once, so an answer to the leave
            // request that ending sends (or a repeat of this event) finds no run and changes
            // nothing.
            // A Start since the read began another run, which this event does not end.
            std::optional<RunState> ended =
                ctx_.runState.exchangeRunStateOf(run.number, RunState::Idle);
            if (!ended || *ended == RunState::Idle) break;
            // Not when the run's failed connection has shown its box already: one box a run.
            if (ctx_.runState.claimFailureBox()) {
                ui::MessageBoxRequest box;
                box.text = resources::stringOr(resources::kIdsTestCouldNotBeRun,
                                               "The test could not be run");
                box.caption =
                    resources::stringOr(resources::kIdsDiagnosticsError, "Diagnostics Error");
                desktop.services().messageBox(box);
            }
            desktop.post(page, context::kWmEndRunProfileNotFound, run.number,
                         static_cast<std::int64_t>(*ended));
            break;
        }
        default:
            break;  // failed to reconnect, and codes the system does not know
    }
}

void NotificationClient::onInterfaceNotification(const platform::WlanNotification& n) {
    if (n.code != platform::kWlanAcmInterfaceArrival &&
        n.code != platform::kWlanAcmInterfaceRemoval)
        return;
    ctx_.interfaceChanges.fetch_add(1);
    ctx_.desktop.post(ctx_.troubleshootingPage, context::kWmInterfacesChanged);
}

}  // namespace zlx::diagchannel
