#pragma once
// The system's own window messages (WM_USER + n) and who receives them.

#include <cstdint>

#include "ui/messages.h"

namespace zlx::context {

enum : std::uint32_t {
    kWmWaitClose = ui::kWmUser + 1,          // waiting dialog: lParam 1 close, 0 leave and close
    kWmAddLine = ui::kWmUser + 2,            // test window: wParam line kind, text
    kWmLeaveMode = ui::kWmUser + 5,          // page: leave diagnostic mode
    kWmRunIdle = ui::kWmUser + 6,            // page: run state Idle, restore the page
    kWmConnectResult = ui::kWmUser + 7,      // page: lParam 1 connected, 0 failed
    kWmTestsComplete = ui::kWmUser + 8,      // test window
    kWmShowWaiting = ui::kWmUser + 9,        // page
    kWmOpenTestWindow = ui::kWmUser + 10,    // page: lParam 1 client-managed, 0 network-managed
    kWmWaitCloseQuiet = ui::kWmUser + 11,    // waiting dialog
    kWmStartClientTests = ui::kWmUser + 12,  // page
    kWmRefresh = ui::kWmUser + 14,           // active status page
    kWmProfileNotFound = ui::kWmUser + 15,   // page: the service knows no such profile
};

}  // namespace zlx::context
