#include "resources/dialogs.h"
#include "status/link_status_page.h"
#include "status/statistics_page.h"

namespace zlx::status {

WvLinkStatusPage::WvLinkStatusPage(app::AppContext& context)
    : RefreshingPage(context, resources::kDialogLinkStatus) {}

WvStatisticsPage::WvStatisticsPage(app::AppContext& context)
    : RefreshingPage(context, resources::kDialogStatistics) {}

}  // namespace zlx::status
