#include "clientsuite/network_check.h"

#include <algorithm>
#include <cstdio>

#include "platform/text.h"
#include "resources/string_table.h"

namespace zlx::clientsuite {

namespace {

std::string withoutTrailingSpace(std::string text) {
    auto last = text.find_last_not_of(" \t\r\n\v\f");
    text.erase(last == std::string::npos ? 0 : last + 1);
    return text;
}

// An echo reply names its time to live ("TTL=64" on Windows in every language, "ttl=64" on
// POSIX systems). Neither the exit status (0 for a "Destination host unreachable" from another
// host on some Windows versions) nor the wording of the statistics is reliable.
bool isEchoReply(std::string_view line) {
    for (std::size_t at = 0; at + 4 < line.size(); ++at) {
        auto lower = [&](std::size_t i) {
            char c = line[at + i];
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
        };
        if (lower(0) == 't' && lower(1) == 't' && lower(2) == 'l' && line[at + 3] == '=' &&
            line[at + 4] >= '0' && line[at + 4] <= '9')
            return true;
    }
    return false;
}

// Why no ping was sent to `gateway`, shown as it came but unable to hide or reorder the text.
std::string gatewayNotAnAddress(const std::string& gateway) {
    std::string text = resources::stringOr(resources::kIdsGatewayNotIpv4, "%s");
    auto at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, platform::displaySafeName(gateway));
    return text;
}

// The gateway is missing, or all zero, which means the same.
bool gatewayAbsent(const std::string& gateway) {
    auto first = gateway.find_first_not_of(" \t\r\n\v\f");
    return first == std::string::npos ||
           gateway.find_first_not_of("0.", first) == std::string::npos;
}

}  // namespace

std::string formatPhysicalAddress(const std::vector<std::uint8_t>& address) {
    unsigned octets[6] = {};
    for (std::size_t i = 0; i < 6 && i < address.size(); ++i) octets[i] = address[i];
    char text[18];
    std::snprintf(text, sizeof text, "%02X-%02X-%02X-%02X-%02X-%02X", octets[0], octets[1],
                  octets[2], octets[3], octets[4], octets[5]);
    return text;
}

void NetworkTest::reset() {
    GenericTest::reset();
    loadTexts(resources::kIdsNetworkName, resources::kIdsNetworkDescription);
    gatewayText_.clear();
    ipText_.clear();
    maskText_.clear();
    dhcpEnabled_ = 0;
}

NetworkTest::Settings NetworkTest::readSettings(const adapterinfo::AdapterDetails& details,
                                                platform::Platform& platform,
                                                const platform::Guid& interfaceGuid) {
    // The table may grow between the size query and the read: ask again with the new size,
    // a few times, as the documented loop does.
    constexpr int kTries = 4;
    std::uint32_t needed = 0;
    std::vector<platform::IpAdapterInfo> adapters;
    platform::Win32Error result = platform::kErrorBufferOverflow;
    for (int i = 0; i < kTries && result == platform::kErrorBufferOverflow; ++i)
        result = platform.ipHelper.adaptersInfo(needed, needed, adapters);
    // An empty table (ERROR_NO_DATA) is read well enough: this adapter is not in it.
    if (result == platform::kErrorNoData) return Settings::NotFound;
    if (result != platform::kErrorSuccess) return Settings::Unreadable;
    // IP Helper names an adapter by its interface's GUID, in braces.
    const std::string guidName = "{" + platform::formatGuid(interfaceGuid) + "}";
    auto matches = [&](const platform::IpAdapterInfo& adapter) {
        return details.macAddress.empty()
                   ? platform::equalIgnoringAsciiCase(adapter.adapterName, guidName)
                   : platform::equalIgnoringAsciiCase(formatPhysicalAddress(adapter.address),
                                                      details.macAddress);
    };
    for (const platform::IpAdapterInfo& adapter : adapters) {
        if (!matches(adapter)) continue;
        auto first = [&](const std::vector<std::string>& list) {
            return list.empty() ? std::string() : platform.codePages.ansiToUtf8(list.front());
        };
        ipText_ = first(adapter.ipAddresses);
        maskText_ = first(adapter.ipMasks);
        gatewayText_ = platform.codePages.ansiToUtf8(adapter.gateway);
        dhcpEnabled_ = adapter.dhcpEnabled;
        return Settings::Read;
    }
    return Settings::NotFound;
}

void NetworkTest::appendSettings(const adapterinfo::AdapterDetails& details) {
    appendDetail(platform::displaySafeName(details.adapterName));
    appendLabelled(resources::kIdsPhysicalAddress, details.macAddress);
    appendLabelled(
        resources::kIdsDhcpEnabled,
        resources::stringOr(dhcpEnabled_ != 0 ? resources::kIdsYes : resources::kIdsNo, ""));
    appendLabelled(resources::kIdsIpAddress, ipText_);
    appendLabelled(resources::kIdsSubnetMask, maskText_);
    appendLabelled(resources::kIdsDefaultGateway, gatewayText_);
}

