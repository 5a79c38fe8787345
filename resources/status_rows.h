#pragma once
// The rows of the status pages: each a label (its string and its control) and the control that
// shows its value, in the order of the page's template and of its data exchange. The templates
// (resources/status_templates.cpp) are made from these tables, and the status pages and the
// command line's status (status/) show each row's value from them, so a row is added once.

#include <array>
#include <cstddef>
#include <cstdint>

#include "resources/resource_ids.h"
#include "ui/dialog_template.h"

namespace zlx::resources {

// What a row may be besides shown.
enum StatusRowFlag : std::uint32_t {
    kRowShown = 0,
    // Not visible; the row shares the line of the row before it.
    kRowHidden = 1u << 0,
    // The label keeps its template text: the page reloads no string into it.
    kRowTemplateLabel = 1u << 1,
};

struct StatusRow {
    int labelString;
    int labelControl;
    int valueControl;
    std::uint32_t flags = kRowShown;
    // The value's template text; empty unless given.
    const char* valueText = "";

    constexpr bool hidden() const { return (flags & kRowHidden) != 0; }
};

// Where the rows of a table go, in dialog units, and the style of their value controls.
struct StatusColumn {
    int labelX, labelWidth, valueX, valueWidth, top, step;
    std::uint32_t valueStyle = ui::kStyleEllipsis;
};

// The Current Status page's rows of text; the signal strength bar and the radio row below them
// have places of their own.
inline constexpr StatusColumn kLinkStatusColumn{14, 110, 126, 117, 14, 14};
inline constexpr std::array kLinkStatusRows = std::to_array<StatusRow>({
    {kIdsProfileNameLabel, kIdcProfileNameLabel, kIdcProfileName},
    {kIdsLinkStatusLabel, kIdcLinkStatusLabel, kIdcLinkStatus},
    {kIdsNetworkTypeLabel, kIdcNetworkTypeLabel, kIdcNetworkType},
    {kIdsWirelessModeLabel, kIdcWirelessModeLabel, kIdcWirelessMode},
    {kIdsCurrentChannelLabel, kIdcChannelLabel, kIdcChannel},
    {kIdsExtensionChannelLabel, kIdcExtensionChannelLabel, kIdcExtensionChannel, kRowHidden},
    {kIdsDataEncryptionLabel, kIdcDataEncryptionLabel, kIdcDataEncryption},
    {kIdsServerAuthenticationLabel, kIdcServerAuthenticationLabel, kIdcServerAuthentication},
    {kIdsIpAddressLabel, kIdcIpAddressLabel, kIdcIpAddress},
});

// The Advanced Status dialog's rows.
inline constexpr StatusColumn kAdvancedStatusColumn{7, 125, 135, 218, 7, 10};
inline constexpr std::array kAdvancedStatusRows = std::to_array<StatusRow>({
    {kIdsSsidLabel, kIdcSsidLabel, kIdcSsid},
    {kIdsServerAuthenticationLabel, kIdcServerAuthenticationLabel, kIdcServerAuthentication},
    {kIdsDataEncryptionLabel, kIdcDataEncryptionLabel, kIdcAdvancedDataEncryption},
    {kIdsAuthenticationTypeLabel, kIdcAuthenticationTypeLabel, kIdcAuthenticationType},
    {kIdsMicLabel, kIdcMicLabel, kIdcMic},
    {kIdsQosLabel, kIdcQosLabel, kIdcQos},
    {kIdsCckmLabel, kIdcCckmLabel, kIdcCckm, kRowHidden},
    {kIdsMfpLabel, kIdcMfpLabel, kIdcMfp, kRowHidden},
    {kIdsApNameLabel, kIdcApNameLabel, kIdcApName, kRowHidden},
    {kIdsApIpAddressLabel, kIdcApIpAddressLabel, kIdcApIpAddress, kRowHidden},
    {kIdsApMacAddressLabel, kIdcApMacAddressLabel, kIdcApMacAddress},
    {kIdsMimoPowerSaveLabel, kIdcMimoPowerSaveLabel, kIdcMimoPowerSave, kRowHidden, "OFF"},
    {kIdsPowerSaveModeLabel, kIdcPowerSaveModeLabel, kIdcPowerSaveMode},
    {kIdsCurrentPowerLevelLabel, kIdcCurrentPowerLevelLabel, kIdcCurrentPowerLevel},
    {kIdsPowerLevelsALabel, kIdcPowerLevelsALabel, kIdcPowerLevelsA},
    {kIdsPowerLevelsBgLabel, kIdcPowerLevelsBgLabel, kIdcPowerLevelsBg},
    {kIdsSignalStrengthValueLabel, kIdcSignalStrengthValueLabel, kIdcSignalStrength},
    {kIdsSignalQualityLabel, kIdcSignalQualityLabel, kIdcSignalQuality},
    {kIdsUpTimeLabel, kIdcUpTimeLabel, kIdcUpTime},
    {kIdsPreambleLabel, kIdcPreambleLabel, kIdcPreamble},
    {kIdsReceiveRateLabel, kIdcReceiveRateLabel, kIdcReceiveRate},
    {kIdsTransmitRateLabel, kIdcTransmitRateLabel, kIdcTransmitRate},
    {kIdsChannelLabel, kIdcChannelLabel, kIdcChannel},
    {kIdsExtensionChannelLabel, kIdcAdvancedExtensionChannelLabel, kIdcAdvancedExtensionChannel,
     kRowHidden | kRowTemplateLabel},
    {kIdsFrequencyLabel, kIdcFrequencyLabel, kIdcFrequency},
    {kIdsExtensionFrequencyLabel, kIdcExtensionFrequencyLabel, kIdcExtensionFrequency, kRowHidden},
    {kIdsChannelSetLabel, kIdcChannelSetLabel, kIdcChannelSet},
    {kIdsChannelWidthLabel, kIdcChannelWidthLabel, kIdcChannelWidth, kRowHidden, "20-40"},
});

// The Diagnostics page's rows: the adapter's identity, then the counters of its transmit and
// receive groups. The labels are as wide as the longest of each group needs and the counters
// the rest, the same for both groups: a counter of 20 digits is drawn whole, in a smaller size
// where the column is too narrow for it.
inline constexpr StatusColumn kAdapterColumn{14, 70, 88, 258, 15, 9};
inline constexpr std::array kAdapterRows = std::to_array<StatusRow>({
    {kIdsCardNameLabel, kIdcCardNameLabel, kIdcCardName},
    {kIdsMacAddressLabel, kIdcMacAddressLabel, kIdcMacAddress},
    {kIdsDriverLabel, kIdcDriverLabel, kIdcDriver},
    {kIdsDriverVersionLabel, kIdcDriverVersionLabel, kIdcDriverVersion},
    {kIdsDriverDateLabel, kIdcDriverDateLabel, kIdcDriverDate},
    {kIdsClientNameLabel, kIdcClientNameLabel, kIdcClientName},
    {kIdsSerialNumberLabel, kIdcSerialNumberLabel, kIdcSerialNumber, kRowHidden},
});

inline constexpr StatusColumn kTransmitColumn{12, 84, 98, 68, 91, 9, ui::kStyleFitWidth};
inline constexpr std::array kTransmitRows = std::to_array<StatusRow>({
    {kIdsFramesTransmittedOkLabel, kIdcFramesTransmittedOkLabel, kIdcFramesTransmittedOk},
    {kIdsFramesRetriedLabel, kIdcFramesRetriedLabel, kIdcFramesRetried},
    {kIdsFramesDroppedLabel, kIdcFramesDroppedLabel, kIdcFramesDropped},
    {kIdsNoAckFramesLabel, kIdcNoAckFramesLabel, kIdcNoAckFrames},
    {kIdsCtsFramesLabel, kIdcCtsFramesLabel, kIdcCtsFrames},
    {kIdsNoCtsFramesLabel, kIdcNoCtsFramesLabel, kIdcNoCtsFrames},
    {kIdsRtsFramesLabel, kIdcRtsFramesLabel, kIdcRtsFrames},
    {kIdsRetriedDataFramesLabel, kIdcRetriedDataFramesLabel, kIdcRetriedDataFrames},
    {kIdsRetriedRtsFramesLabel, kIdcRetriedRtsFramesLabel, kIdcRetriedRtsFrames},
    {kIdsAckFramesLabel, kIdcAckFramesLabel, kIdcAckFrames},
});

inline constexpr StatusColumn kReceiveColumn{179, 100, 281, 68, 91, 9, ui::kStyleFitWidth};
inline constexpr std::array kReceiveRows = std::to_array<StatusRow>({
    {kIdsBeaconsReceivedLabel, kIdcBeaconsReceivedLabel, kIdcBeaconsReceived},
    {kIdsFramesReceivedOkLabel, kIdcFramesReceivedOkLabel, kIdcFramesReceivedOk},
    {kIdsFramesReceivedWithErrorsLabel, kIdcFramesReceivedWithErrorsLabel,
     kIdcFramesReceivedWithErrors},
    {kIdsEncryptionErrorsLabel, kIdcEncryptionErrorsLabel, kIdcEncryptionErrors},
    {kIdsDuplicateFramesLabel, kIdcDuplicateFramesLabel, kIdcDuplicateFrames},
    {kIdsReceivedCtsFramesLabel, kIdcReceivedCtsFramesLabel, kIdcReceivedCtsFrames, kRowHidden},
    {kIdsAuthenticationTimeoutLabel, kIdcAuthenticationTimeoutLabel, kIdcAuthenticationTimeout},
    {kIdsStandardMicErrorsLabel, kIdcStandardMicErrorsLabel, kIdcStandardMicErrors},
    {kIdsStandardMicOkLabel, kIdcStandardMicOkLabel, kIdcStandardMicOk},
    {kIdsCrcErrorsLabel, kIdcCrcErrorsLabel, kIdcCrcErrors},
    {kIdsApMismatchesLabel, kIdcApMismatchesLabel, kIdcApMismatches, kRowHidden},
    {kIdsDataRateMismatchesLabel, kIdcDataRateMismatchesLabel, kIdcDataRateMismatches, kRowHidden},
    {kIdsAssociationTimeoutLabel, kIdcAssociationTimeoutLabel, kIdcAssociationTimeout},
    {kIdsCkipMicErrorsLabel, kIdcCkipMicErrorsLabel, kIdcCkipMicErrors, kRowHidden},
    {kIdsCkipMicOkLabel, kIdcCkipMicOkLabel, kIdcCkipMicOk, kRowHidden},
    {kIdsAuthenticationRejectsLabel, kIdcAuthenticationRejectsLabel, kIdcAuthenticationRejects},
    {kIdsAssociationRejectsLabel, kIdcAssociationRejectsLabel, kIdcAssociationRejects},
});

}  // namespace zlx::resources
