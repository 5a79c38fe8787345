#include "platform/win32/win32_system.h"

#include <windows.h>
// After windows.h:
#include <rpc.h>

#include <cstring>
#include <ctime>

#include "platform/win32/system_library.h"
#include "platform/win32/wide_text.h"

namespace zlx::platform::win32 {

namespace {

void copyBasic(const OSVERSIONINFOW& from, OsVersionInfo& to) {
    to.major = from.dwMajorVersion;
    to.minor = from.dwMinorVersion;
    to.build = from.dwBuildNumber;
    to.platformId = from.dwPlatformId;
    to.servicePack = fromWide(from.szCSDVersion);
}

std::wstring toCodePageWide(UINT codePage, std::string_view bytes) {
    if (bytes.empty()) return {};
    int size = static_cast<int>(bytes.size());
    int length = ::MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0) ::MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), length);
    return wide;
}

}  // namespace

// GetVersionExW is deprecated in the SDK, not on the machines the system reads it from.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
bool Win32SystemInfo::versionEx(OsVersionInfo& info) {
    OSVERSIONINFOEXW version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!::GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&version))) return false;
    copyBasic(*reinterpret_cast<OSVERSIONINFOW*>(&version), info);
    info.servicePackMajor = version.wServicePackMajor;
    info.servicePackMinor = version.wServicePackMinor;
    info.suiteMask = version.wSuiteMask;
    info.productType = version.wProductType;
    return true;
}

bool Win32SystemInfo::versionBasic(OsVersionInfo& info) {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!::GetVersionExW(&version)) return false;
    // The basic record ends before the service pack numbers, suite and product type.
    info = OsVersionInfo{};
    copyBasic(version, info);
    info.productType = 0;
    return true;
}
#pragma GCC diagnostic pop

std::uint16_t Win32SystemInfo::processorArchitecture() {
    SYSTEM_INFO system{};
    ::GetNativeSystemInfo(&system);
    return system.wProcessorArchitecture;
}

std::uint16_t Win32SystemInfo::defaultLangId() {
    return ::GetSystemDefaultLangID();
}

bool Win32SystemInfo::computerName(std::uint32_t format, std::string& name) {
    auto kind = static_cast<COMPUTER_NAME_FORMAT>(format);
    DWORD size = 0;
    ::GetComputerNameExW(kind, nullptr, &size);
    if (::GetLastError() != ERROR_MORE_DATA || size == 0) return false;
    std::wstring buffer(size, L'\0');
    if (!::GetComputerNameExW(kind, buffer.data(), &size)) return false;
    name = fromWide(std::wstring_view(buffer.data(), size));
    return true;
}

bool Win32SystemInfo::localTimeOf(std::int64_t utcSeconds, std::tm& local) {
    __time64_t time = utcSeconds;
    return ::_localtime64_s(&local, &time) == 0;
}

std::string Win32CodePages::ansiToUtf8(std::string_view bytes) {
    return fromWide(toCodePageWide(CP_ACP, bytes));
}

std::string Win32CodePages::oemToUtf8(std::string_view bytes) {
    return fromWide(toCodePageWide(CP_OEMCP, bytes));
}

std::string Win32CodePages::utf8ToAnsi(std::string_view text) {
    std::wstring wide = toWide(text);
    if (wide.empty()) return {};
    int size = static_cast<int>(wide.size());
    int length = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        ::WideCharToMultiByte(CP_ACP, 0, wide.data(), size, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

bool Win32HelpDisplay::displayTopic(std::uint64_t ownerWindow, const std::string& path) {
    // HH_DISPLAY_TOPIC
    constexpr UINT kDisplayTopic = 0;
    using HtmlHelp = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);
    // The module stays loaded: the help window it opens outlives this call.
    auto* module = static_cast<HMODULE>(loadFromSystemFolder(L"hhctrl.ocx"));
    if (module == nullptr) return false;
    auto htmlHelp =
        reinterpret_cast<HtmlHelp>(reinterpret_cast<void*>(::GetProcAddress(module, "HtmlHelpW")));
    if (htmlHelp == nullptr) return false;
    HWND owner = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(ownerWindow));
    return htmlHelp(owner, toWide(path).c_str(), kDisplayTopic, 0) != nullptr;
}

Win32Error Win32Rpc::uuidToString(const Guid& guid, std::string& text) {
    UUID uuid;
    static_assert(sizeof uuid == sizeof guid.bytes);
    std::memcpy(&uuid, guid.bytes.data(), sizeof uuid);
    RPC_WSTR string = nullptr;
    RPC_STATUS result = ::UuidToStringW(&uuid, &string);
    if (result != RPC_S_OK) return static_cast<Win32Error>(result);
    text = fromWide(reinterpret_cast<const wchar_t*>(string));
    ::RpcStringFreeW(&string);
    return kErrorSuccess;
}

Win32Error Win32Rpc::uuidFromString(const std::string& text, Guid& guid) {
    std::wstring wide = toWide(text);
    UUID uuid{};
    RPC_STATUS result =
        ::UuidFromStringW(reinterpret_cast<RPC_WSTR>(const_cast<wchar_t*>(wide.c_str())), &uuid);
    if (result != RPC_S_OK) return static_cast<Win32Error>(result);
    std::memcpy(guid.bytes.data(), &uuid, sizeof uuid);
    return kErrorSuccess;
}

}  // namespace zlx::platform::win32
