#include "status/link_status_page.h"

#include "platform/text.h"
#include "resources/dialogs.h"
#include "status/status_queries.h"
#include "status/status_text.h"

namespace zlx::status {

namespace {

constexpr int kProgressMax = 100;
constexpr int kSignalWord = 1187;

std::string trimmed(std::string_view text) {
    const char* space = " \t\r\n";
    std::size_t first = text.find_first_not_of(space);
    if (first == std::string_view::npos) return std::string();
    return std::string(text.substr(first, text.find_last_not_of(space) - first + 1));
}

}  // namespace

LinkStatusPage::LinkStatusPage(adapterinfo::AdapterStateContext state)
    : RefreshingPage(state, resources::kDialogLinkStatus), advanced_(state.app.desktop) {}

bool LinkStatusPage::onInitDialog() {
    bool result = RefreshingPage::onInitDialog();
    // The template's word beside the bar would read as a reading before there is one.
    setItemText(kSignalWord, std::string());
    return result;
}

void LinkStatusPage::onCommand(int id, std::uint32_t code) {
    if (id == kAdvancedButton && code == ui::kBnClicked) {
        advanced_.doModal(handle());
        return;
    }
    RefreshingPage::onCommand(id, code);
}

void LinkStatusPage::refresh() {
    adapterinfo::refreshLinkStatus(state_);
    adapterinfo::refreshTxPowerAndValidity(state_);
    // The driver's link status block answered: the quality, the AP address and the link's flags.
    const bool valid = state_.records.validity.status == 1;
    // One reading of the radio serves every gate of this refresh, so they all agree.
    const int radioClass = queryRadioClass(state_);
    showPageValues(radioClass);
    writeAdvancedTexts(valid, radioClass == 0);
    if (advanced_.created() && advanced_.visible()) advanced_.loadControls();
}

void LinkStatusPage::showPageValues(int radioClass) {
    const adapterinfo::AdapterState& adapter = state_.records.adapter;
    const wlan::LinkStatus& link = state_.records.linkStatus;
    const wlan::StatusValidity& answered = state_.records.validity;
    setItemText(1179, platform::displaySafeName(adapter.details.profileName));
    setItemText(1189, linkStatusText(queryInterfaceState(state_)));
    setItemText(1183, networkTypeText(link.networkType));
    setItemText(1185, wirelessModeText(adapter.link.wirelessModeBits));
    setItemText(1066, channelText(answered.channel == 1, adapter.link.channel));
    setItemText(1244, noneText());
    std::string cipher =
        cipherText(answered.connection == 1, link.securityEnabled, link.cipherClass);
    setItemText(1181, cipher);
    advanced_.setText(1022, cipher);
    std::string serverAuth = serverAuthText(queryProfileEapMethod(state_));
    setItemText(1082, serverAuth);
    advanced_.setText(1082, serverAuth);
    setItemText(1162, adapter.details.ipAddress);
    std::string radio = trimmed(radioStatusText(radioClass));
    setItemText(1192, radio);
    showItem(1191, !radio.empty());
    showItem(1192, !radio.empty());
}

void LinkStatusPage::writeAdvancedTexts(bool valid, bool radioOn) {
    const adapterinfo::LinkRecords& r = state_.records;
    const wlan::LinkStatus& link = r.linkStatus;
    const wlan::LinkStatus& copy = r.adapter.link;
    const wlan::StatusValidity& answered = r.validity;
    const bool connection = answered.connection == 1;
    AdvancedStatusDialog& a = advanced_;
    std::string ssid = ctx_.platform.codePages.ansiToUtf8(ssidOctets(link.ssid));
    a.setText(1020, ssidText(connection, radioOn, ssid));
    a.setText(1025, authenticationText(connection, link.securityEnabled, link.authClass));
    a.setText(1058, noneText());
    a.setText(1210, qosText(link.wmm, answered.wmm == 1, radioOn));
    a.setText(1213, noneText());
    a.setText(1214, mfpText(valid, link.mfp));
    a.setText(1028, std::string());
    a.setText(1032, noneText());
    a.setText(1037, apMacText(valid, radioOn, link.apMac));

    setItemText(kSignalWord, signalQualityWord(valid, radioOn, link.qualityClass));
    progressSetRange(1206, 0, kProgressMax);
    progressSetPos(1206, valid && radioOn ? static_cast<int>(link.qualityClass) : 0);

    a.setText(1215, noneText());
    a.setText(1041, powerSaveText(answered.powerSave == 1, copy.powerSaveLevel));
    a.setText(1242, noneText());
    a.setText(1044, powerLevelText(answered.txPower == 1, radioOn, copy.txPowerCode));
    a.setText(1048, availablePowerLevelsAText(valid, r.adapter.phyCapabilityBits));
    a.setText(1078, availablePowerLevelsBgText(valid, r.adapter.phyCapabilityBits));
    a.setText(1011, signalStrengthText(answered.signalStrength == 1, link.signalStrength));
    a.setText(1013,
              signalQualityPercentText(answered.qualityPercent == 1, radioOn, link.qualityPercent));
    a.setText(1016, upTimeText(answered.upTime == 1, radioOn, link.upTimeMs));
    a.setText(1053, preambleText(valid, link.shortPreamble));
    a.setText(1062, rateText(answered.rxRate == 1, radioOn, link.rxRate));
    a.setText(1086, rateText(answered.txRate == 1, radioOn, link.txRate));
    a.setText(1066, channelText(answered.channel == 1, copy.channel));
    a.setText(1246, noneText());
    a.setText(1070, frequencyText(answered.channel == 1, radioOn, copy.frequency));
    a.setText(1248, noneText());
    a.setText(1074, channelSetText(answered.countryCode == 1, link.countryCode));
}

}  // namespace zlx::status
