#include "status/refreshing_page.h"

#include "resources/dialogs.h"
#include "status/copy_text.h"
#include "status/status_sheet.h"

namespace zlx::status {

RefreshingPage::RefreshingPage(adapterinfo::AdapterStateContext state, int templateId)
    : ui::PropertyPage(state.app.desktop, resources::dialogTemplate(templateId)),
      ctx_(state.app),
      state_(state) {}

std::int64_t RefreshingPage::onMessage(const ui::Message& message) {
    if (message.id == kWmRefreshPage) {
        ++refreshes_;
        refresh();
        return 0;
    }
    return ui::PropertyPage::onMessage(message);
}

void RefreshingPage::onSetActive() {
    if (sheet()) sheet()->enableSystemMenuItem(kCopyCommand, true);
}

void RefreshingPage::onKillActive() {
    if (sheet()) sheet()->enableSystemMenuItem(kCopyCommand, false);
}

}  // namespace zlx::status
