#include "wlan/interfaces.h"

#include <algorithm>

#include "platform/text.h"
#include "platform/wlan_types.h"

namespace zlx::wlan {

InterfaceList::InterfaceList(platform::WlanApi& wlan, platform::Rpc& rpc)
    : handle_(wlan), result_(handle_.result()) {
    if (!handle_.ok()) return;
    std::shared_ptr<const platform::WlanInterfaceSet> interfaces;
    result_ = wlan.enumInterfaceSet(handle_.get(), interfaces);
    if (result_ != platform::kErrorSuccess) return;
    for (const auto& info : interfaces->interfaces()) {
        std::string text;
        // An interface whose GUID has no text form is left out of all three sequences.
        if (rpc.uuidToString(info.guid, text) != platform::kErrorSuccess) continue;
        guidTexts_.push_back(std::move(text));
        descriptions_.push_back(platform::truncateToUtf16Units(info.description, kMaxNameUnits));
        states_.push_back(info.state);
    }
}

int selectInterface(context::WlanSelection& selection, platform::WlanApi& wlan, platform::Rpc& rpc,
                    const std::string& guidText) {
    // A fresh enumeration, as for a list; only the interface whose GUID the text spells is
    // turned into text, since no other interface's text can equal it. A selection therefore
    // costs the same with thousands of interfaces as with one.
    ClientHandle handle(wlan);
    if (!handle.ok()) return -1;
    std::shared_ptr<const platform::WlanInterfaceSet> interfaces;
    if (wlan.enumInterfaceSet(handle.get(), interfaces) != platform::kErrorSuccess) return -1;
    platform::Guid spelled;
    if (!platform::parseGuid(guidText, spelled) || !interfaces->find(spelled)) return -1;
    std::string text;
    if (rpc.uuidToString(spelled, text) != platform::kErrorSuccess || text != guidText) return -1;
    selection.selectedInterfaceText = guidText.substr(0, 36);
    platform::Guid parsed;
    if (rpc.uuidFromString(selection.selectedInterfaceText, parsed) != platform::kErrorSuccess)
        return -2;
    selection.selectedInterface = parsed;
    return 0;
}

platform::Win32Error getProfileList(platform::WlanApi& wlan, const platform::Guid& interfaceGuid,
                                    std::vector<platform::WlanProfileInfo>& profiles) {
    ClientHandle handle(wlan);
    if (!handle.ok()) return handle.result();
    return wlan.getProfileList(handle.get(), interfaceGuid, profiles);
}

platform::Win32Error getProfileXml(platform::WlanApi& wlan, const platform::Guid& interfaceGuid,
                                   const std::string& profileName, std::string& xml) {
    ClientHandle handle(wlan);
    if (!handle.ok()) return handle.result();
    return wlan.getProfile(handle.get(), interfaceGuid, profileName, xml);
}

InterfaceQuery::InterfaceQuery(platform::WlanApi& wlan, const platform::Guid& selectedInterface)
    : wlan_(wlan),
      selectedInterface_(selectedInterface),
      handle_(wlan),
      result_(handle_.result()) {}

std::uint32_t InterfaceQuery::serviceOpcode(std::uint32_t opcode) {
    if (opcode >= 1 && opcode <= 12) return opcode;
    switch (opcode) {
        case 0x10000101:
        case 0x10000102:
        case 0x1FFFFFFF:
        case 0x20010000:
        case 0x2FFFFFFF:
            return opcode;
        default:
            return 0;
    }
}

platform::Win32Error InterfaceQuery::query(std::uint32_t opcode) {
    data_.clear();
    if (!handle_.ok()) return result_ = platform::kErrorInvalidHandle;
    std::uint32_t valueType = 0;
    result_ = wlan_.queryInterface(handle_.get(), selectedInterface_, serviceOpcode(opcode), data_,
                                   valueType);
    return result_;
}

ConnectionSnapshot::ConnectionSnapshot(platform::WlanApi& wlan,
                                       const platform::Guid& selectedInterface)
    : handle_(wlan) {
    result = handle_.result();
    ClientHandle temporary(wlan);
    if (!temporary.ok()) {
        result = temporary.result();
        return;
    }
    std::vector<std::uint8_t> data;
    std::uint32_t valueType = 0;
    result = wlan.queryInterface(temporary.get(), selectedInterface,
                                 platform::kWlanOpcodeCurrentConnection, data, valueType);
    if (result == platform::kErrorSuccess) {
        if (auto attributes = platform::decodeConnectionAttributes(data)) {
            interfaceState = attributes->state;
            connectionMode = attributes->connectionMode;
            profileName = attributes->profileName;
            auto raw = platform::encodeAssociationAttributes(attributes->association);
            std::copy_n(raw.begin(), std::min(raw.size(), associationAttributes.size()),
                        associationAttributes.begin());
            securityEnabled = attributes->securityEnabled;
            oneXEnabled = attributes->oneXEnabled;
            authAlgorithm = attributes->authAlgorithm;
            cipherAlgorithm = attributes->cipherAlgorithm;
        } else {
            // A reply too short to hold the attributes is no connection at all.
            result = platform::kErrorInvalidParameter;
        }
    }
}

}  // namespace zlx::wlan
