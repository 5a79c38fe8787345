#include "clientsuite/connection_checks.h"

#include <algorithm>
#include <vector>

#include "platform/bytes.h"
#include "platform/text.h"
#include "platform/wlan_types.h"
#include "resources/string_table.h"
#include "wlan/client_handle.h"
#include "wlan/interfaces.h"
#include "wlan/network_name.h"

namespace zlx::clientsuite {

namespace {

constexpr std::size_t kSsidOffset = 4;
constexpr std::size_t kSsidMaxOctets = 32;

bool authenticationNotJudged(std::uint32_t algorithm) {
    // 802.11 open, shared key, WPA-PSK and WPA-None.
    return algorithm == 1 || algorithm == 2 || algorithm == 4 || algorithm == 5;
}

}  // namespace

std::string ssidTextOf(platform::CodePages& codePages, const std::uint8_t* attributes,
                       std::size_t size) {
    if (size < kSsidOffset) return {};
    // uSSIDLength, then the octets: a zero octet is part of the name, not its end.
    std::size_t length = platform::loadLe<std::uint32_t>(std::span(attributes, size), 0);
    length = std::min({length, kSsidMaxOctets, size - kSsidOffset});
    return wlan::networkNameText(
        std::string_view(reinterpret_cast<const char*>(attributes) + kSsidOffset, length),
        codePages);
}

AuthenticationJudgement judgeAuthentication(const ConnectionFacts& facts) {
    if (!facts.hasAdapterName) return {TestStatus::Failed, 0};
    // Without an answer about the connection there is none to judge, and nothing to bypass.
    if (!facts.connectionRead) return {TestStatus::Failed, resources::kIdsNotAssociated};
    if (facts.securityEnabled == 0 || authenticationNotJudged(facts.authAlgorithm))
        return {TestStatus::Bypassed, 0};
    switch (facts.interfaceState) {
        case 0:
            return {TestStatus::Failed, resources::kIdsNotAssociated};
        case 3:
        case 4:
            return {TestStatus::Failed, resources::kIdsUnexpectedLinkState};
        case 5:
        case 6:
        case 7:
            return {TestStatus::Authenticating, resources::kIdsAuthenticating};
        default:
            return {TestStatus::Passed, resources::kIdsAssociated};  // 1, 2 and anything above 7
    }
}

void AssociationTest::reset() {
    GenericTest::reset();
    loadTexts(resources::kIdsAssociationName, resources::kIdsAssociationDescription);
}

void AssociationTest::run(adapterinfo::AdapterDetails& details, TestRunEnvironment& env) {
    platform::WlanApi& api = env.platform.wlan;
    wlan::ConnectionSnapshot snapshot(api, env.selectedInterface);
    status_ = TestStatus::Failed;
    std::uint32_t state = 0;
    platform::Win32Error result;
    {
        wlan::ClientHandle handle(api);
        if (!handle.ok()) {
            result = handle.result();
        } else {
            std::vector<std::uint8_t> data;
            std::uint32_t valueType = 0;
            result = api.queryInterface(handle.get(), env.selectedInterface,
                                        platform::kWlanOpcodeInterfaceState, data, valueType);
            if (result == platform::kErrorSuccess && data.size() >= 4)
                state = platform::loadLe<std::uint32_t>(data, 0);
        }
    }
    details.status = result;
    bool associated = result == platform::kErrorSuccess && state == 1;
    if (associated) status_ = TestStatus::Passed;
    appendLabelled(resources::kIdsLinkStatus,
                   resources::stringOr(
                       associated ? resources::kIdsAssociated : resources::kIdsNotAssociated, ""));
    if (associated) {
        std::string ssid = ssidTextOf(env.platform.codePages, snapshot.associationAttributes.data(),
                                      snapshot.associationAttributes.size());
        // Names come from the network and the user: shown, and saved in the log, with no
        // control or direction mark of their own.
        appendLabelled(resources::kIdsApName,
                       ssid.empty() ? resources::stringOr(resources::kIdsApNameUnavailable, "")
                                    : platform::displaySafeName(ssid));
        appendLabelled(resources::kIdsApIpAddress,
                       resources::stringOr(resources::kIdsApAddressUnavailable, ""));
        resultText_ = resources::stringOr(resources::kIdsAssociationPassed, "");
        advice_.clear();
    } else {
        resultText_ = resources::stringOr(resources::kIdsNotAssociatedResult, "");
        advice_ = resources::stringOr(resources::kIdsConfigureRadio, "");
    }
    postTestBlock(env.sink);
    snapshot.close();
}

void AuthenticationTest::reset() {
    GenericTest::reset();
    loadTexts(resources::kIdsAuthenticationName, resources::kIdsAuthenticationDescription);
}

void AuthenticationTest::run(adapterinfo::AdapterDetails& details, TestRunEnvironment& env) {
    status_ = TestStatus::Failed;
    wlan::ConnectionSnapshot snapshot(env.platform.wlan, env.selectedInterface);
    ConnectionFacts facts;
    facts.hasAdapterName = details.hasAdapterName == 1;
    facts.connectionRead = snapshot.result == platform::kErrorSuccess;
    facts.securityEnabled = snapshot.securityEnabled;
    facts.authAlgorithm = snapshot.authAlgorithm;
    facts.interfaceState = snapshot.interfaceState;
    AuthenticationJudgement judgement = judgeAuthentication(facts);
    status_ = judgement.status;
    if (judgement.linkStatusStringId != 0) {
        appendLabelled(resources::kIdsLinkStatus,
                       resources::stringOr(judgement.linkStatusStringId, ""));
        appendLabelled(resources::kIdsEncryptionType, "");
        appendLabelled(resources::kIdsWepEnabled, "");
    }
    if (status_ == TestStatus::Passed) {
        resultText_ = resources::stringOr(resources::kIdsAuthenticationPassed, "");
        advice_.clear();
    } else if (status_ == TestStatus::Bypassed) {
        resultText_ = resources::stringOr(resources::kIdsAuthenticationBypassed, "");
        advice_.clear();
    } else {
        resultText_ = resources::stringOr(resources::kIdsNotAuthenticated, "");
        advice_ = resources::stringOr(resources::kIdsConfigureSecurity, "");
    }
    postTestBlock(env.sink);
    snapshot.close();
}

}  // namespace zlx::clientsuite
