#pragma once
// The program's resource ids, each number written once: the controls of the dialog templates
// (kIdc...) and the strings of the string table (kIds...). Dialogs and icons are in
// resources/dialogs.h.

#include <cstdint>

namespace zlx::resources {

// Control ids. Windows numbers a control within its dialog, so two dialogs may use one number
// for different controls (1036, 1189); within a template each number is one control. Controls
// that the Current Status page and the Advanced Status dialog share have one name.

// The Troubleshooting page (kDialogTroubleshooting).
inline constexpr int kIdcStart = 16;
inline constexpr int kIdcAdapterList = 1004;
inline constexpr int kIdcProfileList = 1024;
inline constexpr int kIdcAdapterLabel = 1036;
inline constexpr int kIdcNetworkMode = 1042;
inline constexpr int kIdcClientMode = 1049;
inline constexpr int kIdcModeText = 5400;
inline constexpr int kIdcWarningText = 5401;
inline constexpr int kIdcWarningIcon = 5402;
inline constexpr int kIdcTroubleshootingGroup = 5403;
inline constexpr int kIdcModeGroup = 5404;
inline constexpr int kIdcConnectionGroup = 5405;
inline constexpr int kIdcProfileLabel = 5406;
inline constexpr int kIdcProfileNote = 5407;

// The test window (kDialogTestWindow).
inline constexpr int kIdcClose = 1027;
inline constexpr int kIdcSaveToFile = 1029;
inline constexpr int kIdcStopTest = 1031;
inline constexpr int kIdcTestStatus = 1034;
inline constexpr int kIdcTestAdapter = 1036;
inline constexpr int kIdcTestProfile = 1038;
inline constexpr int kIdcMessages = 1054;
inline constexpr int kIdcTestWindowGroup = 5408;
inline constexpr int kIdcTestStatusLabel = 5409;
inline constexpr int kIdcTestAdapterLabel = 5410;
inline constexpr int kIdcTestProfileLabel = 5411;
inline constexpr int kIdcMessagesLabel = 5412;

// The waiting dialog (kDialogWaiting).
inline constexpr int kIdcWaitingText = 5413;
inline constexpr int kIdcWaitingNote = 5414;

// The Current Status page (kDialogLinkStatus) and the Advanced Status dialog
// (kDialogAdvancedStatus): labels, then the controls that show the values.
inline constexpr int kIdcSignalStrengthValueLabel = 1009;
inline constexpr int kIdcSignalQualityLabel = 1012;
inline constexpr int kIdcUpTimeLabel = 1015;
inline constexpr int kIdcSsidLabel = 1018;
inline constexpr int kIdcDataEncryptionLabel = 1021;
inline constexpr int kIdcAuthenticationTypeLabel = 1023;
inline constexpr int kIdcApNameLabel = 1026;
inline constexpr int kIdcApIpAddressLabel = 1030;
inline constexpr int kIdcApMacAddressLabel = 1035;
inline constexpr int kIdcPowerSaveModeLabel = 1039;
inline constexpr int kIdcCurrentPowerLevelLabel = 1043;
inline constexpr int kIdcPowerLevelsALabel = 1046;
inline constexpr int kIdcPreambleLabel = 1051;
inline constexpr int kIdcMicLabel = 1056;
inline constexpr int kIdcReceiveRateLabel = 1060;
inline constexpr int kIdcChannelLabel = 1064;
inline constexpr int kIdcFrequencyLabel = 1068;
inline constexpr int kIdcChannelSetLabel = 1072;
inline constexpr int kIdcPowerLevelsBgLabel = 1076;
inline constexpr int kIdcServerAuthenticationLabel = 1080;
inline constexpr int kIdcTransmitRateLabel = 1084;
inline constexpr int kIdcProfileNameLabel = 1178;
inline constexpr int kIdcIpAddressLabel = 1180;
inline constexpr int kIdcNetworkTypeLabel = 1182;
inline constexpr int kIdcWirelessModeLabel = 1184;
inline constexpr int kIdcSignalStrengthLabel = 1186;
inline constexpr int kIdcLinkStatusLabel = 1188;
inline constexpr int kIdcRadioStatusLabel = 1191;
inline constexpr int kIdcQosLabel = 1209;
inline constexpr int kIdcCckmLabel = 1211;
inline constexpr int kIdcMfpLabel = 1212;
inline constexpr int kIdcMimoPowerSaveLabel = 1238;
inline constexpr int kIdcChannelWidthLabel = 1241;
inline constexpr int kIdcExtensionChannelLabel = 1243;
inline constexpr int kIdcAdvancedExtensionChannelLabel = 1245;
inline constexpr int kIdcExtensionFrequencyLabel = 1247;

inline constexpr int kIdcSignalStrength = 1011;
inline constexpr int kIdcSignalQuality = 1013;
inline constexpr int kIdcUpTime = 1016;
inline constexpr int kIdcSsid = 1020;
inline constexpr int kIdcAdvancedDataEncryption = 1022;
inline constexpr int kIdcAuthenticationType = 1025;
inline constexpr int kIdcApName = 1028;
inline constexpr int kIdcApIpAddress = 1032;
inline constexpr int kIdcApMacAddress = 1037;
inline constexpr int kIdcPowerSaveMode = 1041;
inline constexpr int kIdcCurrentPowerLevel = 1044;
inline constexpr int kIdcPowerLevelsA = 1048;
inline constexpr int kIdcPreamble = 1053;
inline constexpr int kIdcMic = 1058;
inline constexpr int kIdcReceiveRate = 1062;
inline constexpr int kIdcChannel = 1066;
inline constexpr int kIdcFrequency = 1070;
inline constexpr int kIdcChannelSet = 1074;
inline constexpr int kIdcPowerLevelsBg = 1078;
inline constexpr int kIdcServerAuthentication = 1082;
inline constexpr int kIdcTransmitRate = 1086;
inline constexpr int kIdcIpAddress = 1162;
inline constexpr int kIdcProfileName = 1179;
inline constexpr int kIdcDataEncryption = 1181;
inline constexpr int kIdcNetworkType = 1183;
inline constexpr int kIdcWirelessMode = 1185;
inline constexpr int kIdcSignalWord = 1187;
inline constexpr int kIdcLinkStatus = 1189;
inline constexpr int kIdcAdvanced = 1190;
inline constexpr int kIdcRadioStatus = 1192;
inline constexpr int kIdcSignalBar = 1206;
inline constexpr int kIdcQos = 1210;
inline constexpr int kIdcCckm = 1213;
inline constexpr int kIdcMfp = 1214;
inline constexpr int kIdcMimoPowerSave = 1215;
inline constexpr int kIdcChannelWidth = 1242;
inline constexpr int kIdcExtensionChannel = 1244;
inline constexpr int kIdcAdvancedExtensionChannel = 1246;
inline constexpr int kIdcExtensionFrequency = 1248;

// The Diagnostics page (kDialogStatistics): group boxes, then each label and its value.
inline constexpr int kIdcTransmitGroup = 1007;
inline constexpr int kIdcReceiveGroup = 1010;
inline constexpr int kIdcAdapterGroup = 1014;
inline constexpr int kIdcCardNameLabel = 1164;
inline constexpr int kIdcCardName = 1165;
inline constexpr int kIdcMacAddress = 1166;
inline constexpr int kIdcMacAddressLabel = 1167;
inline constexpr int kIdcDriverLabel = 1168;
inline constexpr int kIdcDriver = 1169;
inline constexpr int kIdcDriverVersionLabel = 1170;
inline constexpr int kIdcDriverVersion = 1171;
inline constexpr int kIdcDriverDateLabel = 1172;
inline constexpr int kIdcDriverDate = 1173;
inline constexpr int kIdcClientNameLabel = 1174;
inline constexpr int kIdcClientName = 1175;
inline constexpr int kIdcSerialNumberLabel = 1176;
inline constexpr int kIdcSerialNumber = 1177;
inline constexpr int kIdcFramesTransmittedOkLabel = 1088;
inline constexpr int kIdcFramesTransmittedOk = 1090;
inline constexpr int kIdcFramesRetriedLabel = 1092;
inline constexpr int kIdcFramesRetried = 1094;
inline constexpr int kIdcFramesDroppedLabel = 1096;
inline constexpr int kIdcFramesDropped = 1098;
inline constexpr int kIdcNoAckFramesLabel = 1100;
inline constexpr int kIdcNoAckFrames = 1102;
inline constexpr int kIdcCtsFramesLabel = 1104;
inline constexpr int kIdcCtsFrames = 1106;
inline constexpr int kIdcNoCtsFramesLabel = 1108;
inline constexpr int kIdcNoCtsFrames = 1110;
inline constexpr int kIdcRtsFramesLabel = 1112;
inline constexpr int kIdcRtsFrames = 1114;
inline constexpr int kIdcRetriedDataFramesLabel = 1116;
inline constexpr int kIdcRetriedDataFrames = 1118;
inline constexpr int kIdcRetriedRtsFramesLabel = 1120;
inline constexpr int kIdcRetriedRtsFrames = 1121;
inline constexpr int kIdcAckFramesLabel = 1122;
inline constexpr int kIdcAckFrames = 1123;
inline constexpr int kIdcBeaconsReceivedLabel = 1124;
inline constexpr int kIdcBeaconsReceived = 1125;
inline constexpr int kIdcFramesReceivedOkLabel = 1126;
inline constexpr int kIdcFramesReceivedOk = 1127;
inline constexpr int kIdcFramesReceivedWithErrorsLabel = 1128;
inline constexpr int kIdcFramesReceivedWithErrors = 1129;
inline constexpr int kIdcEncryptionErrorsLabel = 1130;
inline constexpr int kIdcEncryptionErrors = 1131;
inline constexpr int kIdcDuplicateFramesLabel = 1132;
inline constexpr int kIdcDuplicateFrames = 1133;
inline constexpr int kIdcReceivedCtsFramesLabel = 1134;
inline constexpr int kIdcReceivedCtsFrames = 1135;
inline constexpr int kIdcAuthenticationTimeoutLabel = 1136;
inline constexpr int kIdcAuthenticationTimeout = 1137;
inline constexpr int kIdcStandardMicErrorsLabel = 1138;
inline constexpr int kIdcStandardMicErrors = 1139;
inline constexpr int kIdcStandardMicOkLabel = 1140;
inline constexpr int kIdcStandardMicOk = 1141;
inline constexpr int kIdcCrcErrorsLabel = 1142;
inline constexpr int kIdcCrcErrors = 1143;
inline constexpr int kIdcApMismatchesLabel = 1144;
inline constexpr int kIdcApMismatches = 1193;
inline constexpr int kIdcDataRateMismatchesLabel = 1194;
inline constexpr int kIdcDataRateMismatches = 1195;
inline constexpr int kIdcAssociationTimeoutLabel = 1196;
inline constexpr int kIdcAssociationTimeout = 1197;
inline constexpr int kIdcCkipMicErrorsLabel = 1189;
inline constexpr int kIdcCkipMicErrors = 1199;
inline constexpr int kIdcCkipMicOkLabel = 1200;
inline constexpr int kIdcCkipMicOk = 1201;
inline constexpr int kIdcAuthenticationRejectsLabel = 1202;
inline constexpr int kIdcAuthenticationRejects = 1203;
inline constexpr int kIdcAssociationRejectsLabel = 1204;
inline constexpr int kIdcAssociationRejects = 1205;

// The Signal History window (kDialogSignalHistory).
inline constexpr int kIdcSignalGraph = 9201;
inline constexpr int kIdcSignalValues = 9202;
inline constexpr int kIdcSaveAsCsv = 9203;
// The Signal History window's status line, below its current values.
inline constexpr int kIdcSignalStatusLine = 9204;

// String ids. Strings addressed by a base and an offset (the diagnostic channel's status codes
// and events, the Signal History window's event marks, the Windows version words) are named by
// their base only.
// Status value texts.
inline constexpr int kIdsUnknown = 16;
inline constexpr int kIdsDriverFile32 = 17;
inline constexpr int kIdsMode5GHz54 = 19;
inline constexpr int kIdsMode24GHz54 = 20;
inline constexpr int kIdsMode24GHz11 = 21;
inline constexpr int kIdsRateMbpsFormat = 23;
inline constexpr int kIdsRateKbpsFormat = 25;
inline constexpr int kIdsSignalNoLink = 26;
inline constexpr int kIdsSignalPoor = 27;
inline constexpr int kIdsSignalFair = 28;
inline constexpr int kIdsSignalGood = 29;
inline constexpr int kIdsSignalExcellent = 30;
inline constexpr int kIdsDriverFile64 = 32;
inline constexpr int kIdsAuthOpen = 34;
inline constexpr int kIdsAuthShared = 35;
inline constexpr int kIdsAuthWpa = 36;
inline constexpr int kIdsMode24GHz108 = 37;
inline constexpr int kIdsAuthenticating = 42;
inline constexpr int kIdsAuthWpaPsk = 44;
inline constexpr int kIdsNone = 51;
inline constexpr int kIdsNotAssociated = 52;
inline constexpr int kIdsAssociated = 53;
inline constexpr int kIdsInfrastructure = 54;
inline constexpr int kIdsAdHoc = 55;
inline constexpr int kIdsAuthWpaNone = 56;
inline constexpr int kIdsCipherWep = 57;
inline constexpr int kIdsAuthWpa2 = 58;
inline constexpr int kIdsAuthWpa2Psk = 59;
inline constexpr int kIdsCipherCkip = 60;
inline constexpr int kIdsCipherTkip = 61;
inline constexpr int kIdsNoneSetting = 62;
inline constexpr int kIdsCipherAes = 63;
inline constexpr int kIdsAuthAuto = 66;
inline constexpr int kIdsMode5GHz108 = 67;

// Troubleshooting page, message boxes and test window.
inline constexpr int kIdsClientModeText = 68;
inline constexpr int kIdsNetworkModeText = 69;
inline constexpr int kIdsDiagnosticModeWarning = 70;
inline constexpr int kIdsNoZlxProfiles = 71;
inline constexpr int kIdsDiagnosticsError = 72;
inline constexpr int kIdsNoSuitableAdapters = 73;
inline constexpr int kIdsTestCouldNotBeRun = 74;
inline constexpr int kIdsCouldNotConnect = 75;
inline constexpr int kIdsNotZlxProfile = 76;
inline constexpr int kIdsSelectUnmarkedProfile = 77;
inline constexpr int kIdsConfirmStopTests = 78;
inline constexpr int kIdsDiagnosticTests = 79;
inline constexpr int kIdsFileOpenDialog = 80;
inline constexpr int kIdsAllTestsComplete = 81;
inline constexpr int kIdsRunning = 82;
inline constexpr int kIdsAboutMenuItem = 100;

// Client-managed tests: names, descriptions, results, advice and details labels.
inline constexpr int kIdsDriverTestName = 103;
inline constexpr int kIdsDriverTestDescription = 104;
inline constexpr int kIdsDriverInstalled = 105;
inline constexpr int kIdsDriverNotInstalled = 106;
inline constexpr int kIdsReinstallDriver = 107;
inline constexpr int kIdsCardInsertDescription = 108;
inline constexpr int kIdsCardInsertName = 109;
inline constexpr int kIdsCardNotInserted = 110;
inline constexpr int kIdsCardInserted = 111;
inline constexpr int kIdsCardEnableName = 112;
inline constexpr int kIdsCardEnableDescription = 113;
inline constexpr int kIdsCardEnabled = 114;
inline constexpr int kIdsCardNotEnabled = 115;
inline constexpr int kIdsEnableCard = 116;
inline constexpr int kIdsInsertCard = 117;
inline constexpr int kIdsRadioHardwareDisabled = 123;
inline constexpr int kIdsRadioSoftwareDisabled = 124;
inline constexpr int kIdsRadioBothDisabled = 125;
// A single space: the radio row hides while the radio is on.
inline constexpr int kIdsRadioOn = 126;
inline constexpr int kIdsPowerLevelsA = 127;
inline constexpr int kIdsPowerLevelsBg = 129;
inline constexpr int kIdsAssociationName = 131;
inline constexpr int kIdsAssociationDescription = 133;
inline constexpr int kIdsAssociationPassed = 134;
inline constexpr int kIdsNotAssociatedResult = 135;
inline constexpr int kIdsConfigureRadio = 136;
inline constexpr int kIdsAuthenticationName = 137;
inline constexpr int kIdsAuthenticationDescription = 138;
inline constexpr int kIdsAuthenticationPassed = 140;
inline constexpr int kIdsNotAuthenticated = 142;
inline constexpr int kIdsConfigureSecurity = 146;
inline constexpr int kIdsNetworkName = 147;
inline constexpr int kIdsNetworkDescription = 148;
inline constexpr int kIdsNetworkPassed = 150;
inline constexpr int kIdsNotConfigured = 152;
inline constexpr int kIdsConfigureNetwork = 153;
inline constexpr int kIdsQosWmm = 159;
inline constexpr int kIdsSignalDbmFormat = 164;
inline constexpr int kIdsPercentFormat = 165;
inline constexpr int kIdsPreambleShortAndLong = 166;
inline constexpr int kIdsPreambleLongOnly = 167;
inline constexpr int kIdsRegistryKeysOk = 168;
inline constexpr int kIdsNicName = 169;
inline constexpr int kIdsDriverName = 170;
inline constexpr int kIdsDriverPath = 171;
inline constexpr int kIdsDriverVersion = 172;
inline constexpr int kIdsNotFound = 173;
inline constexpr int kIdsActiveProfileName = 174;
inline constexpr int kIdsApName = 176;
inline constexpr int kIdsApIpAddress = 177;
inline constexpr int kIdsEncryptionType = 179;
inline constexpr int kIdsWepEnabled = 180;
inline constexpr int kIdsApNameUnavailable = 188;
inline constexpr int kIdsApAddressUnavailable = 189;
inline constexpr int kIdsAuthenticationBypassed = 190;
inline constexpr int kIdsPingCommand = 192;
inline constexpr int kIdsPingTempFile = 193;
inline constexpr int kIdsPhysicalAddress = 195;
inline constexpr int kIdsDhcpEnabled = 196;
inline constexpr int kIdsIpAddress = 197;
inline constexpr int kIdsSubnetMask = 198;
inline constexpr int kIdsDefaultGateway = 199;
inline constexpr int kIdsYes = 200;
inline constexpr int kIdsNo = 201;
inline constexpr int kIdsLinkStatus = 202;
inline constexpr int kIdsConfigurationUnreadable = 203;
inline constexpr int kIdsNetworkAborted = 205;
inline constexpr int kIdsAddressMightBeWrong = 206;
inline constexpr int kIdsAddressEmpty = 207;
inline constexpr int kIdsAddressAllZero = 208;
inline constexpr int kIdsAddressAutoConfigured = 209;
inline constexpr int kIdsRenewAddress = 210;
inline constexpr int kIdsUnexpectedLinkState = 216;
inline constexpr int kIdsGatewayEmpty = 217;
inline constexpr int kIdsConfigureGateway = 218;
inline constexpr int kIdsProgramTitle = 220;
inline constexpr int kIdsHelpNotAvailable = 221;
inline constexpr int kIdsNetworkProfileLabel = 222;
inline constexpr int kIdsAsteriskNote = 223;

// Current Status page labels.
inline constexpr int kIdsProfileNameLabel = 225;
inline constexpr int kIdsExtensionChannelLabel = 226;
inline constexpr int kIdsIpAddressLabel = 227;
inline constexpr int kIdsSignalStrengthLabel = 228;
inline constexpr int kIdsRadioStatusLabel = 229;
inline constexpr int kIdsCurrentChannelLabel = 231;

// Diagnostics page labels.
inline constexpr int kIdsTransmitGroup = 232;
inline constexpr int kIdsFramesTransmittedOkLabel = 233;
inline constexpr int kIdsFramesRetriedLabel = 234;
inline constexpr int kIdsFramesDroppedLabel = 235;
inline constexpr int kIdsNoAckFramesLabel = 236;
inline constexpr int kIdsCtsFramesLabel = 237;
inline constexpr int kIdsNoCtsFramesLabel = 238;
inline constexpr int kIdsRtsFramesLabel = 239;
inline constexpr int kIdsRetriedDataFramesLabel = 240;
inline constexpr int kIdsRetriedRtsFramesLabel = 241;
inline constexpr int kIdsAckFramesLabel = 242;
inline constexpr int kIdsReceiveGroup = 243;
inline constexpr int kIdsBeaconsReceivedLabel = 244;
inline constexpr int kIdsFramesReceivedOkLabel = 245;
inline constexpr int kIdsFramesReceivedWithErrorsLabel = 246;
inline constexpr int kIdsEncryptionErrorsLabel = 247;
inline constexpr int kIdsDuplicateFramesLabel = 248;
inline constexpr int kIdsReceivedCtsFramesLabel = 249;
inline constexpr int kIdsAuthenticationTimeoutLabel = 250;
inline constexpr int kIdsStandardMicErrorsLabel = 251;
inline constexpr int kIdsStandardMicOkLabel = 252;
inline constexpr int kIdsCrcErrorsLabel = 253;
inline constexpr int kIdsApMismatchesLabel = 254;
inline constexpr int kIdsDataRateMismatchesLabel = 255;
inline constexpr int kIdsAssociationTimeoutLabel = 256;
inline constexpr int kIdsCkipMicErrorsLabel = 257;
inline constexpr int kIdsCkipMicOkLabel = 258;
inline constexpr int kIdsAuthenticationRejectsLabel = 259;
inline constexpr int kIdsAssociationRejectsLabel = 260;
inline constexpr int kIdsCardNameLabel = 261;
inline constexpr int kIdsMacAddressLabel = 262;
inline constexpr int kIdsDriverLabel = 263;
inline constexpr int kIdsDriverVersionLabel = 264;
inline constexpr int kIdsDriverDateLabel = 265;
inline constexpr int kIdsClientNameLabel = 266;
inline constexpr int kIdsSerialNumberLabel = 267;

// Test window and waiting dialog.
inline constexpr int kIdsTestWindowGroup = 268;
inline constexpr int kIdsStatusLabel = 269;
inline constexpr int kIdsDiagnosticMessagesLabel = 270;
inline constexpr int kIdsStopTest = 271;
inline constexpr int kIdsSaveToFile = 272;
inline constexpr int kIdsCloseTestWindow = 273;
inline constexpr int kIdsWaitingForTests = 274;
inline constexpr int kIdsWaitingNote = 275;

// Advanced Status labels (even numbers) between the diagnostic channel status texts

// (odd numbers 1045 to 1111: code k is string 1045 + 2k).
inline constexpr int kIdsSsidLabel = 1018;
inline constexpr int kIdsAuthenticationTypeLabel = 1023;
inline constexpr int kIdsMicLabel = 1024;
inline constexpr int kIdsQosLabel = 1025;
inline constexpr int kIdsApNameLabel = 1026;
inline constexpr int kIdsApIpAddressLabel = 1030;
inline constexpr int kIdsApMacAddressLabel = 1035;
inline constexpr int kIdsPowerSaveModeLabel = 1039;
inline constexpr int kIdsCurrentPowerLevelLabel = 1043;
inline constexpr int kIdsPowerLevelsALabel = 1044;
// Diagnostic channel status codes 0 to 33: code k is string 1045 + 2k.
inline constexpr int kIdsDiagStatusFirst = 1045;
inline constexpr int kIdsChannelLabel = 1064;
inline constexpr int kIdsFrequencyLabel = 1066;
inline constexpr int kIdsChannelSetLabel = 1072;
inline constexpr int kIdsExtensionFrequencyLabel = 1074;
inline constexpr int kIdsPowerLevelsBgLabel = 1076;
inline constexpr int kIdsCckmLabel = 1078;
inline constexpr int kIdsServerAuthenticationLabel = 1080;
inline constexpr int kIdsDataEncryptionLabel = 1082;
inline constexpr int kIdsTransmitRateLabel = 1084;

// Diagnostic channel progress events: event 0x80000000 + k is string 1145 + k.
inline constexpr int kIdsDiagEventBase = 1145;

// More Current Status and Advanced Status labels.
inline constexpr int kIdsLinkStatusLabel = 1185;
inline constexpr int kIdsNetworkTypeLabel = 1186;
inline constexpr int kIdsWirelessModeLabel = 1187;
inline constexpr int kIdsMfpLabel = 1212;
inline constexpr int kIdsSignalStrengthValueLabel = 1216;
inline constexpr int kIdsSignalQualityLabel = 1217;
inline constexpr int kIdsUpTimeLabel = 1218;
inline constexpr int kIdsPreambleLabel = 1219;
inline constexpr int kIdsReceiveRateLabel = 1220;
inline constexpr int kIdsMimoPowerSaveLabel = 1238;
inline constexpr int kIdsChannelWidthLabel = 2366;
inline constexpr int kIdsMfpOn = 2373;
inline constexpr int kIdsMfpOff = 2374;

// Authentication methods, power save modes and power levels.
inline constexpr int kIdsEapNone = 4099;
inline constexpr int kIdsEapLeap = 4100;
inline constexpr int kIdsEapPeapGtc = 4101;
inline constexpr int kIdsEapPeapMschapV2 = 4102;
inline constexpr int kIdsEapTls = 4103;
inline constexpr int kIdsEapTtls = 4104;
inline constexpr int kIdsEapMd5 = 4105;
inline constexpr int kIdsEapPsk = 4106;
inline constexpr int kIdsPowerSaveOff = 4107;
inline constexpr int kIdsPowerSaveMaximum = 4108;
inline constexpr int kIdsPowerSaveNormal = 4109;
inline constexpr int kIdsPower100mW = 4112;
inline constexpr int kIdsPower63mW = 4113;
inline constexpr int kIdsPower50mW = 4114;
inline constexpr int kIdsPower40mW = 4115;
inline constexpr int kIdsPower32mW = 4116;
inline constexpr int kIdsPower25mW = 4117;
inline constexpr int kIdsPower20mW = 4118;
inline constexpr int kIdsPower13mW = 4119;
inline constexpr int kIdsPower10mW = 4120;
inline constexpr int kIdsEapSim = 4125;
inline constexpr int kIdsPercent100 = 4177;
inline constexpr int kIdsPercent10 = 4183;
inline constexpr int kIdsEapFast = 4900;
inline constexpr int kIdsFrequencyGhzFormat = 5186;
inline constexpr int kIdsHostBasedEap = 5187;
inline constexpr int kIdsPower9mW = 5280;
inline constexpr int kIdsPower8mW = 5281;
inline constexpr int kIdsPower7mW = 5282;
inline constexpr int kIdsPower6mW = 5283;
inline constexpr int kIdsPower5mW = 5284;
inline constexpr int kIdsPower4mW = 5285;
inline constexpr int kIdsPower3mW = 5286;
inline constexpr int kIdsPower2mW = 5287;
inline constexpr int kIdsPower1mW = 5288;
inline constexpr int kIdsMode24GHz300 = 5299;
inline constexpr int kIdsMode5GHz300 = 5300;
inline constexpr int kIdsMode24GHz130 = 5301;
inline constexpr int kIdsMode5GHz130 = 5302;

// Troubleshooting page controls.
inline constexpr int kIdsTroubleshootingGroup = 5403;
inline constexpr int kIdsTroubleshootingModeGroup = 5404;
inline constexpr int kIdsNetworkManagedTests = 5405;
inline constexpr int kIdsClientManagedTests = 5406;
inline constexpr int kIdsStart = 5407;
inline constexpr int kIdsConnectionGroup = 5408;
inline constexpr int kIdsAdapterLabel = 5409;

// Messages about the files the user saves.
// "%s" the file, "%s" the reason.
inline constexpr int kIdsLogNotSaved = 9001;
// The network test's details line when a static address has no usable subnet mask.
inline constexpr int kIdsMaskNotUsable = 9002;
inline constexpr int kIdsCopyMenuItem = 9010;
// The network test's details line after a ping whose output was cut (platform::kMaxPingOutput).
inline constexpr int kIdsPingOutputCut = 9050;

// The save dialog and the network test's gateway.
inline constexpr int kIdsSaveLogDialogTitle = 9100;
// "%s" the gateway's text.
inline constexpr int kIdsGatewayNotIpv4 = 9101;
inline constexpr int kIdsGatewayDidNotAnswer = 9102;
inline constexpr int kIdsCheckGateway = 9103;
inline constexpr int kIdsPingNotStarted = 9104;
inline constexpr int kIdsNoGatewayToPing = 9105;
inline constexpr int kIdsTextFilesFilter = 9106;
inline constexpr int kIdsAllFilesFilter = 9107;

// The Signal History window.
inline constexpr int kIdsSignalHistoryTitle = 9200;
inline constexpr int kIdsSignalHistoryMenuItem = 9201;
inline constexpr int kIdsSaveAsCsv = 9202;
inline constexpr int kIdsClose = 9203;
inline constexpr int kIdsGraphSignal = 9204;
inline constexpr int kIdsGraphRate = 9205;
inline constexpr int kIdsGraphStrength = 9206;
inline constexpr int kIdsGraphQuality = 9207;
inline constexpr int kIdsGraphReceive = 9208;
inline constexpr int kIdsGraphTransmit = 9209;
inline constexpr int kIdsUnitDbm = 9210;
inline constexpr int kIdsUnitPercent = 9211;
inline constexpr int kIdsUnitMbps = 9212;
inline constexpr int kIdsUnitMinutes = 9213;
// The event marks, in LinkEventKind's order.
inline constexpr int kIdsEventFirst = 9214;
// "%s" each: strength, quality, receive rate, transmit rate.
inline constexpr int kIdsCurrentSignalValues = 9221;
inline constexpr int kIdsSaveHistoryTitle = 9222;
inline constexpr int kIdsCsvFilesFilter = 9223;
inline constexpr int kIdsHistoryNotSaved = 9224;
// The Signal History window's status line: why the graph has gaps.
inline constexpr int kIdsHistoryGaps = 9230;

// The header of the report and of the saved diagnostic log.
inline constexpr int kIdsHeaderStarted = 9300;
inline constexpr int kIdsHeaderComputer = 9301;
inline constexpr int kIdsHeaderVersion = 9302;
inline constexpr int kIdsHeaderWindows = 9303;
inline constexpr int kIdsEmptyValue = 9304;
inline constexpr int kIdsWithServicePack = 9305;
// The Windows version classification as words: code k is string 9310 + k.
inline constexpr int kIdsWindowsVersionFirst = 9310;

// A failed Native Wifi call as its cause ("%s" the Windows result code) and its remedy; a
// value of the report that was refused; the network test's lookup of the adapter's IP
// configuration; the ping cut off at its limit; the adapter in the saved log's header.
inline constexpr int kIdsServiceNotRunning = 9400;
inline constexpr int kIdsServiceNotInstalled = 9401;
inline constexpr int kIdsServiceFailed = 9402;
inline constexpr int kIdsAccessDenied = 9403;
inline constexpr int kIdsStartService = 9404;
inline constexpr int kIdsInstallService = 9405;
inline constexpr int kIdsRunAsAdministrator = 9406;
inline constexpr int kIdsValueRefused = 9407;
inline constexpr int kIdsNoIpConfiguration = 9408;
inline constexpr int kIdsPingCutOff = 9409;
inline constexpr int kIdsHeaderAdapter = 9410;
inline constexpr int kIdsHeaderInterface = 9411;
inline constexpr int kIdsEnterRefused = 9412;
inline constexpr int kIdsIpTablesUnreadable = 9413;
// An adapter taken from the machine: the Troubleshooting page's notice (its name, the one
// selected instead) and the result and advice of each test a run could not finish on it.
inline constexpr int kIdsAdapterRemoved = 9414;
inline constexpr int kIdsAdapterSelectedInstead = 9415;
inline constexpr int kIdsRunAdapterRemoved = 9416;
inline constexpr int kIdsInsertAdapterAgain = 9417;
// The Current Status page's link status for a selected adapter the service no longer knows.
inline constexpr int kIdsAdapterGone = 9418;

}  // namespace zlx::resources
