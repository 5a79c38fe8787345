#include "resources/dialogs.h"

#include <array>

#include "resources/resource_ids.h"
#include "resources/status_templates.h"
#include "ui/messages.h"

namespace zlx::resources {

namespace {

using ui::ControlKind;
using ui::ControlTemplate;
using ui::DialogRect;
using ui::DialogTemplate;

ControlTemplate ctl(int id, ControlKind kind, std::string text, int textId, DialogRect rect,
                    std::uint32_t style = ui::kStyleNone, int iconId = 0) {
    return ControlTemplate{id, kind, std::move(text), textId, rect, style, iconId};
}

DialogTemplate aboutBox() {
    return DialogTemplate{
        kDialogAbout,
        "About QORDEX",
        235,
        55,
        {
            ctl(-1, ControlKind::Icon, "", 0, {11, 17, 20, 20}, ui::kStyleNone, kIconProgram),
            ctl(-2, ControlKind::Static, "QORDEX Version 1.0", 0, {40, 10, 119, 8}),
            ctl(-3, ControlKind::Static, "Wi-Fi client diagnostics for Norvane adapters", 0,
                {40, 25, 180, 8}),
            ctl(ui::kIdOk, ControlKind::PushButton, "OK", 0, {178, 36, 50, 14}, ui::kStyleDefault),
        },
    };
}

DialogTemplate troubleshootingPage() {
    using K = ControlKind;
    return DialogTemplate{
        kDialogTroubleshooting,
        "Troubleshooting",
        250,
        212,
        {
            ctl(kIdcTroubleshootingGroup, K::GroupBox, "Troubleshooting", kIdsTroubleshootingGroup,
                {7, 7, 236, 118}),
            ctl(kIdcModeGroup, K::GroupBox, "Troubleshooting Mode", kIdsTroubleshootingModeGroup,
                {14, 18, 222, 38}),
            ctl(kIdcNetworkMode, K::RadioButton, "Network Managed Tests", kIdsNetworkManagedTests,
                {22, 29, 140, 10}),
            ctl(kIdcClientMode, K::RadioButton, "Client Managed Tests", kIdsClientManagedTests,
                {22, 41, 140, 10}),
            ctl(kIdcModeText, K::Static, "", 0, {14, 61, 222, 26}, ui::kStyleMultiLine),
            ctl(kIdcWarningIcon, K::Icon, "", 0, {14, 89, 20, 20}, ui::kStyleHidden, kIconWarning),
            ctl(kIdcWarningText, K::Static, "", 0, {38, 89, 140, 32},
                ui::kStyleHidden | ui::kStyleMultiLine),
            ctl(kIdcStart, K::PushButton, "Start", kIdsStart, {186, 105, 50, 14},
                ui::kStyleDefault),
            ctl(kIdcConnectionGroup, K::GroupBox, "Connection", kIdsConnectionGroup,
                {7, 131, 236, 74}),
            ctl(kIdcAdapterLabel, K::Static, "Adapter:", kIdsAdapterLabel, {14, 145, 60, 8}),
            ctl(kIdcAdapterList, K::DropDownList, "", 0, {76, 143, 160, 60}),
            ctl(kIdcProfileLabel, K::Static, "Network Profile:", kIdsNetworkProfileLabel,
                {14, 163, 60, 8}),
            ctl(kIdcProfileList, K::DropDownList, "", 0, {76, 161, 160, 60}, ui::kStyleSorted),
            ctl(kIdcProfileNote, K::Static,
                "*Profiles marked with an asterisk cannot be used for diagnostics",
                kIdsAsteriskNote, {14, 182, 222, 18}, ui::kStyleMultiLine),
        },
    };
}

DialogTemplate waitingDialog() {
    using K = ControlKind;
    return DialogTemplate{
        kDialogWaiting,
        "ZLX Client Diagnostics",
        250,
        137,
        {
            ctl(-1, K::GroupBox, "", 0, {7, 7, 236, 100}),
            ctl(-2, K::Icon, "", 0, {16, 20, 20, 20}, ui::kStyleNone, kIconWaiting),
            ctl(kIdcWaitingText, K::Static, "", kIdsWaitingForTests, {44, 20, 190, 16},
                ui::kStyleMultiLine),
            ctl(kIdcWaitingNote, K::Static, "", kIdsWaitingNote, {44, 42, 190, 58},
                ui::kStyleMultiLine),
            ctl(ui::kIdCancel, K::PushButton, "Cancel", 0, {100, 115, 50, 14}, ui::kStyleDefault),
        },
    };
}

DialogTemplate testWindow() {
    using K = ControlKind;
    // Resizable: the frame and the log take the width, the log the height, and the buttons
    // below it stay at the bottom, Close at the right.
    constexpr std::uint32_t kWide = ui::kStyleGrowRight;
    constexpr std::uint32_t kBottom = ui::kStyleFollowBottom;
    constexpr std::uint32_t kRight = ui::kStyleFollowRight;
    DialogTemplate t{
        kDialogTestWindow,
        "ZLX Client Diagnostics",
        350,
        242,
        {
            ctl(kIdcTestWindowGroup, K::GroupBox, "Test Window", kIdsTestWindowGroup,
                {7, 7, 336, 58}, kWide),
            ctl(kIdcTestStatusLabel, K::Static, "Status:", kIdsStatusLabel, {14, 20, 56, 8}),
            ctl(kIdcTestStatus, K::Edit, "", 0, {72, 18, 150, 12}, ui::kStyleReadOnly),
            ctl(kIdcStopTest, K::PushButton, "Stop Test", kIdsStopTest, {286, 17, 50, 14}, kRight),
            ctl(kIdcTestAdapterLabel, K::Static, "Adapter:", kIdsAdapterLabel, {14, 36, 56, 8}),
            ctl(kIdcTestAdapter, K::Static, "", 0, {72, 36, 264, 8}, ui::kStyleEllipsis | kWide),
            ctl(kIdcTestProfileLabel, K::Static, "Network Profile:", kIdsNetworkProfileLabel,
                {14, 50, 56, 8}),
            ctl(kIdcTestProfile, K::Static, "", 0, {72, 50, 264, 8}, ui::kStyleEllipsis | kWide),
            ctl(kIdcMessagesLabel, K::Static, "Diagnostic Messages:", kIdsDiagnosticMessagesLabel,
                {7, 71, 120, 8}),
            ctl(kIdcMessages, K::RichText, "", 0, {7, 82, 336, 132},
                ui::kStyleReadOnly | ui::kStyleMultiLine | kWide | ui::kStyleGrowDown),
            ctl(kIdcSaveToFile, K::PushButton, "Save To File", kIdsSaveToFile, {7, 221, 60, 14},
                kBottom),
            ctl(kIdcClose, K::PushButton, "Close", kIdsCloseTestWindow, {293, 221, 50, 14},
                kBottom | kRight),
        },
    };
    t.resizable = true;
    return t;
}

DialogTemplate signalHistoryWindow() {
    using K = ControlKind;
    // Resizable: the graph takes the width and the height, the values line and the buttons
    // below it stay at the bottom, Close at the right.
    constexpr std::uint32_t kWide = ui::kStyleGrowRight;
    constexpr std::uint32_t kBottom = ui::kStyleFollowBottom;
    DialogTemplate t{
        kDialogSignalHistory,
        "Signal History",
        400,
        240,
        {
            ctl(kIdcSignalGraph, K::Graph, "", 0, {7, 7, 386, 186}, kWide | ui::kStyleGrowDown),
            ctl(kIdcSignalValues, K::Static, "", 0, {7, 196, 386, 8}, kWide | kBottom),
            ctl(kIdcSignalStatusLine, K::Static, "", 0, {7, 206, 386, 8},
                kWide | kBottom | ui::kStyleEllipsis),
            ctl(kIdcSaveAsCsv, K::PushButton, "Save as CSV...", kIdsSaveAsCsv, {7, 219, 70, 14},
                kBottom),
            ctl(ui::kIdOk, K::PushButton, "Close", kIdsClose, {343, 219, 50, 14},
                ui::kStyleDefault | kBottom | ui::kStyleFollowRight),
        },
    };
    t.resizable = true;
    return t;
}

struct Templates {
    std::array<DialogTemplate, 8> all{aboutBox(),
                                      troubleshootingPage(),
                                      diagnosticsPageTemplate(),
                                      linkStatusPageTemplate(),
                                      advancedStatusTemplate(),
                                      waitingDialog(),
                                      testWindow(),
                                      signalHistoryWindow()};
    DialogTemplate none;
};

const Templates& templates() {
    static const Templates instance;  // immutable after construction
    return instance;
}

}  // namespace

const ui::DialogTemplate& dialogTemplate(int id) {
    for (const auto& t : templates().all)
        if (t.id == id) return t;
    return templates().none;
}

}  // namespace zlx::resources
