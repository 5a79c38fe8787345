#include "status/link_status_page.h"

#include "resources/dialogs.h"
#include "resources/status_rows.h"
#include "resources/string_table.h"
#include "status/status_rows.h"

namespace zlx::status {

LinkStatusPage::LinkStatusPage(adapterinfo::AdapterStateContext state)
    : RefreshingPage(state, resources::kDialogLinkStatus), advanced_(state.app.desktop) {}

bool LinkStatusPage::onInitDialog() {
    bool result = RefreshingPage::onInitDialog();
    // The template's word beside the bar would read as a reading before there is one.
    setItemText(resources::kIdcSignalWord, std::string());
    if (auto item = resources::loadString(resources::kIdsSignalHistoryMenuItem);
        item && !item->empty())
        appendSystemMenuItem(kSignalHistoryCommand, std::string(*item), Shortcut::CtrlH);
    return result;
}

void LinkStatusPage::onSysCommand(int id) {
    if ((id & ~0xF) == kSignalHistoryCommand && showSignalHistory_) showSignalHistory_(handle());
}

void LinkStatusPage::onCommand(int id, std::uint32_t code) {
    if (id == resources::kIdcAdvanced && code == ui::kBnClicked) {
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
    for (const resources::StatusRow& row : resources::kLinkStatusRows)
        setItemText(row.valueControl, linkText(s, row.valueControl));
    setItemText(resources::kIdcRadioStatus, s.radioStatus);
    showItem(resources::kIdcRadioStatusLabel, !s.radioStatus.empty());
    showItem(resources::kIdcRadioStatus, !s.radioStatus.empty());
    advanced_.show(s);
    setItemText(resources::kIdcSignalWord, s.signalWord);
    progressSetRange(resources::kIdcSignalBar, 0, kSignalBarMax);
    progressSetPos(resources::kIdcSignalBar, s.qualityBar);
}

}  // namespace zlx::status
