#include "status/refreshing_page.h"

#include "resources/dialogs.h"
#include "status/status_sheet.h"

namespace zlx::status {

RefreshingPage::RefreshingPage(context::AppContext& context, int templateId)
    : ui::PropertyPage(context.desktop, resources::dialogTemplate(templateId)), ctx_(context) {}

std::int64_t RefreshingPage::onMessage(const ui::Message& message) {
    if (message.id == kWmRefreshPage) {
        ++refreshes_;
        refresh();
        return 0;
    }
    return ui::PropertyPage::onMessage(message);
}

}  // namespace zlx::status
