#include "resources/status_templates.h"

#include "resources/dialogs.h"

namespace zlx::resources {

namespace {

using ui::ControlKind;
using ui::ControlTemplate;

// One label and its value on a line. The label reloads from string `labelString`; the value
// starts empty unless the template gives it a text.
struct Row {
    int labelId;
    int labelString;
    const char* label;
    int valueId;
    bool hidden = false;
    const char* valueText = "";
};

// Where the rows of a column go, in dialog units.
struct Column {
    int labelX, labelWidth, valueX, valueWidth, top, step;
};

void addRows(std::vector<ControlTemplate>& controls, const Column& c,
             std::initializer_list<Row> rows, std::uint32_t valueStyle = ui::kStyleEllipsis) {
    int line = 0;
    for (const Row& r : rows) {
        const int y = c.top + c.step * line;
        const std::uint32_t style = r.hidden ? ui::kStyleHidden : ui::kStyleNone;
        controls.push_back({r.labelId,
                            ControlKind::Static,
                            r.label,
                            r.labelString,
                            {c.labelX, y, c.labelWidth, 8},
                            style,
                            0});
        controls.push_back({r.valueId,
                            ControlKind::Static,
                            r.valueText,
                            0,
                            {c.valueX, y, c.valueWidth, 8},
                            style | valueStyle,
                            0});
        // Hidden rows share the line of the row before them.
        if (!r.hidden) ++line;
    }
}

}  // namespace

ui::DialogTemplate linkStatusPageTemplate() {
    ui::DialogTemplate t{kDialogLinkStatus, "Current Status", 250, 212, {}};
    const Column column{14, 110, 126, 117, 14, 14};
    addRows(t.controls, column,
            {
                {1178, 225, "Profile Name:", 1179},
                {1188, 1185, "Link Status:", 1189},
                {1182, 1186, "Network Type:", 1183},
                {1184, 1187, "Wireless Mode:", 1185},
                {1064, 231, "Current Channel:", 1066},
                {1243, 226, "Extension Channel:", 1244, true},
                {1021, 1082, "Data Encryption:", 1181},
                {1080, 1080, "Server Based Authentication:", 1082},
                {1180, 227, "IP Address:", 1162},
            });
    t.controls.push_back(
        {1186, ControlKind::Static, "Signal Strength:", 228, {14, 142, 110, 8}, ui::kStyleNone, 0});
    t.controls.push_back(
        {1206, ControlKind::Progress, "", 0, {126, 141, 70, 10}, ui::kStyleNone, 0});
    t.controls.push_back(
        {1187, ControlKind::Static, "Fair", 0, {200, 142, 43, 8}, ui::kStyleNone, 0});
    t.controls.push_back(
        {1191, ControlKind::Static, "Radio Status:", 229, {14, 160, 110, 8}, ui::kStyleNone, 0});
    t.controls.push_back({1192, ControlKind::Static, "", 0, {126, 160, 117, 8}, ui::kStyleNone, 0});
    t.controls.push_back(
        {1190, ControlKind::PushButton, "Ad&vanced", 0, {186, 188, 57, 14}, ui::kStyleNone, 0});
    return t;
}

ui::DialogTemplate advancedStatusTemplate() {
    ui::DialogTemplate t{kDialogAdvancedStatus, "Advanced Status", 360, 236, {}};
    const Column column{7, 125, 135, 218, 7, 10};
    addRows(t.controls, column,
            {
                {1018, 1018, "Network Name (SSID):", 1020},
                {1080, 1080, "Server Based Authentication:", 1082},
                {1021, 1082, "Data Encryption:", 1022},
                {1023, 1023, "Authentication Type:", 1025},
                {1056, 1024, "Message Integrity Check:", 1058},
                {1209, 1025, "QoS:", 1210},
                {1211, 1078, "CCKM Authentication:", 1213, true},
                {1212, 1212, "Management Frame Protection:", 1214, true},
                {1026, 1026, "Associated AP Name:", 1028, true},
                {1030, 1030, "Associated AP IP Address:", 1032, true},
                {1035, 1035, "Associated AP MAC Address:", 1037},
                {1238, 1238, "11n MIMO Power Save:", 1215, true, "OFF"},
                {1039, 1039, "Power Save Mode:", 1041},
                {1043, 1043, "Current Power Level:", 1044},
                {1046, 1044, "Available Power Levels (802.11a):", 1048},
                {1076, 1076, "Available Power Levels (802.11b/g):", 1078},
                {1009, 1216, "Current Signal Strength:", 1011},
                {1012, 1217, "Current Signal Quality:", 1013},
                {1015, 1218, "Up Time:", 1016},
                {1051, 1219, "802.11b Preamble:", 1053},
                {1060, 1220, "Current Receive Rate:", 1062},
                {1084, 1084, "Current Transmit Rate:", 1086},
                {1064, 1064, "Channel:", 1066},
                {1245, 0, "Extension Channel:", 1246, true},
                {1068, 1066, "Frequency:", 1070},
                {1247, 1074, "Extension Frequency:", 1248, true},
                {1072, 1072, "Channel Set:", 1074},
                {1241, 2366, "Channel Width:", 1242, true, "20-40"},
            });
    t.controls.push_back(
        {1, ControlKind::PushButton, "OK", 0, {303, 215, 50, 14}, ui::kStyleDefault, 0});
    return t;
}

ui::DialogTemplate diagnosticsPageTemplate() {
    ui::DialogTemplate t{kDialogStatistics, "Diagnostics", 360, 232, {}};
    t.controls.push_back(
        {1014, ControlKind::GroupBox, "Adapter", 0, {7, 4, 346, 72}, ui::kStyleNone, 0});
    addRows(t.controls, {14, 70, 88, 258, 15, 9},
            {
                {1164, 261, "Card Name:", 1165},
                {1167, 262, "MAC Address:", 1166},
                {1168, 263, "Driver:", 1169},
                {1170, 264, "Driver Version:", 1171},
                {1172, 265, "Driver Date:", 1173},
                {1174, 266, "Client Name:", 1175},
                {1176, 267, "Serial Number:", 1177, true},
            });
    // The labels as wide as the longest of each group needs and the counters the rest, the
    // same for both groups: a counter of 20 digits is drawn whole, in a smaller size where
    // the column is too narrow for it.
    t.controls.push_back(
        {1007, ControlKind::GroupBox, "Transmit", 232, {7, 80, 163, 104}, ui::kStyleNone, 0});
    addRows(t.controls, {12, 84, 98, 68, 91, 9},
            {
                {1088, 233, "Frames Transmitted OK:", 1090},
                {1092, 234, "Frames Retried:", 1094},
                {1096, 235, "Frames Dropped:", 1098},
                {1100, 236, "No ACK Frames:", 1102},
                {1104, 237, "CTS Frames:", 1106},
                {1108, 238, "No CTS Frames:", 1110},
                {1112, 239, "RTS Frames:", 1114},
                {1116, 240, "Retried Data Frames:", 1118},
                {1120, 241, "Retried RTS Frames:", 1121},
                {1122, 242, "ACK Frames:", 1123},
            },
            ui::kStyleFitWidth);
    t.controls.push_back(
        {1010, ControlKind::GroupBox, "Receive", 243, {174, 80, 179, 122}, ui::kStyleNone, 0});
    addRows(t.controls, {179, 100, 281, 68, 91, 9},
            {
                {1124, 244, "Beacons Received:", 1125},
                {1126, 245, "Frames Received OK:", 1127},
                {1128, 246, "Frames Received with Errors:", 1129},
                {1130, 247, "Encryption Errors:", 1131},
                {1132, 248, "Duplicate Frames:", 1133},
                {1134, 249, "CTS Frames:", 1135, true},
                {1136, 250, "Authentication Time-Out:", 1137},
                {1138, 251, "Standard MIC Errors:", 1139},
                {1140, 252, "Standard MIC OK:", 1141},
                {1142, 253, "CRC Errors:", 1143},
                {1144, 254, "AP Mismatches:", 1193, true},
                {1194, 255, "Data Rate Mismatches:", 1195, true},
                {1196, 256, "Association Time-Out:", 1197},
                {1189, 257, "CKIP MIC Errors:", 1199, true},
                {1200, 258, "CKIP MIC OK:", 1201, true},
                {1202, 259, "Authentication Rejects:", 1203},
                {1204, 260, "Association Rejects:", 1205},
            },
            ui::kStyleFitWidth);
    return t;
}

}  // namespace zlx::resources
