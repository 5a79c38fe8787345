#include "adapterinfo/adapter_state.h"

#include <algorithm>
#include <string_view>

#include "platform/bytes.h"
#include "platform/wlan_types.h"

namespace zlx::adapterinfo {

namespace {

constexpr std::string_view kVendorName = "Norvane";
constexpr std::size_t kSsidOffset = 4;  // in the association attributes

void buildDetailsInto(AdapterStateContext c, const std::string& requestedName) {
    c.records.adapter.details = buildAdapterDetails(c.app, requestedName);
}

bool connectedState(AdapterStateContext c) {
    wlan::InterfaceQuery query(c.app.platform.wlan, c.app.selection.selectedInterface);
    platform::Win32Error result = query.query(platform::kWlanOpcodeInterfaceState);
    c.records.adapter.details.status = result;
    return result == platform::kErrorSuccess && query.data().size() >= 4 &&
           platform::loadLe<std::uint32_t>(query.data(), 0) == platform::kWlanStateConnected;
}

void storeLinkBlock(const wlan::LinkStatusBlock& block, wlan::LinkStatus& link,
                    std::uint32_t& phyCapabilityBits) {
    link.apMac = block.apMac;
    link.txPowerCode = block.txPowerCode;
    link.channel = block.channel;
    link.frequency = block.frequency;
    link.qualityClass = block.qualityClass;
    link.qualityPercent = block.qualityPercent;
    link.mfp = block.mfp ? 1 : 0;
    link.wmm = block.wmm ? 1 : 0;
    link.shortPreamble = block.shortPreamble ? 1 : 0;
    link.upTimeMs = block.upTimeMs;
    phyCapabilityBits = block.phyCapabilityBits;
}

// Reads the current connection into the link status; false when there is none to read.
bool storeConnection(AdapterStateContext c, wlan::LinkStatus& link,
                     wlan::StatusValidity& answered) {
    wlan::ConnectionSnapshot connection(c.app.platform.wlan, c.app.selection.selectedInterface);
    connection.close();
    c.records.adapter.details.status = connection.result;
    if (connection.result != platform::kErrorSuccess) return false;
    const auto& association = connection.associationAttributes;
    std::copy_n(association.begin() + kSsidOffset, link.ssid.size(), link.ssid.begin());
    link.ssidLength = std::min<std::uint32_t>(platform::loadLe<std::uint32_t>(association, 0),
                                              static_cast<std::uint32_t>(link.ssid.size()));
    link.networkType = wlan::networkTypeOf(platform::loadLe<std::uint32_t>(association, 36));
    answered.txRate = c.driver.queryTxRate(link.txRate) ? 1 : 0;
    answered.rxRate = c.driver.queryRxRate(link.rxRate) ? 1 : 0;
    std::int32_t dbm = 0;
    answered.signalStrength = querySignalStrength(c, dbm) ? 1 : 0;
    link.signalStrength = answered.signalStrength ? dbm : 0;
    link.securityEnabled = 0;
    if (connection.securityEnabled == 1) link.securityEnabled = 1;
    link.cipherClass = wlan::cipherClassOf(connection.cipherAlgorithm);
    link.authClass = wlan::authClassOf(connection.authAlgorithm);
    return true;
}

void storeNotConnected(wlan::LinkStatus& link) {
    link.ssid.fill(0);
    link.ssidLength = 0;
    link.networkType = 2;
    link.txRate = 0;
    link.rxRate = 0;
    link.signalStrength = 0;
    link.cipherClass = 0;
    link.authClass = 1;
}

}  // namespace

void selectAdapterAtStart(AdapterStateContext c) {
    context::WlanSelection& selection = c.app.selection;
    buildDetailsInto(c, std::string());
    c.records.adapter.link = {};

    wlan::InterfaceList list(c.app.platform.wlan, c.app.platform.rpc);
    std::optional<std::size_t> vendor;
    for (std::size_t j = 0; j < list.size(); ++j) {
        selection.selectedAdapterDescription = list.descriptions()[j];
        wlan::selectInterface(selection, c.app.platform.wlan, c.app.platform.rpc,
                              list.guidTexts()[j]);
        std::optional<std::string> text = c.driver.queryVendorDescription();
        bool named = (text && wlan::isVendorDescription(*text)) ||
                     list.descriptions()[j].find(kVendorName) != std::string::npos;
        if (named && !vendor) vendor = j;
    }
    if (vendor) {
        wlan::selectInterface(selection, c.app.platform.wlan, c.app.platform.rpc,
                              list.guidTexts()[*vendor]);
        selection.selectedAdapterDescription = list.descriptions()[*vendor];
    }

    buildDetailsInto(c, selection.selectedAdapterDescription);
    c.records.linkStatus = {};
    c.records.statistics = {};
}

void selectForDiagnosticsPage(AdapterStateContext c) {
    const std::uint64_t changes = c.app.interfaceChanges.load();
    if (!c.records.diagnosticsInterfaces || c.records.diagnosticsInterfacesListedAt != changes) {
        c.records.diagnosticsInterfaces.reset();
        c.records.diagnosticsInterfaces =
            std::make_unique<wlan::InterfaceList>(c.app.platform.wlan, c.app.platform.rpc);
        c.records.diagnosticsInterfacesListedAt = changes;
    }
    const wlan::InterfaceList& list = *c.records.diagnosticsInterfaces;
    context::WlanSelection& selection = c.app.selection;
    // Asking each driver moves the selection; when none answers, the interface and the
    // description chosen before stay together, so no page shows one adapter's link under
    // another adapter's name.
    const context::WlanSelection before = selection;
    for (std::size_t j = 0; j < list.size(); ++j) {
        wlan::selectInterface(selection, c.app.platform.wlan, c.app.platform.rpc,
                              list.guidTexts()[j]);
        std::optional<std::string> text = c.driver.queryVendorDescription();
        if (text && wlan::isVendorDescription(*text)) {
            selection.selectedAdapterDescription = list.descriptions()[j];
            return;
        }
    }
    selection = before;
}

void refreshLinkStatus(AdapterStateContext c) {
    AdapterState& adapter = c.records.adapter;
    wlan::LinkStatus& link = c.records.linkStatus;
    // Only what answers on this refresh counts: every flag starts at 0.
    wlan::StatusValidity& answered = c.records.validity;
    answered = {};
    buildDetailsInto(c, c.app.selection.selectedAdapterDescription);

    if (auto block = c.driver.queryLinkStatus()) {
        storeLinkBlock(*block, link, adapter.phyCapabilityBits);
        answered.status = answered.upTime = answered.qualityPercent = answered.wmm = 1;
        answered.txPower = answered.channel = 1;
    }
    wlan::CountryCodeAnswer country = c.driver.queryCountryCode();
    link.countryCode = country.accepted ? country.bytes : std::array<std::uint8_t, 3>{};
    answered.countryCode = country.accepted ? 1 : 0;

    if (connectedState(c) && storeConnection(c, link, answered))
        answered.connection = 1;
    else
        storeNotConnected(link);

    // An answer that is not accepted keeps the level the last one gave, which is not shown.
    if (auto level = c.driver.queryPowerSave()) {
        adapter.link.powerSaveLevel = wlan::powerSaveLevelOf(*level);
        link.powerSaveLevel = adapter.link.powerSaveLevel;
        answered.powerSave = 1;
    }

    adapter.link = link;
    if (auto channel = c.driver.queryChannelInfo()) {
        adapter.link.frequency = channel->frequency;
        adapter.link.channel = channel->channel;
        adapter.link.wirelessModeBits = channel->modeBits;
        answered.channel = 1;
    }
}

void refreshTxPowerAndValidity(AdapterStateContext c) {
    if (auto power = c.driver.queryTxPower()) {
        c.records.adapter.link.txPowerCode = *power;
        c.records.validity.txPower = 1;
    }
}

bool refreshStatistics(AdapterStateContext c) {
    wlan::LinkStatistics& statistics = c.records.statistics;
    const auto counters = c.driver.queryStatistics();
    if (counters) statistics.privateCounters = *counters;

    wlan::InterfaceQuery query(c.app.platform.wlan, c.app.selection.selectedInterface);
    std::optional<platform::WlanStatistics> answer;
    if (query.query(platform::kWlanOpcodeStatistics) == platform::kErrorSuccess)
        answer = platform::decodeStatistics(query.data());
    if (!answer) {
        c.records.validity = {};
        c.records.displayAnswered = {};
        return false;
    }
    applyInterfaceStatistics(*answer, statistics);
    c.records.displayBlock = displayBlockOf(statistics);
    c.records.displayAnswered = answeredSlotsOf(counters.has_value(), !answer->phys.empty());
    return true;
}

StatisticsAnswered answeredSlotsOf(bool driverAnswered, bool withPhys) {
    StatisticsAnswered answered{};
    for (std::size_t slot : {0, 13}) answered[slot] = true;
    for (std::size_t slot : {7, 10, 20}) answered[slot] = withPhys;
    answered[6] = withPhys || driverAnswered;
    for (std::size_t slot : {8, 11, 12, 18, 19}) answered[slot] = driverAnswered;
    for (std::size_t slot = 21; slot <= 33; ++slot) answered[slot] = driverAnswered;
    return answered;
}

void applyInterfaceStatistics(const platform::WlanStatistics& answer,
                              wlan::LinkStatistics& statistics) {
    statistics.framesTransmitted = answer.unicastTransmitted + answer.multicastTransmitted;
    statistics.framesReceived = answer.unicastReceived;
    if (answer.phys.empty()) return;
    statistics.privateCounters.framesRetried = 0;
    statistics.droppedFrames = 0;
    statistics.noAckFrames = 0;
    statistics.duplicateFrames = 0;
    for (const platform::WlanPhyFrameStatistics& phy : answer.phys) {
        statistics.privateCounters.framesRetried += phy.retryCount;
        statistics.droppedFrames += phy.failedCount;
        statistics.noAckFrames += phy.ackFailureCount;
        statistics.duplicateFrames += phy.frameDuplicateCount;
    }
}

bool querySignalStrength(AdapterStateContext c, std::int32_t& dbm) {
    if (!connectedState(c)) return false;
    wlan::InterfaceQuery rssi(c.app.platform.wlan, c.app.selection.selectedInterface);
    platform::Win32Error result = rssi.query(platform::kWlanOpcodeRssi);
    c.records.adapter.details.status = result;
    if (result != platform::kErrorSuccess || rssi.data().size() < 4) return false;
    dbm = static_cast<std::int32_t>(platform::loadLe<std::uint32_t>(rssi.data(), 0));
    return true;
}

StatisticsDisplayBlock displayBlockOf(const wlan::LinkStatistics& s) {
    const wlan::StatisticsBlock& p = s.privateCounters;
    StatisticsDisplayBlock b{};
    b[0] = s.framesTransmitted;
    b[6] = p.framesRetried;
    b[7] = s.droppedFrames;
    b[8] = p.rtsFrames;
    b[10] = s.noAckFrames;
    b[11] = p.retriedRtsFrames;
    b[12] = p.crcErrors;
    b[13] = s.framesReceived;
    b[18] = p.beaconsReceived;
    b[19] = p.encryptionErrors;
    b[20] = s.duplicateFrames;
    b[21] = p.ctsFrames;
    b[22] = p.noCtsFrames;
    b[23] = p.authenticationRejects;
    b[24] = p.associationRejects;
    b[25] = p.framesReceivedWithErrors;
    b[26] = p.apMismatches;
    b[27] = p.dataRateMismatches;
    b[28] = p.associationTimeouts;
    b[29] = p.ckipMicErrors;
    b[30] = p.ckipMicOk;
    b[31] = p.authenticationTimeouts;
    b[32] = p.standardMicErrors;
    b[33] = p.standardMicOk;
    return b;
}

}  // namespace zlx::adapterinfo
