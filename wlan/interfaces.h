#pragma once
// The wireless interfaces as the operating system's wireless service reports them, the
// selection of the interface every query addresses, and the current-connection snapshot.
// Each record opens its own client handle.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "context/wlan_selection.h"
#include "platform/system.h"
#include "platform/wlan.h"
#include "wlan/client_handle.h"

namespace zlx::wlan {

// Interface descriptions and profile names hold at most this many characters (UTF-16 units).
inline constexpr std::size_t kMaxNameUnits = 255;

class InterfaceList {
  public:
    InterfaceList(platform::WlanApi& wlan, platform::Rpc& rpc);
    InterfaceList(const InterfaceList&) = delete;
    InterfaceList& operator=(const InterfaceList&) = delete;

    platform::Win32Error result() const { return result_; }
    std::size_t size() const { return guidTexts_.size(); }
    bool empty() const { return guidTexts_.empty(); }
    const std::vector<std::string>& guidTexts() const { return guidTexts_; }
    const std::vector<std::string>& descriptions() const { return descriptions_; }
    const std::vector<std::uint32_t>& states() const { return states_; }

  private:
    ClientHandle handle_;  // open while the list lives
    platform::Win32Error result_ = platform::kErrorSuccess;
    std::vector<std::string> guidTexts_;
    std::vector<std::string> descriptions_;
    std::vector<std::uint32_t> states_;
};

// 0 when selected, -1 when no interface has exactly this text, -2 when it does not parse.
int selectInterface(context::WlanSelection& selection, platform::WlanApi& wlan, platform::Rpc& rpc,
                    const std::string& guidText);

// The interface's profiles, through a client handle of their own.
platform::Win32Error getProfileList(platform::WlanApi& wlan, const platform::Guid& interfaceGuid,
                                    std::vector<platform::WlanProfileInfo>& profiles);
// One profile's XML document, through a client handle of its own.
platform::Win32Error getProfileXml(platform::WlanApi& wlan, const platform::Guid& interfaceGuid,
                                   const std::string& profileName, std::string& xml);

// The interface query wrapper: its own handle, the last result and the data of the last query.
class InterfaceQuery {
  public:
    InterfaceQuery(platform::WlanApi& wlan, const platform::Guid& selectedInterface);
    InterfaceQuery(const InterfaceQuery&) = delete;
    InterfaceQuery& operator=(const InterfaceQuery&) = delete;

    // Opcodes of the system's own numbering; those the service does not share are sent as 0.
    platform::Win32Error query(std::uint32_t opcode);
    platform::Win32Error result() const { return result_; }
    // The result of opening the wrapper's handle (0 when the service answered).
    platform::Win32Error openResult() const { return handle_.result(); }
    const std::vector<std::uint8_t>& data() const { return data_; }

    static std::uint32_t serviceOpcode(std::uint32_t opcode);

  private:
    platform::WlanApi& wlan_;
    const platform::Guid& selectedInterface_;
    ClientHandle handle_;
    platform::Win32Error result_ = platform::kErrorSuccess;
    std::vector<std::uint8_t> data_;
};

class ConnectionSnapshot {
  public:
    ConnectionSnapshot(platform::WlanApi& wlan, const platform::Guid& selectedInterface);
    ConnectionSnapshot(const ConnectionSnapshot&) = delete;
    ConnectionSnapshot& operator=(const ConnectionSnapshot&) = delete;

    void close() { handle_.close(); }

    // 0 when the connection attributes were read; the other fields are valid only then.
    platform::Win32Error result = platform::kErrorSuccess;
    std::uint32_t interfaceState = 0;
    std::uint32_t connectionMode = 0;
    std::string profileName;  // at most 255 characters
    std::array<std::uint8_t, 68> associationAttributes{};
    std::uint32_t securityEnabled = 0;
    std::uint32_t oneXEnabled = 0;
    std::uint32_t authAlgorithm = 0;
    std::uint32_t cipherAlgorithm = 0;

  private:
    ClientHandle handle_;  // the snapshot's own, kept open until closed
};

}  // namespace zlx::wlan
