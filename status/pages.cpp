#include "resources/dialogs.h"
#include "status/diagnostics_page.h"
#include "status/link_status_page.h"

namespace zlx::status {

LinkStatusPage::LinkStatusPage(context::AppContext& context)
    : RefreshingPage(context, resources::kDialogLinkStatus) {}

DiagnosticsPage::DiagnosticsPage(context::AppContext& context)
    : RefreshingPage(context, resources::kDialogStatistics) {}

}  // namespace zlx::status
