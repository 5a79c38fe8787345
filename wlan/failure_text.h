#pragma once
// Why a Native Wifi call failed, in the user's words: the wireless service stopped or not
// installed, a request refused to a user without administrator rights, else the call's code.
// Each text ends with the Windows result code, so a ticket names the cause exactly.

#include <string>

#include "platform/windows_types.h"

namespace zlx::wlan {

// WlanOpenHandle's result means that there is no wireless service to ask: it is not running
// (1062) or not installed (126, the Native Wifi library missing).
bool serviceUnavailable(platform::Win32Error openResult);

// A query about an interface the service answers so when it does not know the interface: the
// adapter was taken from the machine (or never was on it).
bool interfaceUnknown(platform::Win32Error result);

// The cause of a failed call, e.g. "The wireless service (WLAN AutoConfig) is not running
// (1062)."; empty for success.
std::string wlanFailureText(platform::Win32Error result);

// What the user can do about that cause; empty when the cause has no remedy of its own.
std::string wlanFailureAdvice(platform::Win32Error result);

}  // namespace zlx::wlan
