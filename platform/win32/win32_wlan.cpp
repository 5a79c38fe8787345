#include "platform/win32/win32_wlan.h"

#include <windows.h>
// After windows.h:
#include <wlanapi.h>

#include <cstring>
#include <utility>

#include "platform/win32/wide_text.h"

namespace zlx::platform::win32 {

namespace {

HANDLE toHandle(WlanHandle handle) {
    return reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(handle));
}

GUID toGuid(const Guid& guid) {
    GUID out;
    static_assert(sizeof out == sizeof guid.bytes);
    std::memcpy(&out, guid.bytes.data(), sizeof out);
    return out;
}

Guid fromGuid(const GUID& guid) {
    Guid out;
    std::memcpy(out.bytes.data(), &guid, sizeof guid);
    return out;
}

// The service's answer, freed with WlanFreeMemory whatever happens to it.
template <typename T>
class WlanMemory {
  public:
    explicit WlanMemory(const SystemLibrary& library)
        : free_(library.find<decltype(::WlanFreeMemory)>("WlanFreeMemory")) {}
    ~WlanMemory() {
        if (pointer_ != nullptr && free_ != nullptr) free_(pointer_);
    }
    WlanMemory(const WlanMemory&) = delete;
    WlanMemory& operator=(const WlanMemory&) = delete;
    T** out() { return &pointer_; }
    T* get() const { return pointer_; }

  private:
    decltype(::WlanFreeMemory)* free_;
    T* pointer_ = nullptr;
};

void WINAPI deliver(PWLAN_NOTIFICATION_DATA data, PVOID context) {
    if (data == nullptr || context == nullptr) return;
    auto& registration = *static_cast<Win32Wlan::Registration*>(context);
    WlanNotification notification;
    notification.source = data->NotificationSource;
    notification.code = data->NotificationCode;
    notification.interfaceGuid = fromGuid(data->InterfaceGuid);
    if (data->pData != nullptr && data->dwDataSize > 0) {
        const auto* bytes = static_cast<const std::uint8_t*>(data->pData);
        notification.data.assign(bytes, bytes + data->dwDataSize);
    }
    // Held while the callback runs, so that ending the registration waits for it.
    std::lock_guard lock(registration.mutex);
    if (registration.callback) registration.callback(notification);
}

}  // namespace

