// A stand-in for wlanapi.dll: Native Wifi as the simulated machine of a scenario answers it, in
// the structures and memory Windows' own gives, for the Win32 services under Wine, whose own
// wlanapi has no interfaces and ends the process on most calls. Installed in the test prefix's
// system32 (scripts/windows/materialise); exports named in wlanapi.def.

#include <windows.h>
// After windows.h:
#include <wlanapi.h>

#include <atomic>
#include <cstdlib>
#include <cstring>

#include "platform/win32/wide_text.h"
#include "tests/windows/stand_ins/stand_in_machine.h"

namespace {

using zlx::platform::Guid;
using zlx::platform::WlanHandle;

// Answers handed out and not yet given back to WlanFreeMemory.
std::atomic<long> outstanding{0};

void* answer(std::size_t size) {
    void* memory = std::calloc(1, size == 0 ? 1 : size);
    if (memory != nullptr) ++outstanding;
    return memory;
}

Guid guidOf(const GUID* guid) {
    Guid out;
    std::memcpy(out.bytes.data(), guid, sizeof *guid);
    return out;
}

WlanHandle handleOf(HANDLE handle) {
    return reinterpret_cast<std::uintptr_t>(handle);
}

// Text into a fixed field of WLAN_MAX_NAME_LENGTH characters, always terminated.
void copyName(WCHAR (&field)[WLAN_MAX_NAME_LENGTH], const std::string& text) {
    std::wstring wide = zlx::platform::win32::toWide(text);
    std::size_t length = std::min<std::size_t>(wide.size(), WLAN_MAX_NAME_LENGTH - 1);
    std::memcpy(field, wide.data(), length * sizeof(WCHAR));
    field[length] = L'\0';
}

}  // namespace

extern "C" {

DWORD WINAPI StandInWlanOpenHandle(DWORD clientVersion, PVOID, PDWORD negotiated, PHANDLE handle) {
    auto* machine = zlx::standin::machine();
    if (machine == nullptr) return ERROR_SERVICE_NOT_ACTIVE;
    if (negotiated == nullptr || handle == nullptr) return ERROR_INVALID_PARAMETER;
    std::uint32_t version = 0;
    WlanHandle opened = 0;
    DWORD result = machine->wlan().openHandle(clientVersion, version, opened);
    *negotiated = version;
    *handle = reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(opened));
    return result;
}

DWORD WINAPI StandInWlanCloseHandle(HANDLE handle, PVOID) {
    auto* machine = zlx::standin::machine();
    if (machine == nullptr) return ERROR_SERVICE_NOT_ACTIVE;
    return machine->wlan().closeHandle(handleOf(handle));
}

DWORD WINAPI StandInWlanEnumInterfaces(HANDLE handle, PVOID, PWLAN_INTERFACE_INFO_LIST* list) {
    auto* machine = zlx::standin::machine();
    if (machine == nullptr) return ERROR_SERVICE_NOT_ACTIVE;
    if (list == nullptr) return ERROR_INVALID_PARAMETER;
    std::vector<zlx::platform::WlanInterfaceInfo> interfaces;
    DWORD result = machine->wlan().enumInterfaces(handleOf(handle), interfaces);
    if (result != ERROR_SUCCESS) return result;
    std::size_t count = interfaces.size();
    auto* out = static_cast<WLAN_INTERFACE_INFO_LIST*>(
        answer(offsetof(WLAN_INTERFACE_INFO_LIST, InterfaceInfo) +
               std::max<std::size_t>(count, 1) * sizeof(WLAN_INTERFACE_INFO)));
    if (out == nullptr) return ERROR_NOT_ENOUGH_MEMORY;
    out->dwNumberOfItems = static_cast<DWORD>(count);
    for (std::size_t i = 0; i < count; ++i) {
        WLAN_INTERFACE_INFO& item = out->InterfaceInfo[i];
        std::memcpy(&item.InterfaceGuid, interfaces[i].guid.bytes.data(), sizeof(GUID));
        copyName(item.strInterfaceDescription, interfaces[i].description);
        item.isState = static_cast<WLAN_INTERFACE_STATE>(interfaces[i].state);
    }
    *list = out;
    return result;
}

DWORD WINAPI StandInWlanQueryInterface(HANDLE handle, const GUID* interfaceGuid,
                                       WLAN_INTF_OPCODE opcode, PVOID, PDWORD size, PVOID* data,
                                       PWLAN_OPCODE_VALUE_TYPE type) {
    auto* machine = zlx::standin::machine();
    if (machine == nullptr) return ERROR_SERVICE_NOT_ACTIVE;
    if (interfaceGuid == nullptr || size == nullptr || data == nullptr)
        return ERROR_INVALID_PARAMETER;
    std::vector<std::uint8_t> bytes;
    std::uint32_t valueType = 0;
    DWORD result =
        machine->wlan().queryInterface(handleOf(handle), guidOf(interfaceGuid),
                                       static_cast<std::uint32_t>(opcode), bytes, valueType);
    if (result != ERROR_SUCCESS) return result;
    void* out = answer(bytes.size());
    if (out == nullptr) return ERROR_NOT_ENOUGH_MEMORY;
    if (!bytes.empty()) std::memcpy(out, bytes.data(), bytes.size());
    *size = static_cast<DWORD>(bytes.size());
    *data = out;
    if (type != nullptr) *type = static_cast<WLAN_OPCODE_VALUE_TYPE>(valueType);
    return result;
}

