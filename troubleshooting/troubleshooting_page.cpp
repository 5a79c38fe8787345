#include "troubleshooting/troubleshooting_page.h"

#include "context/user_messages.h"
#include "platform/text.h"
#include "resources/dialogs.h"
#include "resources/string_table.h"
#include "troubleshooting/profile_eligibility.h"
#include "wlan/failure_text.h"

namespace zlx::troubleshooting {

TroubleshootingPage::TroubleshootingPage(context::AppContext& context, wlan::DriverChannel& driver,
                                         diagchannel::NotificationClient& notifications,
                                         std::function<void(ui::WindowHandle owner)> showAbout)
    : ui::PropertyPage(context.desktop,
                       resources::dialogTemplate(resources::kDialogTroubleshooting)),
      ctx_(context),
      driver_(driver),
      notifications_(notifications),
      showAbout_(std::move(showAbout)),
      interfaces_(context.platform.wlan, context.platform.rpc) {}

bool TroubleshootingPage::onInitDialog() {
    // The control texts come from the string table with the template.
    if (hasSystemMenu()) {
        if (auto about = resources::loadString(resources::kStrAboutMenuItem);
            about && !about->empty())
            appendSystemMenuItem(kAboutCommand, std::string(*about));
    }
    setIcon(resources::kIconProgram);
    ctx_.platform.instance.writeSharedMainWindow(ctx_.mainWindow);
    busy_ = false;
    initialised_ = true;
    ctx_.troubleshootingPage = handle();
    notifications_.secureIhvControl();
    notifications_.registerRoutine();
    enableItem(kIdStart, false);
    if (!networkMode_) {
        checkItem(kIdClientMode, true);
        selectClientMode();
    }
    return true;
}

void TroubleshootingPage::showError(int stringId) {
    showErrorText(resources::stringOr(stringId, ""));
}

void TroubleshootingPage::showErrorText(const std::string& text) {
    ui::MessageBoxRequest box;
    box.owner = handle();
    box.ownerTitle = caption();
    box.text = text;
    box.caption = resources::stringOr(resources::kStrDiagnosticsError, "Diagnostics Error");
    desktop().services().messageBox(box);
}

void TroubleshootingPage::showNoAdapters() {
    // Without the wireless service nobody knows whether there are adapters: say why.
    const platform::Win32Error result = interfaces_.result();
    if (wlan::serviceUnavailable(result))
        showErrorText(wlan::wlanFailureText(result) + "\n\n" + wlan::wlanFailureAdvice(result));
    else
        showError(resources::kStrNoSuitableAdapters);
}

void TroubleshootingPage::makeCurrent(const std::string& guidText) {
    ctx_.selectedAdapterGuidText = guidText;
    wlan::selectInterface(ctx_.selection, ctx_.platform.wlan, ctx_.platform.rpc, guidText);
}

void TroubleshootingPage::selectNetworkMode() {
    networkMode_ = true;
    enableItem(kIdProfileList, true);
    setItemText(kIdModeText, resources::stringOr(resources::kStrNetworkModeText, ""));
    setItemText(kIdWarningText, resources::stringOr(resources::kStrDiagnosticModeWarning, ""));
    showItem(kIdWarningText, true);
    showItem(kIdWarningIcon, true);
    enableItem(kIdStart, false);
    comboReset(kIdAdapterList);
    if (interfaces_.empty()) {
        comboReset(kIdProfileList);
        showNoAdapters();
        return;
    }
    bool accessDenied = false;
    for (std::size_t i = 0; i < interfaces_.size(); ++i) {
        const std::string& guidText = interfaces_.guidTexts()[i];
        ctx_.selectedAdapterGuidText = guidText;
        if (!adapterHasZlxProfile(ctx_, guidText, &accessDenied)) continue;
        comboSetSel(kIdAdapterList, comboAdd(kIdAdapterList, interfaces_.descriptions()[i]));
        networkAdapterGuidText_ = guidText;
        makeCurrent(guidText);
        enableItem(kIdStart, true);
        fillProfileList();
        return;
    }
    comboReset(kIdProfileList);
    // Profiles the service would not show are not profiles that are missing.
    if (accessDenied)
        showErrorText(wlan::wlanFailureText(platform::kErrorAccessDenied) + "\n\n" +
                      wlan::wlanFailureAdvice(platform::kErrorAccessDenied));
    else
        showError(resources::kStrNoZlxProfiles);
}

void TroubleshootingPage::selectClientMode() {
    networkMode_ = false;
    setItemText(kIdModeText, resources::stringOr(resources::kStrClientModeText, ""));
    showItem(kIdWarningText, false);
    showItem(kIdWarningIcon, false);
    enableItem(kIdProfileList, false);
    enableItem(kIdStart, false);
    comboReset(kIdAdapterList);
    if (interfaces_.empty()) {
        showNoAdapters();
        return;
    }
    for (const std::string& description : interfaces_.descriptions())
        comboAdd(kIdAdapterList, description);
    comboSetSel(kIdAdapterList, 0);
    ctx_.selection.selectedAdapterDescription = interfaces_.descriptions()[0];
    makeCurrent(interfaces_.guidTexts()[0]);
    fillProfileList();
    enableItem(kIdStart, true);
}

void TroubleshootingPage::adapterChanged() {
    int index = comboGetSel(kIdAdapterList);
    if (index < 0) return;
    ctx_.selection.selectedAdapterDescription = comboText(kIdAdapterList, index);
    // In network mode the list's one entry stands for the adapter found there.
    const std::string& guidText =
        networkMode_ ? networkAdapterGuidText_ : interfaces_.guidTexts().at(index);
    makeCurrent(guidText);
    if (!fillProfileList()) {
        showError(resources::kStrNoZlxProfiles);
        comboReset(kIdProfileList);
    }
}

bool TroubleshootingPage::fillProfileList() {
    wlan::ConnectionSnapshot snapshot(ctx_.platform.wlan, ctx_.selection.selectedInterface);
    bool connected = snapshot.result == platform::kErrorSuccess;
    std::string current =
        connected ? platform::truncateToUtf16Units(snapshot.profileName, wlan::kMaxNameUnits)
                  : std::string();
    snapshot.close();
    bool connectedEligible = connected && isZlxProfile(ctx_, current);
    if (connectedEligible) ctx_.selectedProfileName = current;

    comboReset(kIdProfileList);
    bool chosen = false;
    std::vector<platform::WlanProfileInfo> profiles;
    // A list that cannot be had stays empty: the search below still runs.
    wlan::getProfileList(ctx_.platform.wlan, ctx_.selection.selectedInterface, profiles);
    std::vector<std::string> entries;
    entries.reserve(profiles.size());
    for (const auto& profile : profiles) {
        bool eligible = isZlxProfile(ctx_, profile.name);
        entries.push_back((eligible ? " " : "*") + profile.name);
        bool isChoice =
            connectedEligible ? (eligible && profile.name == current) : (eligible && !chosen);
        if (isChoice && !chosen) {
            ctx_.selectedProfileName = profile.name;
            chosen = true;
        }
    }
    comboAddAll(kIdProfileList, std::move(entries));
    selectedProfileIndex_ = comboFindExact(kIdProfileList, " " + ctx_.selectedProfileName);
    comboSetSel(kIdProfileList, selectedProfileIndex_);
    return chosen;
}

void TroubleshootingPage::profileChanged() {
    int index = comboGetSel(kIdProfileList);
    std::string entry = comboText(kIdProfileList, index);
    if (!entry.empty() && entry[0] == '*') {
        showError(resources::kStrSelectUnmarkedProfile);
        comboSetSel(kIdProfileList, selectedProfileIndex_);
        return;
    }
    // Only the one-character mark goes: a name's own leading blanks are part of it.
    if (!entry.empty()) entry.erase(0, 1);
    ctx_.selectedProfileName = entry;
    selectedProfileIndex_ = index;
}

void TroubleshootingPage::onCommand(int id, std::uint32_t code) {
    if (code == ui::kBnClicked) {
        switch (id) {
            case kIdNetworkMode:
                return selectNetworkMode();
            case kIdClientMode:
                return selectClientMode();
            case kIdStart:
                return start();
            default:
                break;
        }
    } else if (code == ui::kCbnSelChange) {
        if (id == kIdAdapterList) return adapterChanged();
        if (id == kIdProfileList) return profileChanged();
    }
}

void TroubleshootingPage::onSysCommand(int id) {
    if ((id & ~0xF) == kAboutCommand && showAbout_) showAbout_(handle());
}

void TroubleshootingPage::onClose() {
    notifications_.unregisterRoutine();
}

void TroubleshootingPage::onDestroy() {
    // The program ends (a termination signal quit its loops) while a network-managed run still
    // connects: the adapter must not stay in diagnostic mode.
    if (awaitingConnection_ && desktop().quitting()) leaveOnce();
}

std::int64_t TroubleshootingPage::onMessage(const ui::Message& m) {
    switch (m.id) {
        case ui::kWmSetCursor:
            if (!busy_ && !networkTestBusy_) break;
            desktop().services().setCursor(ui::Cursor::Wait);
            return 1;
        case context::kWmLeaveDiagnosticMode:
            driver_.leaveDiagnosticMode();
            return 0;
        case context::kWmReturnToIdle:
            runIdle();
            return 0;
        case context::kWmConnectionResult:
            connectionResult(m.lParam != 0);
            return 0;
        case context::kWmShowWaitingDialog:
            showWaitingDialog();
            return 0;
        case context::kWmOpenTestWindow:
            openTestWindow(m.lParam != 0);
            return 0;
        case context::kWmStartClientTests:
            startClientTests();
            return 0;
        case context::kWmNetworkTestBusy:
            showNetworkTestBusy(m.lParam != 0);
            return 0;
        case context::kWmEndRunProfileNotFound:
            endRunAfterProfileError(m.wParam, static_cast<context::RunState>(m.lParam));
            return 0;
        default:
            break;
    }
    return ui::PropertyPage::onMessage(m);
}

}  // namespace zlx::troubleshooting
