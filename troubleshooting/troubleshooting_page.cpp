#include "troubleshooting/troubleshooting_page.h"

#include "context/user_messages.h"
#include "platform/text.h"
#include "resources/dialogs.h"
#include "resources/string_table.h"
#include "troubleshooting/adapter_choice.h"
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
      interfaces_(std::in_place, context.platform.wlan, context.platform.rpc) {}

bool TroubleshootingPage::onInitDialog() {
    // The control texts come from the string table with the template.
    if (hasSystemMenu()) {
        if (auto about = resources::loadString(resources::kIdsAboutMenuItem);
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
    enableItem(resources::kIdcStart, false);
    if (!networkMode_) {
        checkItem(resources::kIdcClientMode, true);
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
    box.caption = resources::stringOr(resources::kIdsDiagnosticsError, "Diagnostics Error");
    desktop().services().messageBox(box);
}

std::string TroubleshootingPage::noAdaptersText() const {
    // Without the wireless service nobody knows whether there are adapters: say why.
    const platform::Win32Error result = interfaces_->result();
    if (wlan::serviceUnavailable(result))
        return wlan::wlanFailureText(result) + "\n\n" + wlan::wlanFailureAdvice(result);
    return resources::stringOr(resources::kIdsNoSuitableAdapters, "");
}

void TroubleshootingPage::makeCurrent(const std::string& guidText) {
    ctx_.selectedAdapterGuidText = guidText;
    wlan::selectInterface(ctx_.selection, ctx_.platform.wlan, ctx_.platform.rpc, guidText);
}

void TroubleshootingPage::selectNetworkMode() {
    networkMode_ = true;
    enableItem(resources::kIdcProfileList, true);
    setItemText(resources::kIdcModeText, resources::stringOr(resources::kIdsNetworkModeText, ""));
    setItemText(resources::kIdcWarningText,
                resources::stringOr(resources::kIdsDiagnosticModeWarning, ""));
    showItem(resources::kIdcWarningText, true);
    showItem(resources::kIdcWarningIcon, true);
    if (std::string why = listNetworkAdapters(); !why.empty()) showErrorText(why);
}

std::string TroubleshootingPage::listNetworkAdapters() {
    enableItem(resources::kIdcStart, false);
    comboReset(resources::kIdcAdapterList);
    networkAdapterGuidText_.clear();
    if (interfaces_->empty()) {
        comboReset(resources::kIdcProfileList);
        return noAdaptersText();
    }
    bool accessDenied = false;
    for (std::size_t i = 0; i < interfaces_->size(); ++i) {
        const std::string& guidText = interfaces_->guidTexts()[i];
        ctx_.selectedAdapterGuidText = guidText;
        if (!adapterHasZlxProfile(ctx_, guidText, &accessDenied)) continue;
        comboSetSel(resources::kIdcAdapterList,
                    comboAdd(resources::kIdcAdapterList, interfaces_->descriptions()[i]));
        networkAdapterGuidText_ = guidText;
        makeCurrent(guidText);
        enableItem(resources::kIdcStart, true);
        fillProfileList();
        return {};
    }
    comboReset(resources::kIdcProfileList);
    // Profiles the service would not show are not profiles that are missing.
    if (accessDenied)
        return wlan::wlanFailureText(platform::kErrorAccessDenied) + "\n\n" +
               wlan::wlanFailureAdvice(platform::kErrorAccessDenied);
    return resources::stringOr(resources::kIdsNoZlxProfiles, "");
}

void TroubleshootingPage::selectClientMode() {
    networkMode_ = false;
    setItemText(resources::kIdcModeText, resources::stringOr(resources::kIdsClientModeText, ""));
    showItem(resources::kIdcWarningText, false);
    showItem(resources::kIdcWarningIcon, false);
    enableItem(resources::kIdcProfileList, false);
    if (std::string why = listClientAdapters(); !why.empty()) showErrorText(why);
}

std::string TroubleshootingPage::listClientAdapters() {
    enableItem(resources::kIdcStart, false);
    comboReset(resources::kIdcAdapterList);
    clientAdapterGuidText_.clear();
    if (interfaces_->empty()) {
        comboReset(resources::kIdcProfileList);
        return noAdaptersText();
    }
    for (const std::string& description : interfaces_->descriptions())
        comboAdd(resources::kIdcAdapterList, description);
    comboSetSel(resources::kIdcAdapterList, 0);
    ctx_.selection.selectedAdapterDescription = interfaces_->descriptions()[0];
    clientAdapterGuidText_ = interfaces_->guidTexts()[0];
    makeCurrent(clientAdapterGuidText_);
    fillProfileList();
    enableItem(resources::kIdcStart, true);
    return {};
}

bool TroubleshootingPage::runOn() const {
    const context::RunView run = ctx_.runState.view();
    return run.kind == context::RunKind::ClientManaged || run.state != context::RunState::Idle;
}

void TroubleshootingPage::interfacesChanged() {
    if (runOn()) {
        // The run keeps its adapter, and its window the name in its header. A client-managed
        // run whose adapter went ends with that cause rather than judging what is not there.
        interfacesStale_ = true;
        if (ctx_.runState.view().kind == context::RunKind::ClientManaged &&
            !clientWorkers_.empty()) {
            clientsuite::ClientTestWorker& worker = *clientWorkers_.back();
            wlan::InterfaceList now(ctx_.platform.wlan, ctx_.platform.rpc);
            if (chooseAfterChange(worker.selection().selectedInterfaceText, now.guidTexts())
                    .vanished)
                worker.adapterRemoved();
        }
        return;
    }
    interfacesStale_ = false;
    const std::string before = networkMode_ ? networkAdapterGuidText_ : clientAdapterGuidText_;
    const std::string beforeName =
        comboText(resources::kIdcAdapterList, comboGetSel(resources::kIdcAdapterList));
    interfaces_.emplace(ctx_.platform.wlan, ctx_.platform.rpc);
    const AdapterChoice choice = chooseAfterChange(before, interfaces_->guidTexts());
    if (!choice.vanished && !before.empty()) {
        // The adapter is still there. Client mode lists every adapter the machine has now;
        // network mode's one entry stays as it is.
        if (networkMode_) return;
        comboReset(resources::kIdcAdapterList);
        for (const std::string& description : interfaces_->descriptions())
            comboAdd(resources::kIdcAdapterList, description);
        comboSetSel(resources::kIdcAdapterList, static_cast<int>(*choice.index));
        return;
    }
    // Nothing was selected, or the selected adapter went: list again as the mode does.
    const std::string why = networkMode_ ? listNetworkAdapters() : listClientAdapters();
    // Nothing was selected before: an adapter that came is selected without a box, and a list
    // still empty was explained when it became so.
    if (!choice.vanished) return;
    std::optional<std::string> now;
    if (why.empty())
        now = comboText(resources::kIdcAdapterList, comboGetSel(resources::kIdcAdapterList));
    showErrorText(adapterGoneText(beforeName, now, why));
}

void TroubleshootingPage::adapterChanged() {
    int index = comboGetSel(resources::kIdcAdapterList);
    if (index < 0) return;
    ctx_.selection.selectedAdapterDescription = comboText(resources::kIdcAdapterList, index);
    // In network mode the list's one entry stands for the adapter found there.
    const std::string& guidText =
        networkMode_ ? networkAdapterGuidText_ : interfaces_->guidTexts().at(index);
    if (!networkMode_) clientAdapterGuidText_ = guidText;
    makeCurrent(guidText);
    if (!fillProfileList()) {
        showError(resources::kIdsNoZlxProfiles);
        comboReset(resources::kIdcProfileList);
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

    comboReset(resources::kIdcProfileList);
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
    comboAddAll(resources::kIdcProfileList, std::move(entries));
    selectedProfileIndex_ =
        comboFindExact(resources::kIdcProfileList, " " + ctx_.selectedProfileName);
    comboSetSel(resources::kIdcProfileList, selectedProfileIndex_);
    return chosen;
}

void TroubleshootingPage::profileChanged() {
    int index = comboGetSel(resources::kIdcProfileList);
    std::string entry = comboText(resources::kIdcProfileList, index);
    if (!entry.empty() && entry[0] == '*') {
        showError(resources::kIdsSelectUnmarkedProfile);
        comboSetSel(resources::kIdcProfileList, selectedProfileIndex_);
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
            case resources::kIdcNetworkMode:
                return selectNetworkMode();
            case resources::kIdcClientMode:
                return selectClientMode();
            case resources::kIdcStart:
                return start();
            default:
                break;
        }
    } else if (code == ui::kCbnSelChange) {
        if (id == resources::kIdcAdapterList) return adapterChanged();
        if (id == resources::kIdcProfileList) return profileChanged();
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
        case context::kWmInterfacesChanged:
            interfacesChanged();
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
