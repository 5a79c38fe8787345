#include "resources/dialogs.h"

#include <array>

#include "resources/status_templates.h"

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
            ctl(1, ControlKind::PushButton, "OK", 0, {178, 36, 50, 14}, ui::kStyleDefault),
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
            ctl(5403, K::GroupBox, "Troubleshooting", 5403, {7, 7, 236, 118}),
            ctl(5404, K::GroupBox, "Troubleshooting Mode", 5404, {14, 18, 222, 38}),
            ctl(1042, K::RadioButton, "Network Managed Tests", 5405, {22, 29, 140, 10}),
            ctl(1049, K::RadioButton, "Client Managed Tests", 5406, {22, 41, 140, 10}),
            ctl(5400, K::Static, "", 0, {14, 61, 222, 26}, ui::kStyleMultiLine),
            ctl(5402, K::Icon, "", 0, {14, 89, 20, 20}, ui::kStyleHidden, kIconWarning),
            ctl(5401, K::Static, "", 0, {38, 89, 140, 32}, ui::kStyleHidden | ui::kStyleMultiLine),
            ctl(16, K::PushButton, "Start", 5407, {186, 105, 50, 14}, ui::kStyleDefault),
            ctl(5405, K::GroupBox, "Connection", 5408, {7, 131, 236, 74}),
            ctl(1036, K::Static, "Adapter:", 5409, {14, 145, 60, 8}),
            ctl(1004, K::DropDownList, "", 0, {76, 143, 160, 60}),
            ctl(5406, K::Static, "Network Profile:", 222, {14, 163, 60, 8}),
            ctl(1024, K::DropDownList, "", 0, {76, 161, 160, 60}, ui::kStyleSorted),
            ctl(5407, K::Static, "*Profiles marked with an asterisk cannot be used for diagnostics",
                223, {14, 182, 222, 18}, ui::kStyleMultiLine),
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
            ctl(5413, K::Static, "", 274, {44, 20, 190, 16}, ui::kStyleMultiLine),
            ctl(5414, K::Static, "", 275, {44, 42, 190, 58}, ui::kStyleMultiLine),
            ctl(2, K::PushButton, "Cancel", 0, {100, 115, 50, 14}, ui::kStyleDefault),
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
            ctl(5408, K::GroupBox, "Test Window", 268, {7, 7, 336, 58}, kWide),
            ctl(5409, K::Static, "Status:", 269, {14, 20, 56, 8}),
            ctl(1034, K::Edit, "", 0, {72, 18, 150, 12}, ui::kStyleReadOnly),
            ctl(1031, K::PushButton, "Stop Test", 271, {286, 17, 50, 14}, kRight),
            ctl(5410, K::Static, "Adapter:", 5409, {14, 36, 56, 8}),
            ctl(1036, K::Static, "", 0, {72, 36, 264, 8}, ui::kStyleEllipsis | kWide),
            ctl(5411, K::Static, "Network Profile:", 222, {14, 50, 56, 8}),
            ctl(1038, K::Static, "", 0, {72, 50, 264, 8}, ui::kStyleEllipsis | kWide),
            ctl(5412, K::Static, "Diagnostic Messages:", 270, {7, 71, 120, 8}),
            ctl(1054, K::RichText, "", 0, {7, 82, 336, 132},
                ui::kStyleReadOnly | ui::kStyleMultiLine | kWide | ui::kStyleGrowDown),
            ctl(1029, K::PushButton, "Save To File", 272, {7, 221, 60, 14}, kBottom),
            ctl(1027, K::PushButton, "Close", 273, {293, 221, 50, 14}, kBottom | kRight),
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
            ctl(kIdSignalGraph, K::Graph, "", 0, {7, 7, 386, 186}, kWide | ui::kStyleGrowDown),
            ctl(kIdSignalValues, K::Static, "", 0, {7, 196, 386, 8}, kWide | kBottom),
            ctl(kIdSignalStatusLine, K::Static, "", 0, {7, 206, 386, 8},
                kWide | kBottom | ui::kStyleEllipsis),
            ctl(kIdSaveAsCsv, K::PushButton, "Save as CSV...", 9202, {7, 219, 70, 14}, kBottom),
            ctl(1, K::PushButton, "Close", 9203, {343, 219, 50, 14},
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