DWORD WINAPI StandInWlanGetProfileList(HANDLE handle, const GUID* interfaceGuid, PVOID,
                                       PWLAN_PROFILE_INFO_LIST* list) {
    auto* machine = zlx::standin::machine();
    if (machine == nullptr) return ERROR_SERVICE_NOT_ACTIVE;
    if (interfaceGuid == nullptr || list == nullptr) return ERROR_INVALID_PARAMETER;
    std::vector<zlx::platform::WlanProfileInfo> profiles;
    DWORD result =
        machine->wlan().getProfileList(handleOf(handle), guidOf(interfaceGuid), profiles);
    if (result != ERROR_SUCCESS) return result;
    std::size_t count = profiles.size();
    auto* out = static_cast<WLAN_PROFILE_INFO_LIST*>(
        answer(offsetof(WLAN_PROFILE_INFO_LIST, ProfileInfo) +
               std::max<std::size_t>(count, 1) * sizeof(WLAN_PROFILE_INFO)));
    if (out == nullptr) return ERROR_NOT_ENOUGH_MEMORY;
    out->dwNumberOfItems = static_cast<DWORD>(count);
    for (std::size_t i = 0; i < count; ++i) {
        copyName(out->ProfileInfo[i].strProfileName, profiles[i].name);
        out->ProfileInfo[i].dwFlags = profiles[i].flags;
    }
    *list = out;
    return result;
}

DWORD WINAPI StandInWlanGetProfile(HANDLE handle, const GUID* interfaceGuid, LPCWSTR name, PVOID,
                                   LPWSTR* xml, DWORD* flags, DWORD* access) {
    auto* machine = zlx::standin::machine();
    if (machine == nullptr) return ERROR_SERVICE_NOT_ACTIVE;
    if (interfaceGuid == nullptr || name == nullptr || xml == nullptr)
        return ERROR_INVALID_PARAMETER;
    std::string text;
    DWORD result = machine->wlan().getProfile(handleOf(handle), guidOf(interfaceGuid),
                                              zlx::platform::win32::fromWide(name), text);
    if (result != ERROR_SUCCESS) return result;
    std::wstring wide = zlx::platform::win32::toWide(text);
    auto* out = static_cast<wchar_t*>(answer((wide.size() + 1) * sizeof(wchar_t)));
    if (out == nullptr) return ERROR_NOT_ENOUGH_MEMORY;
    std::memcpy(out, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    *xml = out;
    if (flags != nullptr) *flags = 0;
    if (access != nullptr) *access = 0;
    return result;
}

DWORD WINAPI StandInWlanIhvControl(HANDLE handle, const GUID* interfaceGuid,
                                   WLAN_IHV_CONTROL_TYPE type, DWORD inSize, PVOID in,
                                   DWORD outSize, PVOID out, PDWORD returned) {
    auto* machine = zlx::standin::machine();
    if (machine == nullptr) return ERROR_SERVICE_NOT_ACTIVE;
    if (interfaceGuid == nullptr || returned == nullptr || (inSize > 0 && in == nullptr) ||
        (outSize > 0 && out == nullptr))
        return ERROR_INVALID_PARAMETER;
    std::uint32_t bytesReturned = 0;
    DWORD result = machine->wlan().ihvControl(
        handleOf(handle), guidOf(interfaceGuid), static_cast<std::uint32_t>(type),
        std::span<const std::uint8_t>(static_cast<const std::uint8_t*>(in), inSize),
        std::span<std::uint8_t>(static_cast<std::uint8_t*>(out), outSize), bytesReturned);
    *returned = bytesReturned;
    return result;
}

DWORD WINAPI StandInWlanRegisterNotification(HANDLE handle, DWORD source, BOOL,
                                             WLAN_NOTIFICATION_CALLBACK callback, PVOID context,
                                             PVOID, PDWORD previous) {
    auto* machine = zlx::standin::machine();
    if (machine == nullptr) return ERROR_SERVICE_NOT_ACTIVE;
    if (previous != nullptr) *previous = 0;
    zlx::platform::WlanNotificationCallback deliver;
    if (source != WLAN_NOTIFICATION_SOURCE_NONE && callback != nullptr) {
        deliver = [callback, context](const zlx::platform::WlanNotification& notification) {
            WLAN_NOTIFICATION_DATA data{};
            data.NotificationSource = notification.source;
            data.NotificationCode = notification.code;
            std::memcpy(&data.InterfaceGuid, notification.interfaceGuid.bytes.data(), sizeof(GUID));
            data.dwDataSize = static_cast<DWORD>(notification.data.size());
            data.pData = notification.data.empty()
                             ? nullptr
                             : const_cast<std::uint8_t*>(notification.data.data());
            callback(&data, context);
        };
    }
    return machine->wlan().registerNotification(handleOf(handle), source, std::move(deliver));
}

DWORD WINAPI StandInWlanSetSecuritySettings(HANDLE handle, WLAN_SECURABLE_OBJECT object,
                                            LPCWSTR sddl) {
    auto* machine = zlx::standin::machine();
    if (machine == nullptr) return ERROR_SERVICE_NOT_ACTIVE;
    if (sddl == nullptr) return ERROR_INVALID_PARAMETER;
    return machine->wlan().setSecuritySettings(handleOf(handle), static_cast<std::uint32_t>(object),
                                               zlx::platform::win32::fromWide(sddl));
}

VOID WINAPI StandInWlanFreeMemory(PVOID memory) {
    if (memory == nullptr) return;
    std::free(memory);
    --outstanding;
}

// For the tests: the answers not yet freed, and the handles not yet closed.
LONG WINAPI ZlxStandInOutstandingAnswers() {
    return outstanding.load();
}

LONG WINAPI ZlxStandInOpenHandles() {
    auto* machine = zlx::standin::machine();
    return machine == nullptr ? 0 : static_cast<LONG>(machine->openWlanHandles());
}

}  // extern "C"