void NetworkTest::applyVerdict(AddressVerdict verdict, const adapterinfo::AdapterDetails& details) {
    auto fail = [&](int detailId, int adviceId) {
        appendDetail(resources::stringOr(detailId, ""));
        advice_ = resources::stringOr(adviceId, "");
    };
    switch (verdict) {
        case AddressVerdict::Usable:
            appendSettings(details);
            status_ = TestStatus::Passed;
            advice_.clear();
            return;
        case AddressVerdict::OutsideGatewaySubnet:
            return fail(resources::kIdsAddressMightBeWrong, resources::kIdsConfigureNetwork);
        case AddressVerdict::NoAddress:
            return fail(resources::kIdsAddressEmpty, resources::kIdsConfigureNetwork);
        case AddressVerdict::AllZero:
            return fail(resources::kIdsAddressAllZero, resources::kIdsRenewAddress);
        case AddressVerdict::AutoConfigured:
            fail(resources::kIdsAddressAutoConfigured, resources::kIdsConfigureNetwork);
            return appendSettings(details);
        case AddressVerdict::MaskNotUsable:
            return fail(resources::kIdsMaskNotUsable, resources::kIdsConfigureNetwork);
        case AddressVerdict::NoGateway:
            if (gatewayAbsent(gatewayText_))
                return fail(resources::kIdsGatewayEmpty, resources::kIdsConfigureGateway);
            // Present, but nothing that could be pinged: say what is wrong with it.
            appendDetail(gatewayNotAnAddress(gatewayText_));
            advice_ = resources::stringOr(resources::kIdsConfigureGateway, "");
            return;
    }
}

void NetworkTest::runPing(const std::string& target, TestRunEnvironment& env) {
    if (target.empty()) {
        // Nothing claims an answer that was never asked for.
        appendDetail(gatewayAbsent(gatewayText_)
                         ? resources::stringOr(resources::kIdsNoGatewayToPing, "")
                         : gatewayNotAnAddress(gatewayText_));
        return;
    }
    env.sink.pingStarting(target);
    platform::PingResult ping = env.platform.processes.ping(target, kPingLimit, env.stop);
    if (ping.startResult != platform::kErrorSuccess) {
        appendDetail(resources::stringOr(resources::kIdsPingNotStarted, ""));
        return;
    }
    // A ping the program's end stopped has no answer to judge. One still running at the
    // limit (a silent gateway outlasts it: 4 echoes of up to 4 s each) is judged by what it
    // printed until then, like a finished one.
    if (ping.stopped) return;
    const std::string& output = ping.output;
    bool answered = false;
    std::size_t start = 0;
    while (start < output.size()) {
        std::size_t end = output.find_first_of("\r\n", start);
        if (end == std::string::npos) end = output.size();
        if (end > start) {
            std::string_view line = std::string_view(output).substr(start, end - start);
            answered = answered || isEchoReply(line);
            // The program's output is text from outside, like the names: no control character
            // or direction mark reaches the window or the saved log.
            // The system's ping separates fields with tabs: they are spacing, not controls.
            std::string text = env.platform.codePages.oemToUtf8(line);
            std::replace(text.begin(), text.end(), '\t', ' ');
            appendDetail(platform::displaySafeName(withoutTrailingSpace(text)));
        }
        start = end + 1;
    }
    if (ping.outputCut) appendDetail(resources::stringOr(resources::kIdsPingOutputCut, ""));
    if (ping.timedOut) {
        std::string text = resources::stringOr(resources::kIdsPingCutOff, "%s");
        if (auto at = text.find("%s"); at != std::string::npos)
            text.replace(at, 2, std::to_string(kPingLimit / 1000));
        appendDetail(text);
    }
    if (answered) return;
    status_ = TestStatus::Failed;
    resultText_ = resources::stringOr(resources::kIdsGatewayDidNotAnswer, "");
    advice_ = resources::stringOr(resources::kIdsCheckGateway, "");
}

void NetworkTest::run(adapterinfo::AdapterDetails& details, TestRunEnvironment& env) {
    status_ = TestStatus::Failed;
    env.sink.busy(true);
    std::string target;
    if (details.hasAdapterName != 0 && details.radioOn != 0) {
        Settings read = readSettings(details, env.platform, env.selectedInterface);
        if (read == Settings::Read) {
            target = pickPingTarget(gatewayText_);
            applyVerdict(checkAddressing(ipText_, target, maskText_, dhcpEnabled_ != 0), details);
        } else {
            // No program is run: the words say what did not work.
            status_ = TestStatus::Aborted;
            appendDetail(read == Settings::NotFound
                             ? resources::stringOr(resources::kIdsNoIpConfiguration, "")
                             : resources::stringOr(resources::kIdsIpTablesUnreadable, ""));
        }
    }
    if (status_ == TestStatus::Passed) {
        resultText_ = resources::stringOr(resources::kIdsNetworkPassed, "");
        advice_.clear();
    } else if (status_ == TestStatus::Aborted) {
        resultText_ = resources::stringOr(resources::kIdsNetworkAborted, "");
        advice_.clear();
    } else {
        resultText_ = resources::stringOr(resources::kIdsNotConfigured, "");
        if (advice_.empty()) advice_ = resources::stringOr(resources::kIdsConfigureNetwork, "");
    }
    postHead(env.sink);
    if (status_ == TestStatus::Passed) runPing(target, env);
    postTail(env.sink);
    env.sink.busy(false);
}

}  // namespace zlx::clientsuite
