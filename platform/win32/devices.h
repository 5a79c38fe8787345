#pragma once
// The device manager's network-class devices (setupapi).

#include "platform/network.h"

namespace zlx::platform::win32 {

class Win32DeviceManager final : public DeviceManager {
  public:
    Win32Error networkDevices(std::vector<NetworkDevice>& devices) override;
};

}  // namespace zlx::platform::win32
