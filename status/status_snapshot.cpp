#include "status/status_snapshot.h"

#include "platform/text.h"
#include "resources/string_table.h"
#include "status/status_queries.h"
#include "status/status_text.h"
#include "wlan/failure_text.h"
#include "wlan/network_name.h"

namespace zlx::status {

namespace {

std::string trimmed(std::string_view text) {
    const char* space = " \t\r\n";
    std::size_t first = text.find_first_not_of(space);
    if (first == std::string_view::npos) return std::string();
    return std::string(text.substr(first, text.find_last_not_of(space) - first + 1));
}

template <typename T>
std::optional<T> when(bool gate, T value) {
    return gate ? std::optional<T>(value) : std::nullopt;
}

}  // namespace

LinkSnapshot takeLinkSnapshot(adapterinfo::AdapterStateContext state) {
    adapterinfo::refreshLinkStatus(state);
    adapterinfo::refreshTxPowerAndValidity(state);
    const adapterinfo::LinkRecords& r = state.records;
    const adapterinfo::AdapterState& adapter = r.adapter;
    const wlan::LinkStatus& link = r.linkStatus;
    const wlan::LinkStatus& copy = adapter.link;
    const wlan::StatusValidity& answered = r.validity;
    // The driver's link status block answered: the quality, the AP address and the link's flags.
    const bool valid = answered.status == 1;
    const bool connection = answered.connection == 1;
    // One reading of the radio serves every gate of this refresh, so they all agree.
    const RadioReading radio = queryRadio(state);
    const bool radioOn = radio.radioClass == 0;

    LinkSnapshot s;
    LinkReadings& v = s.readings;
    v.radioOn = radioOn;
    v.radioHardwareOn = radio.hardwareOn;
    v.radioSoftwareOn = radio.softwareOn;

    // The page's values, in the page's order: each query runs where its text is made.
    s.profileName = platform::displaySafeName(adapter.details.profileName);
    v.interfaceState = queryInterfaceState(state);
    s.serviceResult = radio.serviceResult;
    s.linkStatus = wlan::serviceUnavailable(radio.serviceResult)
                       ? wlan::wlanFailureText(radio.serviceResult)
                   : radio.adapterGone ? resources::stringOr(resources::kIdsAdapterGone, "")
                                       : linkStatusText(v.interfaceState);
    // The network type is the current connection's: without one nothing was read.
    s.networkType = connection ? networkTypeText(link.networkType) : noneText();
    s.wirelessMode = wirelessModeText(copy.wirelessModeBits);
    s.channel = channelText(answered.channel == 1, copy.channel);
    v.channel = when(answered.channel == 1, copy.channel);
    s.encryption = cipherText(connection, link.securityEnabled, link.cipherClass);
    const std::optional<std::int32_t> eapMethod = queryProfileEapMethod(state);
    // Without the service or the adapter no profile was read: "None" would be a reading.
    const bool askable = !wlan::serviceUnavailable(radio.serviceResult) && !radio.adapterGone;
    s.serverAuthentication = eapMethod && askable ? serverAuthText(*eapMethod) : noneText();
    // The address the IP tables may still list belongs to no adapter on the machine now.
    s.ipAddress = radio.adapterGone ? std::string() : adapter.details.ipAddress;
    s.radioStatus = trimmed(radioStatusText(radio.radioClass));

    // The dialog's values, with the page's signal word and bar among them.
    std::string ssid =
        wlan::networkNameText(ssidOctets(link.ssid, link.ssidLength), state.app.platform.codePages);
    s.ssid = ssidText(connection, radioOn, ssid);
    if (connection && radioOn) v.ssid = s.ssid;
    s.authentication = authenticationText(connection, link.securityEnabled, link.authClass);
    s.qos = qosText(link.wmm, answered.wmm == 1, radioOn);
    s.mfp = mfpText(valid, link.mfp);
    s.apMac = apMacText(valid, radioOn, link.apMac);
    if (s.apMac != noneText()) v.bssid = link.apMac;
    s.signalWord = signalQualityWord(valid, radioOn, link.qualityClass);
    s.qualityBar = valid && radioOn ? static_cast<int>(link.qualityClass) : 0;
    if (s.qualityBar > kSignalBarMax) s.qualityBar = kSignalBarMax;
    s.powerSave = powerSaveText(answered.powerSave == 1, copy.powerSaveLevel);
    s.powerLevel = powerLevelText(answered.txPower == 1, radioOn, copy.txPowerCode);
    v.txPowerMw = powerLevelMilliwatts(answered.txPower == 1, radioOn, copy.txPowerCode);
    s.powerLevelsA = availablePowerLevelsAText(valid, adapter.phyCapabilityBits);
    s.powerLevelsBg = availablePowerLevelsBgText(valid, adapter.phyCapabilityBits);
    s.signalStrength = signalStrengthText(answered.signalStrength == 1, link.signalStrength);
    v.signalDbm = when(answered.signalStrength == 1, link.signalStrength);
    s.signalQuality =
        signalQualityPercentText(answered.qualityPercent == 1, radioOn, link.qualityPercent);
    v.qualityPercent = when(answered.qualityPercent == 1, radioOn ? link.qualityPercent : 0u);
    s.upTime = upTimeText(answered.upTime == 1, radioOn, link.upTimeMs);
    v.upTimeSeconds = when(answered.upTime == 1 && radioOn, link.upTimeMs / 1000);
    s.preamble = preambleText(valid, link.shortPreamble);
    s.rxRate = rateText(answered.rxRate == 1, radioOn, link.rxRate);
    v.rxRateMbps = when(answered.rxRate == 1 && radioOn, rateMbps(link.rxRate));
    s.txRate = rateText(answered.txRate == 1, radioOn, link.txRate);
    v.txRateMbps = when(answered.txRate == 1 && radioOn, rateMbps(link.txRate));
    s.frequency = frequencyText(answered.channel == 1, radioOn, copy.frequency);
    v.frequencyMhz = when(answered.channel == 1 && radioOn, copy.frequency);
    s.channelSet = channelSetText(answered.countryCode == 1, link.countryCode);
    return s;
}

DiagnosticsSnapshot takeDiagnosticsSnapshot(adapterinfo::AdapterStateContext state) {
    DiagnosticsSnapshot s;
    s.statisticsAnswered = adapterinfo::refreshStatistics(state);
    s.counters = state.records.displayBlock;
    s.answered = state.records.displayAnswered;
    s.driverAccessDenied = state.driver.driverAccessDenied();

    constexpr std::size_t kClientNameUnits = 256;
    std::string name;
    s.clientName =
        state.app.platform.system.computerName(platform::kComputerNameDnsFullyQualified, name)
            ? platform::truncateToUtf16Units(name, kClientNameUnits - 1)
            : std::string();

    adapterinfo::AdapterDetails details =
        adapterinfo::buildAdapterDetails(state.app, state.app.selection.selectedAdapterDescription);
    s.cardName = platform::displaySafeName(details.adapterName);
    s.driverVersion = details.driverFileVersion;
    s.driver = details.driverPath;
    s.driverDate = details.driverFileDate;
    s.serialNumber = details.serialNumber;
    s.macAddress = details.macAddress;
    return s;
}

StatusSnapshot takeStatusSnapshot(adapterinfo::AdapterStateContext state) {
    StatusSnapshot s;
    s.link = takeLinkSnapshot(state);
    s.diagnostics = takeDiagnosticsSnapshot(state);
    s.adapterDescription =
        platform::displaySafeName(state.app.selection.selectedAdapterDescription);
    s.interfaceGuid = state.app.selection.selectedInterfaceText;
    return s;
}

}  // namespace zlx::status
