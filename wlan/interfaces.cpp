#include "wlan/interfaces.h"

#include <algorithm>

#include "platform/wlan_types.h"
#include "wlan/driver_channel.h"

namespace zlx::wlan {

InterfaceList::InterfaceList(platform::WlanApi& wlan, platform::Rpc& rpc) : wlan_(wlan) {
    std::uint32_t negotiated = 0;
    result_ = wlan_.openHandle(kWlanClientVersion, negotiated, handle_);
    if (result_ != platform::kErrorSuccess) {
        if (handle_ != platform::kNoWlanHandle) wlan_.closeHandle(handle_);
        handle_ = platform::kNoWlanHandle;
        return;
    }
    std::vector<platform::WlanInterfaceInfo> interfaces;
    result_ = wlan_.enumInterfaces(handle_, interfaces);
    if (result_ != platform::kErrorSuccess) return;
    for (const auto& info : interfaces) {
        std::string text;
        // An interface whose GUID has no text form is left out of all three sequences.
        if (rpc.uuidToString(info.guid, text) != platform::kErrorSuccess) continue;
        guidTexts_.push_back(std::move(text));
        descriptions_.push_back(info.description.substr(0, 255));
        states_.push_back(info.state);
    }
}

InterfaceList::~InterfaceList() {
    if (handle_ != platform::kNoWlanHandle) wlan_.closeHandle(handle_);
}

int selectInterface(WlanSelection& selection, platform::WlanApi& wlan, platform::Rpc& rpc,
                    const std::string& guidText) {
    InterfaceList list(wlan, rpc);
    const auto& texts = list.guidTexts();
    if (std::find(texts.begin(), texts.end(), guidText) == texts.end()) return -1;
    selection.selectedInterfaceText = guidText.substr(0, 36);
    platform::Guid parsed;
    if (rpc.uuidFromString(selection.selectedInterfaceText, parsed) != platform::kErrorSuccess)
        return -2;
    selection.selectedInterface = parsed;
    return 0;
}

InterfaceQuery::InterfaceQuery(platform::WlanApi& wlan, const platform::Guid& selectedInterface)
    : wlan_(wlan), selectedInterface_(selectedInterface) {
    std::uint32_t negotiated = 0;
    result_ = wlan_.openHandle(kWlanClientVersion, negotiated, handle_);
    if (result_ != platform::kErrorSuccess && handle_ != platform::kNoWlanHandle) {
        wlan_.closeHandle(handle_);
        handle_ = platform::kNoWlanHandle;
    }
}

InterfaceQuery::~InterfaceQuery() {
    if (handle_ != platform::kNoWlanHandle) wlan_.closeHandle(handle_);
}

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
    if (handle_ == platform::kNoWlanHandle) return result_ = platform::kErrorInvalidHandle;
    std::uint32_t valueType = 0;
    result_ =
        wlan_.queryInterface(handle_, selectedInterface_, serviceOpcode(opcode), data_, valueType);
    return result_;
}

ConnectionSnapshot::ConnectionSnapshot(platform::WlanApi& wlan,
                                       const platform::Guid& selectedInterface)
    : wlan_(wlan) {
    std::uint32_t negotiated = 0;
    result = wlan_.openHandle(kWlanClientVersion, negotiated, handle_);
    platform::WlanHandle temporary = platform::kNoWlanHandle;
    platform::Win32Error opened = wlan_.openHandle(kWlanClientVersion, negotiated, temporary);
    if (opened != platform::kErrorSuccess) {
        if (temporary != platform::kNoWlanHandle) wlan_.closeHandle(temporary);
        result = opened;
        return;
    }
    std::vector<std::uint8_t> data;
    std::uint32_t valueType = 0;
    result = wlan_.queryInterface(temporary, selectedInterface,
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
    wlan_.closeHandle(temporary);
}

void ConnectionSnapshot::close() {
    if (handle_ != platform::kNoWlanHandle) wlan_.closeHandle(handle_);
    handle_ = platform::kNoWlanHandle;
}

}  // namespace zlx::wlan
