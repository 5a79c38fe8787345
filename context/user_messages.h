#pragma once
// The system's own window messages (WM_USER + n) and who receives them.

#include <cstdint>

#include "ui/messages.h"

namespace zlx::context {

enum : std::uint32_t {
    kWmCloseWaitingDialog = ui::kWmUser + 1,   // waiting dialog: lParam 1 close, 0 leave and close
    kWmAddTestLine = ui::kWmUser + 2,          // test window: wParam line kind, text
    kWmLeaveDiagnosticMode = ui::kWmUser + 5,  // page: leave diagnostic mode
    kWmReturnToIdle = ui::kWmUser + 6,         // page: run state Idle, restore the page
    kWmConnectionResult = ui::kWmUser + 7,     // page: lParam 1 connected, 0 failed
    kWmShowTestsComplete = ui::kWmUser + 8,    // test window
    kWmShowWaitingDialog = ui::kWmUser + 9,    // page
    kWmOpenTestWindow = ui::kWmUser + 10,      // page: lParam 1 client-managed, 0 network-managed
    kWmCloseWaitingDialogQuietly = ui::kWmUser + 11,  // waiting dialog
    kWmStartClientTests = ui::kWmUser + 12,           // page
    kWmRefreshPage = ui::kWmUser + 14,                // active status page
    kWmEndRunProfileNotFound = ui::kWmUser + 15,      // page: the service knows no such profile
    kWmNetworkTestBusy = ui::kWmUser + 16,    // page: lParam 1 show the wait cursor, 0 restore it
    kWmInterfacesChanged = ui::kWmUser + 17,  // page: a wireless interface came or went
};

}  // namespace zlx::context
