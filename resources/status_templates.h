#pragma once
// The templates of the status display: the Current Status page, the Advanced Status dialog and
// the Diagnostics page.

#include "ui/dialog_template.h"

namespace zlx::resources {

ui::DialogTemplate linkStatusPageTemplate();
ui::DialogTemplate advancedStatusTemplate();
ui::DialogTemplate diagnosticsPageTemplate();

}  // namespace zlx::resources