#define ZLX_WLAN_CALL(name, ...)                                 \
    do {                                                         \
        auto* function = library_.find<decltype(::name)>(#name); \
        if (function == nullptr) return kErrorModNotFound;       \
        return function(__VA_ARGS__);                            \
    } while (false)

Win32Wlan::Win32Wlan() : library_(L"wlanapi.dll") {}

Win32Wlan::~Win32Wlan() = default;

Win32Error Win32Wlan::openHandle(std::uint32_t clientVersion, std::uint32_t& negotiatedVersion,
                                 WlanHandle& handle) {
    auto* open = library_.find<decltype(::WlanOpenHandle)>("WlanOpenHandle");
    // No Native Wifi on this machine (a server without the wireless LAN feature): the service
    // is not installed, which the caller tells apart from one that is stopped (1062).
    if (open == nullptr) return kErrorModNotFound;
    DWORD negotiated = 0;
    HANDLE opened = nullptr;
    DWORD result = open(clientVersion, nullptr, &negotiated, &opened);
    negotiatedVersion = negotiated;
    handle = reinterpret_cast<std::uintptr_t>(opened);
    return result;
}

WlanNotificationCallback Win32Wlan::endRegistration(WlanHandle handle) {
    Registration* registration = nullptr;
    {
        std::lock_guard lock(mutex_);
        auto it = registrations_.find(handle);
        if (it == registrations_.end()) return {};
        registration = it->second.get();
    }
    // Waits for a callback that is running, unless this is that callback's own thread.
    std::lock_guard lock(registration->mutex);
    return std::exchange(registration->callback, nullptr);
}

Win32Error Win32Wlan::closeHandle(WlanHandle handle) {
    endRegistration(handle);
    ZLX_WLAN_CALL(WlanCloseHandle, toHandle(handle), nullptr);
}

Win32Error Win32Wlan::enumInterfaces(WlanHandle handle,
                                     std::vector<WlanInterfaceInfo>& interfaces) {
    auto* enumerate = library_.find<decltype(::WlanEnumInterfaces)>("WlanEnumInterfaces");
    if (enumerate == nullptr) return kErrorModNotFound;
    WlanMemory<WLAN_INTERFACE_INFO_LIST> list(library_);
    DWORD result = enumerate(toHandle(handle), nullptr, list.out());
    interfaces.clear();
    if (result != ERROR_SUCCESS || list.get() == nullptr) return result;
    for (DWORD i = 0; i < list.get()->dwNumberOfItems; ++i) {
        const WLAN_INTERFACE_INFO& item = list.get()->InterfaceInfo[i];
        std::size_t length = ::wcsnlen(item.strInterfaceDescription, WLAN_MAX_NAME_LENGTH);
        interfaces.push_back({fromGuid(item.InterfaceGuid),
                              fromWide(std::wstring_view(item.strInterfaceDescription, length)),
                              static_cast<std::uint32_t>(item.isState)});
    }
    return result;
}

Win32Error Win32Wlan::queryInterface(WlanHandle handle, const Guid& interfaceGuid,
                                     std::uint32_t opcode, std::vector<std::uint8_t>& data,
                                     std::uint32_t& valueType) {
    auto* query = library_.find<decltype(::WlanQueryInterface)>("WlanQueryInterface");
    if (query == nullptr) return kErrorModNotFound;
    GUID guid = toGuid(interfaceGuid);
    WlanMemory<void> answer(library_);
    DWORD size = 0;
    WLAN_OPCODE_VALUE_TYPE type = wlan_opcode_value_type_invalid;
    DWORD result = query(toHandle(handle), &guid, static_cast<WLAN_INTF_OPCODE>(opcode), nullptr,
                         &size, answer.out(), &type);
    data.clear();
    if (result != ERROR_SUCCESS) return result;
    // This is a 64-bit program, so the answer is already in the layout the callers read.
    if (answer.get() != nullptr) {
        const auto* bytes = static_cast<const std::uint8_t*>(answer.get());
        data.assign(bytes, bytes + size);
    }
    valueType = static_cast<std::uint32_t>(type);
    return result;
}

Win32Error Win32Wlan::getProfileList(WlanHandle handle, const Guid& interfaceGuid,
                                     std::vector<WlanProfileInfo>& profiles) {
    auto* list = library_.find<decltype(::WlanGetProfileList)>("WlanGetProfileList");
    if (list == nullptr) return kErrorModNotFound;
    GUID guid = toGuid(interfaceGuid);
    WlanMemory<WLAN_PROFILE_INFO_LIST> answer(library_);
    DWORD result = list(toHandle(handle), &guid, nullptr, answer.out());
    profiles.clear();
    if (result != ERROR_SUCCESS || answer.get() == nullptr) return result;
    for (DWORD i = 0; i < answer.get()->dwNumberOfItems; ++i) {
        const WLAN_PROFILE_INFO& item = answer.get()->ProfileInfo[i];
        std::size_t length = ::wcsnlen(item.strProfileName, WLAN_MAX_NAME_LENGTH);
        profiles.push_back(
            {fromWide(std::wstring_view(item.strProfileName, length)), item.dwFlags});
    }
    return result;
}

Win32Error Win32Wlan::getProfile(WlanHandle handle, const Guid& interfaceGuid,
                                 const std::string& profileName, std::string& xml) {
    auto* get = library_.find<decltype(::WlanGetProfile)>("WlanGetProfile");
    if (get == nullptr) return kErrorModNotFound;
    GUID guid = toGuid(interfaceGuid);
    WlanMemory<wchar_t> answer(library_);
    DWORD result = get(toHandle(handle), &guid, toWide(profileName).c_str(), nullptr, answer.out(),
                       nullptr, nullptr);
    if (result == ERROR_SUCCESS && answer.get() != nullptr) xml = fromWide(answer.get());
    return result;
}

Win32Error Win32Wlan::ihvControl(WlanHandle handle, const Guid& interfaceGuid, std::uint32_t type,
                                 std::span<const std::uint8_t> request,
                                 std::span<std::uint8_t> answer, std::uint32_t& bytesReturned) {
    auto* control = library_.find<decltype(::WlanIhvControl)>("WlanIhvControl");
    if (control == nullptr) return kErrorModNotFound;
    GUID guid = toGuid(interfaceGuid);
    DWORD returned = 0;
    DWORD result =
        control(toHandle(handle), &guid, static_cast<WLAN_IHV_CONTROL_TYPE>(type),
                static_cast<DWORD>(request.size()), const_cast<std::uint8_t*>(request.data()),
                static_cast<DWORD>(answer.size()), answer.data(), &returned);
    bytesReturned = returned;
    return result;
}

Win32Error Win32Wlan::registerNotification(WlanHandle handle, std::uint32_t sourceMask,
                                           WlanNotificationCallback callback) {
    auto* enroll = library_.find<decltype(::WlanRegisterNotification)>("WlanRegisterNotification");
    if (enroll == nullptr) return kErrorModNotFound;
    if (sourceMask == kWlanNotificationSourceNone) {
        DWORD result = enroll(toHandle(handle), WLAN_NOTIFICATION_SOURCE_NONE, TRUE, nullptr,
                              nullptr, nullptr, nullptr);
        endRegistration(handle);
        return result;
    }
    Registration* registration = nullptr;
    {
        std::lock_guard lock(mutex_);
        auto& slot = registrations_[handle];
        if (!slot) slot = std::make_unique<Registration>();
        registration = slot.get();
    }
    {
        std::lock_guard lock(registration->mutex);
        registration->callback = std::move(callback);
    }
    DWORD previous = 0;
    DWORD result =
        enroll(toHandle(handle), sourceMask, TRUE, &deliver, registration, nullptr, &previous);
    if (result != ERROR_SUCCESS) endRegistration(handle);
    return result;
}

Win32Error Win32Wlan::setSecuritySettings(WlanHandle handle, std::uint32_t securableObject,
                                          const std::string& sddl) {
    ZLX_WLAN_CALL(WlanSetSecuritySettings, toHandle(handle),
                  static_cast<WLAN_SECURABLE_OBJECT>(securableObject), toWide(sddl).c_str());
}

#undef ZLX_WLAN_CALL

}  // namespace zlx::platform::win32
