#include "platform/win32/devices.h"

#include <windows.h>
// After windows.h:
#include <devguid.h>
#include <setupapi.h>

#include <set>

#include "platform/win32/wide_text.h"

namespace zlx::platform::win32 {

namespace {

class DeviceList {
  public:
    explicit DeviceList(DWORD flags)
        : set_(::SetupDiGetClassDevsW(&GUID_DEVCLASS_NET, nullptr, nullptr, flags)) {}
    ~DeviceList() {
        if (set_ != INVALID_HANDLE_VALUE) ::SetupDiDestroyDeviceInfoList(set_);
    }
    DeviceList(const DeviceList&) = delete;
    DeviceList& operator=(const DeviceList&) = delete;
    HDEVINFO get() const { return set_; }
    bool ok() const { return set_ != INVALID_HANDLE_VALUE; }

  private:
    HDEVINFO set_;
};

std::string instanceId(HDEVINFO set, SP_DEVINFO_DATA& device) {
    DWORD needed = 0;
    ::SetupDiGetDeviceInstanceIdW(set, &device, nullptr, 0, &needed);
    if (needed == 0) return {};
    std::wstring buffer(needed, L'\0');
    if (!::SetupDiGetDeviceInstanceIdW(set, &device, buffer.data(), needed, nullptr)) return {};
    return fromWide(std::wstring_view(buffer.data(), ::wcsnlen(buffer.data(), needed)));
}

// One property as the UTF-16 units it holds (a REG_SZ or REG_MULTI_SZ); false when the device
// does not have it (ERROR_INVALID_DATA) or it cannot be read.
bool property(HDEVINFO set, SP_DEVINFO_DATA& device, DWORD code, std::wstring& value) {
    DWORD needed = 0;
    DWORD type = 0;
    if (!::SetupDiGetDeviceRegistryPropertyW(set, &device, code, &type, nullptr, 0, &needed) &&
        ::GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
        return false;
    }
    std::wstring buffer((needed + 1) / sizeof(wchar_t) + 1, L'\0');
    if (!::SetupDiGetDeviceRegistryPropertyW(
            set, &device, code, &type, reinterpret_cast<BYTE*>(buffer.data()), needed, nullptr)) {
        return false;
    }
    buffer.resize(needed / sizeof(wchar_t));
    value = std::move(buffer);
    return true;
}

std::string firstString(const std::wstring& units) {
    return fromWide(std::wstring_view(units.c_str()));
}

std::vector<std::string> multiString(const std::wstring& units) {
    std::vector<std::string> strings;
    for (std::size_t at = 0; at < units.size();) {
        std::size_t end = units.find(L'\0', at);
        if (end == std::wstring::npos) end = units.size();
        if (end == at) break;  // the empty string that ends the list
        strings.push_back(fromWide(std::wstring_view(units).substr(at, end - at)));
        at = end + 1;
    }
    return strings;
}

std::set<std::string> presentDevices() {
    std::set<std::string> ids;
    DeviceList list(DIGCF_PRESENT);
    if (!list.ok()) return ids;
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD i = 0; ::SetupDiEnumDeviceInfo(list.get(), i, &device); ++i)
        ids.insert(instanceId(list.get(), device));
    return ids;
}

}  // namespace

Win32Error Win32DeviceManager::networkDevices(std::vector<NetworkDevice>& devices) {
    devices.clear();
    DeviceList list(0);
    if (!list.ok()) return ::GetLastError();
    std::set<std::string> present = presentDevices();
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD i = 0; ::SetupDiEnumDeviceInfo(list.get(), i, &device); ++i) {
        NetworkDevice found;
        found.instanceId = instanceId(list.get(), device);
        found.present = present.count(found.instanceId) > 0;
        std::wstring units;
        if (property(list.get(), device, SPDRP_HARDWAREID, units))
            found.hardwareIds = multiString(units);
        const std::pair<std::uint32_t, std::string*> texts[] = {
            {kSpdrpDeviceDesc, &found.description},
            {kSpdrpFriendlyName, &found.friendlyName},
            {kSpdrpDriver, &found.driverKey},
            {kSpdrpService, &found.service},
        };
        for (const auto& [code, text] : texts) {
            if (property(list.get(), device, code, units))
                *text = firstString(units);
            else
                found.missingProperties.push_back(code);
        }
        devices.push_back(std::move(found));
    }
    return kErrorSuccess;
}

}  // namespace zlx::platform::win32
