#include "platform/win32/ip_helper.h"

#include <winsock2.h>
// After winsock2.h:
#include <iphlpapi.h>
#include <windows.h>
#include <ws2tcpip.h>

#include <cstdio>
#include <memory>

#include "platform/win32/wide_text.h"

namespace zlx::platform::win32 {

namespace {

// The records are read in place, so the buffer is aligned for them.
struct Buffer {
    explicit Buffer(std::uint32_t size)
        : words(std::make_unique<std::uint64_t[]>(size / 8 + 1)), size(size) {}
    void* data() const { return size == 0 ? nullptr : words.get(); }
    std::unique_ptr<std::uint64_t[]> words;
    std::uint32_t size;
};

// A fixed-size text field: up to its first NUL.
std::string field(const char* text, std::size_t size) {
    std::size_t length = 0;
    while (length < size && text[length] != '\0') ++length;
    return std::string(text, length);
}

std::vector<std::uint8_t> octets(const BYTE* bytes, std::size_t length, std::size_t max) {
    if (length > max) length = max;
    return std::vector<std::uint8_t>(bytes, bytes + length);
}

std::string addressText(const SOCKADDR* address) {
    if (address == nullptr || address->sa_family != AF_INET) return {};
    char text[INET_ADDRSTRLEN] = {};
    const auto* v4 = reinterpret_cast<const sockaddr_in*>(address);
    const auto* b = reinterpret_cast<const unsigned char*>(&v4->sin_addr);  // network order
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", b[0], b[1], b[2], b[3]);
    return text;
}

}  // namespace

Win32IpHelper::Win32IpHelper() : library_(L"iphlpapi.dll") {}

Win32Error Win32IpHelper::adaptersInfo(std::uint32_t bufferSize, std::uint32_t& neededSize,
                                       std::vector<IpAdapterInfo>& adapters) {
    adapters.clear();
    auto* get = library_.find<decltype(::GetAdaptersInfo)>("GetAdaptersInfo");
    if (get == nullptr) return kErrorNotSupported;
    Buffer buffer(bufferSize);
    ULONG size = bufferSize;
    DWORD result = get(static_cast<IP_ADAPTER_INFO*>(buffer.data()), &size);
    if (result == ERROR_BUFFER_OVERFLOW) neededSize = size;
    if (result != ERROR_SUCCESS) return result;
    for (auto* a = static_cast<const IP_ADAPTER_INFO*>(buffer.data()); a != nullptr; a = a->Next) {
        IpAdapterInfo info;
        info.adapterName = field(a->AdapterName, sizeof a->AdapterName);
        info.description = field(a->Description, sizeof a->Description);
        info.address = octets(a->Address, a->AddressLength, sizeof a->Address);
        info.index = a->Index;
        info.type = a->Type;
        info.dhcpEnabled = a->DhcpEnabled;
        for (const IP_ADDR_STRING* ip = &a->IpAddressList; ip != nullptr; ip = ip->Next) {
            info.ipAddresses.push_back(field(ip->IpAddress.String, sizeof ip->IpAddress.String));
            info.ipMasks.push_back(field(ip->IpMask.String, sizeof ip->IpMask.String));
        }
        info.gateway =
            field(a->GatewayList.IpAddress.String, sizeof a->GatewayList.IpAddress.String);
        info.dhcpServer =
            field(a->DhcpServer.IpAddress.String, sizeof a->DhcpServer.IpAddress.String);
        adapters.push_back(std::move(info));
    }
    return result;
}

Win32Error Win32IpHelper::ifTable(std::uint32_t bufferSize, std::uint32_t& neededSize,
                                  std::vector<IfRow>& rows) {
    rows.clear();
    auto* get = library_.find<decltype(::GetIfTable)>("GetIfTable");
    if (get == nullptr) return kErrorNotSupported;
    Buffer buffer(bufferSize);
    ULONG size = bufferSize;
    DWORD result = get(static_cast<MIB_IFTABLE*>(buffer.data()), &size, FALSE);
    if (result == ERROR_INSUFFICIENT_BUFFER) neededSize = size;
    if (result != ERROR_SUCCESS || buffer.data() == nullptr) return result;
    const auto* table = static_cast<const MIB_IFTABLE*>(buffer.data());
    for (DWORD i = 0; i < table->dwNumEntries; ++i) {
        const MIB_IFROW& r = table->table[i];
        IfRow row;
        row.name =
            fromWide(std::wstring_view(r.wszName, ::wcsnlen(r.wszName, MAX_INTERFACE_NAME_LEN)));
        row.index = r.dwIndex;
        row.type = r.dwType;
        row.physicalAddress = octets(r.bPhysAddr, r.dwPhysAddrLen, sizeof r.bPhysAddr);
        row.operStatus = r.dwOperStatus;
        std::size_t descriptionLength =
            r.dwDescrLen < sizeof r.bDescr ? r.dwDescrLen : sizeof r.bDescr;
        row.description = field(reinterpret_cast<const char*>(r.bDescr), descriptionLength);
        rows.push_back(std::move(row));
    }
    return result;
}

Win32Error Win32IpHelper::adaptersAddresses(std::uint32_t bufferSize, std::uint32_t& neededSize,
                                            std::vector<IpAdapterAddresses>& adapters) {
    adapters.clear();
    auto* get = library_.find<decltype(::GetAdaptersAddresses)>("GetAdaptersAddresses");
    if (get == nullptr) return kErrorNotSupported;
    Buffer buffer(bufferSize);
    ULONG size = bufferSize;
    constexpr ULONG kFlags =
        GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER;
    ULONG result =
        get(AF_INET, kFlags, nullptr, static_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()), &size);
    if (result == ERROR_BUFFER_OVERFLOW) neededSize = size;
    if (result != ERROR_SUCCESS) return result;
    for (auto* a = static_cast<const IP_ADAPTER_ADDRESSES*>(buffer.data()); a != nullptr;
         a = a->Next) {
        IpAdapterAddresses info;
        info.adapterName = a->AdapterName != nullptr ? a->AdapterName : "";
        info.description = a->Description != nullptr ? fromWide(a->Description) : "";
        info.friendlyName = a->FriendlyName != nullptr ? fromWide(a->FriendlyName) : "";
        info.physicalAddress =
            octets(a->PhysicalAddress, a->PhysicalAddressLength, sizeof a->PhysicalAddress);
        info.ifIndex = a->IfIndex;
        for (auto* u = a->FirstUnicastAddress; u != nullptr; u = u->Next)
            info.unicastAddresses.push_back(addressText(u->Address.lpSockaddr));
        adapters.push_back(std::move(info));
    }
    return result;
}

}  // namespace zlx::platform::win32
