#include "status/status_rows.h"

#include <algorithm>
#include <array>

#include "platform/text.h"
#include "resources/status_rows.h"
#include "status/status_text.h"

namespace zlx::status {

namespace {

using namespace resources;
using Shows = LinkValue::Shows;
using L = LinkSnapshot;
using D = DiagnosticsSnapshot;

constexpr LinkValue kLinkValues[] = {
    {kIdcProfileName, Shows::Field, &L::profileName, true, true},
    {kIdcLinkStatus, Shows::Field, &L::linkStatus},
    {kIdcNetworkType, Shows::Field, &L::networkType},
    {kIdcWirelessMode, Shows::Field, &L::wirelessMode},
    {kIdcChannel, Shows::Field, &L::channel},
    {kIdcExtensionChannel, Shows::None},
    {kIdcDataEncryption, Shows::Field, &L::encryption},
    {kIdcServerAuthentication, Shows::Field, &L::serverAuthentication},
    {kIdcIpAddress, Shows::Field, &L::ipAddress, true},
    {kIdcSsid, Shows::Field, &L::ssid, false, true},
    {kIdcAdvancedDataEncryption, Shows::Field, &L::encryption},
    {kIdcAuthenticationType, Shows::Field, &L::authentication},
    {kIdcMic, Shows::None},
    {kIdcQos, Shows::Field, &L::qos},
    {kIdcCckm, Shows::None},
    {kIdcMfp, Shows::Field, &L::mfp},
    {kIdcApName, Shows::Nothing},
    {kIdcApIpAddress, Shows::None},
    {kIdcApMacAddress, Shows::Field, &L::apMac, false, true},
    {kIdcMimoPowerSave, Shows::None},
    {kIdcPowerSaveMode, Shows::Field, &L::powerSave},
    {kIdcCurrentPowerLevel, Shows::Field, &L::powerLevel},
    {kIdcPowerLevelsA, Shows::Field, &L::powerLevelsA},
    {kIdcPowerLevelsBg, Shows::Field, &L::powerLevelsBg},
    {kIdcSignalStrength, Shows::Field, &L::signalStrength},
    {kIdcSignalQuality, Shows::Field, &L::signalQuality},
    {kIdcUpTime, Shows::Field, &L::upTime},
    {kIdcPreamble, Shows::Field, &L::preamble},
    {kIdcReceiveRate, Shows::Field, &L::rxRate},
    {kIdcTransmitRate, Shows::Field, &L::txRate},
    {kIdcAdvancedExtensionChannel, Shows::None},
    {kIdcFrequency, Shows::Field, &L::frequency},
    {kIdcExtensionFrequency, Shows::None},
    {kIdcChannelSet, Shows::Field, &L::channelSet},
    {kIdcChannelWidth, Shows::None},
};

constexpr DiagnosticsValue kDiagnosticsValues[] = {
    {kIdcCardName, &D::cardName},
    {kIdcMacAddress, &D::macAddress},
    {kIdcDriver, &D::driver},
    {kIdcDriverVersion, &D::driverVersion},
    {kIdcDriverDate, &D::driverDate},
    {kIdcClientName, &D::clientName, true},
    {kIdcSerialNumber, &D::serialNumber, false, false},
};

// Slots 1 to 5, 9 and 14 to 17 are never filled and have no control.
constexpr CounterValue kCounterValues[] = {
    {kIdcFramesTransmittedOk, 0, "framesTransmittedOk"},
    {kIdcFramesRetried, 6, "framesRetried"},
    {kIdcFramesDropped, 7, "framesDropped"},
    {kIdcNoAckFrames, 10, "noAckFrames"},
    {kIdcCtsFrames, 21, "ctsFrames"},
    {kIdcNoCtsFrames, 22, "noCtsFrames"},
    {kIdcRtsFrames, 8, "rtsFrames"},
    {kIdcRetriedDataFrames, 6, "retriedDataFrames"},
    {kIdcRetriedRtsFrames, 11, "retriedRtsFrames"},
    {kIdcAckFrames, 0, "ackFrames"},
    {kIdcBeaconsReceived, 18, "beaconsReceived"},
    {kIdcFramesReceivedOk, 13, "framesReceivedOk"},
    {kIdcFramesReceivedWithErrors, 25, "framesReceivedWithErrors"},
    {kIdcEncryptionErrors, 19, "encryptionErrors"},
    {kIdcDuplicateFrames, 20, "duplicateFrames"},
    {kIdcAuthenticationTimeout, 31, "authenticationTimeouts"},
    {kIdcStandardMicErrors, 32, "standardMicErrors"},
    {kIdcStandardMicOk, 33, "standardMicOk"},
    {kIdcCrcErrors, 12, "crcErrors"},
    {kIdcApMismatches, 26, "apMismatches"},
    {kIdcDataRateMismatches, 27, "dataRateMismatches"},
    {kIdcAssociationTimeout, 28, "associationTimeouts"},
    {kIdcCkipMicErrors, 29, "ckipMicErrors"},
    {kIdcCkipMicOk, 30, "ckipMicOk"},
    {kIdcAuthenticationRejects, 23, "authenticationRejects"},
    {kIdcAssociationRejects, 24, "associationRejects"},
};

template <typename Value, std::size_t N>
constexpr const Value* find(const Value (&values)[N], int valueControl) {
    for (const Value& v : values)
        if (v.valueControl == valueControl) return &v;
    return nullptr;
}

template <typename Value, std::size_t N, std::size_t M>
constexpr bool everyRowBound(const Value (&values)[N], const std::array<StatusRow, M>& rows) {
    return std::all_of(rows.begin(), rows.end(),
                       [&](const StatusRow& r) { return find(values, r.valueControl) != nullptr; });
}

static_assert(everyRowBound(kLinkValues, kLinkStatusRows));
static_assert(everyRowBound(kLinkValues, kAdvancedStatusRows));
static_assert(everyRowBound(kDiagnosticsValues, kAdapterRows));
static_assert(everyRowBound(kCounterValues, kTransmitRows));

}  // namespace

const LinkValue* linkValueOf(int valueControl) {
    return find(kLinkValues, valueControl);
}

const DiagnosticsValue* diagnosticsValueOf(int valueControl) {
    return find(kDiagnosticsValues, valueControl);
}

const CounterValue* counterValueOf(int valueControl) {
    return find(kCounterValues, valueControl);
}

std::string linkText(const LinkSnapshot& snapshot, int valueControl) {
    const LinkValue* value = linkValueOf(valueControl);
    if (!value || value->shows == Shows::Nothing) return std::string();
    if (value->shows == Shows::None) return noneText();
    const std::string& text = snapshot.*(value->field);
    // A value that did not arrive reads "none", on the page as on the command line.
    return value->noneWhenEmpty && text.empty() ? noneText() : text;
}

std::string diagnosticsText(const DiagnosticsSnapshot& snapshot, int valueControl) {
    const DiagnosticsValue* value = diagnosticsValueOf(valueControl);
    if (!value) return std::string();
    const std::string& text = snapshot.*(value->field);
    if (value->noneWhenEmpty && text.empty()) return noneText();
    return value->outsideName ? platform::displaySafeName(text) : text;
}

}  // namespace zlx::status
