#include "status/link_status_page.h"

#include "resources/dialogs.h"
#include "resources/string_table.h"
#include "status/status_text.h"

namespace zlx::status {

namespace {

constexpr int kProgressMax = 100;
constexpr int kSignalWord = 1187;

}  // namespace

LinkStatusPage::LinkStatusPage(adapterinfo::AdapterStateContext state)
    : RefreshingPage(state, resources::kDialogLinkStatus), advanced_(state.app.desktop) {}

bool LinkStatusPage::onInitDialog() {
    bool result = RefreshingPage::onInitDialog();
    // The template's word beside the bar would read as a reading before there is one.
    setItemText(kSignalWord, std::string());
    if (auto item = resources::loadString(resources::kStrSignalHistoryMenuItem);
        item && !item->empty())
        appendSystemMenuItem(kSignalHistoryCommand, std::string(*item));
    return result;
}

void LinkStatusPage::onSysCommand(int id) {
    if ((id & ~0xF) == kSignalHistoryCommand && showSignalHistory_) showSignalHistory_(handle());
}

void LinkStatusPage::onCommand(int id, std::uint32_t code) {
    if (id == kAdvancedButton && code == ui::kBnClicked) {
        advanced_.doModal(handle());
        return;
    }
    RefreshingPage::onCommand(id, code);
}

void LinkStatusPage::refresh() {
    snapshot_ = takeLinkSnapshot(state_);
    showSnapshot();
    if (advanced_.created() && advanced_.visible()) advanced_.loadControls();
}

void LinkStatusPage::showSnapshot() {
    const LinkSnapshot& s = snapshot_;
    AdvancedStatusDialog& a = advanced_;
    // A value that did not arrive reads "none", as the command line prints it.
    auto shown = [](const std::string& text) { return text.empty() ? noneText() : text; };
    setItemText(1179, shown(s.profileName));
    setItemText(1189, s.linkStatus);
    setItemText(1183, s.networkType);
    setItemText(1185, s.wirelessMode);
    setItemText(1066, s.channel);
    setItemText(1244, noneText());
    setItemText(1181, s.encryption);
    a.setText(1022, s.encryption);
    setItemText(1082, s.serverAuthentication);
    a.setText(1082, s.serverAuthentication);
    setItemText(1162, shown(s.ipAddress));
    setItemText(1192, s.radioStatus);
    showItem(1191, !s.radioStatus.empty());
    showItem(1192, !s.radioStatus.empty());

    a.setText(1020, s.ssid);
    a.setText(1025, s.authentication);
    a.setText(1058, noneText());
    a.setText(1210, s.qos);
    a.setText(1213, noneText());
    a.setText(1214, s.mfp);
    a.setText(1028, std::string());
    a.setText(1032, noneText());
    a.setText(1037, s.apMac);

    setItemText(kSignalWord, s.signalWord);
    progressSetRange(1206, 0, kProgressMax);
    progressSetPos(1206, s.qualityBar);

    a.setText(1215, noneText());
    a.setText(1041, s.powerSave);
    a.setText(1242, noneText());
    a.setText(1044, s.powerLevel);
    a.setText(1048, s.powerLevelsA);
    a.setText(1078, s.powerLevelsBg);
    a.setText(1011, s.signalStrength);
    a.setText(1013, s.signalQuality);
    a.setText(1016, s.upTime);
    a.setText(1053, s.preamble);
    a.setText(1062, s.rxRate);
    a.setText(1086, s.txRate);
    a.setText(1066, s.channel);
    a.setText(1246, noneText());
    a.setText(1070, s.frequency);
    a.setText(1248, noneText());
    a.setText(1074, s.channelSet);
}

}  // namespace zlx::status
