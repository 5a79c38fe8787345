#pragma once
// Window messages of the model. Values are the Windows ones, so that the system's own
// user messages (kWmUser + n) keep their numbers.

#include <cstdint>
#include <functional>
#include <string>

namespace zlx::ui {

using WindowHandle = std::uint64_t;
inline constexpr WindowHandle kNoWindow = 0;

enum : std::uint32_t {
    kWmNull = 0x0000,
    kWmDestroy = 0x0002,
    kWmClose = 0x0010,
    kWmSetCursor = 0x0020,
    kWmInitDialog = 0x0110,
    kWmCommand = 0x0111,
    kWmSysCommand = 0x0112,
    kWmTimer = 0x0113,
    kWmUser = 0x0400,
};

// Notification codes carried in the high word of a WM_COMMAND wParam.
enum : std::uint32_t {
    kBnClicked = 0,
    kCbnSelChange = 1,
};

// Dialog results and the standard command ids.
enum : int {
    kIdOk = 1,
    kIdCancel = 2,
    kIdYes = 6,
    kIdNo = 7,
    kIdHelp = 9,
};

inline constexpr std::uint64_t makeCommandParam(int controlId, std::uint32_t notifyCode) {
    return (static_cast<std::uint64_t>(notifyCode) << 16) | static_cast<std::uint16_t>(controlId);
}
inline constexpr int commandId(std::uint64_t wParam) {
    return static_cast<int>(wParam & 0xFFFF);
}
inline constexpr std::uint32_t commandCode(std::uint64_t wParam) {
    return static_cast<std::uint32_t>((wParam >> 16) & 0xFFFF);
}

// A message owns its payload: a posted text travels inside the message, so no sender keeps a
// buffer alive for the receiver.
struct Message {
    WindowHandle target = kNoWindow;
    std::uint32_t id = kWmNull;
    std::uint64_t wParam = 0;
    std::int64_t lParam = 0;
    std::string text;
    // A call to run on the user-interface thread, for messages without a target window.
    std::function<void()> call;
};

}  // namespace zlx::ui
