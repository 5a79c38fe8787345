// A stand-in for iphlpapi.dll: the three IP Helper tables as the simulated machine of a scenario
// answers them, with its two-call size protocol, laid out in the caller's buffer as Windows lays
// them out. Installed in the test prefix's system32 (scripts/windows/materialise); exports named
// in iphlpapi.def.

#include <winsock2.h>
// After winsock2.h:
#include <iphlpapi.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <deque>
#include <mutex>
#include <string>

#include "platform/win32/wide_text.h"
#include "tests/windows/stand_ins/stand_in_machine.h"

namespace {

// What the records point to beyond their fixed size. The simulated machine's sizes count the
// records alone, so this lives in the DLL, for as long as the process: callers read it at once.
struct Extras {
    std::mutex mutex;
    std::deque<IP_ADDR_STRING> addressStrings;
    std::deque<std::string> narrow;
    std::deque<std::wstring> wide;
    std::deque<IP_ADAPTER_UNICAST_ADDRESS> unicast;
    std::deque<sockaddr_in> sockets;
};

Extras& extras() {
    static Extras* kept = new Extras();
    return *kept;
}

template <std::size_t N>
void copyText(char (&field)[N], const std::string& text) {
    std::size_t length = std::min(text.size(), N - 1);
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

template <std::size_t N>
DWORD copyOctets(BYTE (&field)[N], const std::vector<std::uint8_t>& octets) {
    std::size_t length = std::min(octets.size(), N);
    if (length > 0) std::memcpy(field, octets.data(), length);
    return static_cast<DWORD>(length);
}

void setAddress(IP_ADDR_STRING& entry, const std::string& address, const std::string& mask) {
    copyText(entry.IpAddress.String, address);
    copyText(entry.IpMask.String, mask);
}

sockaddr_in socketAddress(const std::string& text) {
    sockaddr_in out{};
    out.sin_family = AF_INET;
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (std::sscanf(text.c_str(), "%u.%u.%u.%u", &a, &b, &c, &d) == 4) {
        auto* bytes = reinterpret_cast<unsigned char*>(&out.sin_addr);
        bytes[0] = static_cast<unsigned char>(a);
        bytes[1] = static_cast<unsigned char>(b);
        bytes[2] = static_cast<unsigned char>(c);
        bytes[3] = static_cast<unsigned char>(d);
    }
    return out;
}

}  // namespace

extern "C" {

ULONG WINAPI StandInGetAdaptersInfo(PIP_ADAPTER_INFO buffer, PULONG size) {
    auto* machine = zlx::standin::machine();
    if (machine == nullptr) return ERROR_NOT_SUPPORTED;
    if (size == nullptr) return ERROR_INVALID_PARAMETER;
    std::vector<zlx::platform::IpAdapterInfo> adapters;
    std::uint32_t needed = 0;
    DWORD result =
        machine->ipHelper().adaptersInfo(buffer == nullptr ? 0 : *size, needed, adapters);
    if (result == ERROR_BUFFER_OVERFLOW) *size = needed;
    if (result != ERROR_SUCCESS) return result;
    Extras& kept = extras();
    std::lock_guard lock(kept.mutex);
    for (std::size_t i = 0; i < adapters.size(); ++i) {
        const auto& from = adapters[i];
        IP_ADAPTER_INFO& to = buffer[i];
        std::memset(&to, 0, sizeof to);
        to.Next = i + 1 < adapters.size() ? &buffer[i + 1] : nullptr;
        to.ComboIndex = from.index;
        copyText(to.AdapterName, from.adapterName);
        copyText(to.Description, from.description);
        to.AddressLength = copyOctets(to.Address, from.address);
        to.Index = from.index;
        to.Type = from.type;
        to.DhcpEnabled = from.dhcpEnabled;
        IP_ADDR_STRING* last = nullptr;
        for (std::size_t n = 0; n < from.ipAddresses.size(); ++n) {
            IP_ADDR_STRING* entry =
                n == 0 ? &to.IpAddressList : &kept.addressStrings.emplace_back(IP_ADDR_STRING{});
            setAddress(*entry, from.ipAddresses[n],
                       n < from.ipMasks.size() ? from.ipMasks[n] : std::string());
            if (last != nullptr) last->Next = entry;
            last = entry;
        }
        setAddress(to.GatewayList, from.gateway, "");
        setAddress(to.DhcpServer, from.dhcpServer, "");
    }
    return result;
}

DWORD WINAPI StandInGetIfTable(PMIB_IFTABLE table, PULONG size, BOOL) {
    auto* machine = zlx::standin::machine();
    if (machine == nullptr) return ERROR_NOT_SUPPORTED;
    if (size == nullptr) return ERROR_INVALID_PARAMETER;
    std::vector<zlx::platform::IfRow> rows;
    std::uint32_t needed = 0;
    DWORD result = machine->ipHelper().ifTable(table == nullptr ? 0 : *size, needed, rows);
    if (result == ERROR_INSUFFICIENT_BUFFER) *size = needed;
    if (result != ERROR_SUCCESS) return result;
    table->dwNumEntries = static_cast<DWORD>(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& from = rows[i];
        MIB_IFROW& to = table->table[i];
        std::memset(&to, 0, sizeof to);
        std::wstring name = zlx::platform::win32::toWide(from.name);
        name.resize(std::min<std::size_t>(name.size(), MAX_INTERFACE_NAME_LEN - 1));
        std::memcpy(to.wszName, name.c_str(), (name.size() + 1) * sizeof(WCHAR));
        to.dwIndex = from.index;
        to.dwType = from.type;
        to.dwPhysAddrLen = copyOctets(to.bPhysAddr, from.physicalAddress);
        to.dwOperStatus = from.operStatus;
        std::size_t length = std::min(from.description.size(), sizeof to.bDescr - 1);
        std::memcpy(to.bDescr, from.description.data(), length);
        to.dwDescrLen = static_cast<DWORD>(length + 1);  // with its terminating NUL
    }
    return result;
}

ULONG WINAPI StandInGetAdaptersAddresses(ULONG, ULONG, PVOID, PIP_ADAPTER_ADDRESSES buffer,
                                         PULONG size) {
    auto* machine = zlx::standin::machine();
    if (machine == nullptr) return ERROR_NOT_SUPPORTED;
    if (size == nullptr) return ERROR_INVALID_PARAMETER;
    std::vector<zlx::platform::IpAdapterAddresses> adapters;
    std::uint32_t needed = 0;
    DWORD result =
        machine->ipHelper().adaptersAddresses(buffer == nullptr ? 0 : *size, needed, adapters);
    if (result == ERROR_BUFFER_OVERFLOW) *size = needed;
    if (result != ERROR_SUCCESS) return result;
    Extras& kept = extras();
    std::lock_guard lock(kept.mutex);
    for (std::size_t i = 0; i < adapters.size(); ++i) {
        const auto& from = adapters[i];
        IP_ADAPTER_ADDRESSES& to = buffer[i];
        std::memset(&to, 0, sizeof to);
        to.Length = sizeof to;
        to.IfIndex = from.ifIndex;
        to.Next = i + 1 < adapters.size() ? &buffer[i + 1] : nullptr;
        to.AdapterName = kept.narrow.emplace_back(from.adapterName).data();
        to.Description =
            kept.wide.emplace_back(zlx::platform::win32::toWide(from.description)).data();
        to.FriendlyName =
            kept.wide.emplace_back(zlx::platform::win32::toWide(from.friendlyName)).data();
        to.PhysicalAddressLength = copyOctets(to.PhysicalAddress, from.physicalAddress);
        IP_ADAPTER_UNICAST_ADDRESS* last = nullptr;
        for (const std::string& address : from.unicastAddresses) {
            IP_ADAPTER_UNICAST_ADDRESS& entry = kept.unicast.emplace_back();
            std::memset(&entry, 0, sizeof entry);
            entry.Length = sizeof entry;
            sockaddr_in& socket = kept.sockets.emplace_back(socketAddress(address));
            entry.Address.lpSockaddr = reinterpret_cast<SOCKADDR*>(&socket);
            entry.Address.iSockaddrLength = sizeof socket;
            if (last != nullptr)
                last->Next = &entry;
            else
                to.FirstUnicastAddress = &entry;
            last = &entry;
        }
    }
    return result;
}

}  // extern "C"
