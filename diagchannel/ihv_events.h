#pragma once
// The IHV service's notification payload, its event codes and the text line each event makes.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace zlx::diagchannel {

inline constexpr std::uint32_t kEventConnected = 0x80000000;
inline constexpr std::uint32_t kEventConnectFailed = 0x80000001;
inline constexpr std::uint32_t kEventReconnectFailed = 0x80000002;
inline constexpr std::uint32_t kEventProfileNotFound = 0x80000003;
inline constexpr std::uint32_t kEventLeftDiagnosticMode = 0x80000004;
inline constexpr std::uint32_t kEventFirstProgress = 0x80000005;
inline constexpr std::uint32_t kEventLastProgress = 0x80000010;
inline constexpr std::uint32_t kFirstStatusCode = 1;
inline constexpr std::uint32_t kLastStatusCode = 33;

// The event code at the start of a payload; nothing for a payload shorter than 4 bytes.
std::optional<std::uint32_t> eventCode(std::span<const std::uint8_t> payload);

bool isProgressEvent(std::uint32_t code);

// The line a progress event shows: "[DiagServ]" and the status text for codes 1 to 33, the
// event text for 0x80000005 to 0x80000010. Nothing for any other code.
std::optional<std::string> progressLine(std::uint32_t code);

}  // namespace zlx::diagchannel
