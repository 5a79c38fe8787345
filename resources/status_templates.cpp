#include "resources/status_templates.h"

#include "resources/dialogs.h"
#include "resources/status_rows.h"
#include "resources/string_table.h"
#include "ui/messages.h"

namespace zlx::resources {

namespace {

using ui::ControlKind;

// A control whose text is string `stringId`, reloaded when the dialog opens.
ui::ControlTemplate fromString(int id, ControlKind kind, int stringId, ui::DialogRect rect,
                               std::uint32_t style = ui::kStyleNone) {
    return {id, kind, stringOr(stringId, ""), stringId, rect, style, 0};
}

// Each row on a line of its own: the label shows its string and reloads it unless
// it keeps its template text; the value starts with its template text.
template <std::size_t N>
void addRows(std::vector<ui::ControlTemplate>& controls, const StatusColumn& c,
             const std::array<StatusRow, N>& rows) {
    int line = 0;
    for (const StatusRow& r : rows) {
        const int y = c.top + c.step * line;
        const std::uint32_t style = r.hidden() ? ui::kStyleHidden : ui::kStyleNone;
        ui::ControlTemplate label = fromString(r.labelControl, ControlKind::Static, r.labelString,
                                               {c.labelX, y, c.labelWidth, 8}, style);
        if ((r.flags & kRowTemplateLabel) != 0) label.textId = 0;
        controls.push_back(std::move(label));
        controls.push_back({r.valueControl,
                            ControlKind::Static,
                            r.valueText,
                            0,
                            {c.valueX, y, c.valueWidth, 8},
                            style | c.valueStyle,
                            0});
        // Hidden rows share the line of the row before them.
        if (!r.hidden()) ++line;
    }
}

}  // namespace

ui::DialogTemplate linkStatusPageTemplate() {
    ui::DialogTemplate t{kDialogLinkStatus, "Current Status", 250, 212, {}};
    addRows(t.controls, kLinkStatusColumn, kLinkStatusRows);
    t.controls.push_back(fromString(kIdcSignalStrengthLabel, ControlKind::Static,
                                    kIdsSignalStrengthLabel, {14, 142, 110, 8}));
    t.controls.push_back({kIdcSignalBar, ControlKind::Progress, "", 0, {126, 141, 70, 10}});
    t.controls.push_back({kIdcSignalWord, ControlKind::Static, "Fair", 0, {200, 142, 43, 8}});
    t.controls.push_back(fromString(kIdcRadioStatusLabel, ControlKind::Static, kIdsRadioStatusLabel,
                                    {14, 160, 110, 8}));
    t.controls.push_back({kIdcRadioStatus, ControlKind::Static, "", 0, {126, 160, 117, 8}});
    t.controls.push_back(
        {kIdcAdvanced, ControlKind::PushButton, "Ad&vanced", 0, {186, 188, 57, 14}});
    return t;
}

ui::DialogTemplate advancedStatusTemplate() {
    ui::DialogTemplate t{kDialogAdvancedStatus, "Advanced Status", 360, 236, {}};
    addRows(t.controls, kAdvancedStatusColumn, kAdvancedStatusRows);
    t.controls.push_back(
        {ui::kIdOk, ControlKind::PushButton, "OK", 0, {303, 215, 50, 14}, ui::kStyleDefault});
    return t;
}

ui::DialogTemplate diagnosticsPageTemplate() {
    ui::DialogTemplate t{kDialogStatistics, "Diagnostics", 360, 232, {}};
    t.controls.push_back({kIdcAdapterGroup, ControlKind::GroupBox, "Adapter", 0, {7, 4, 346, 72}});
    addRows(t.controls, kAdapterColumn, kAdapterRows);
    t.controls.push_back(
        fromString(kIdcTransmitGroup, ControlKind::GroupBox, kIdsTransmitGroup, {7, 80, 163, 104}));
    addRows(t.controls, kTransmitColumn, kTransmitRows);
    t.controls.push_back(
        fromString(kIdcReceiveGroup, ControlKind::GroupBox, kIdsReceiveGroup, {174, 80, 179, 122}));
    addRows(t.controls, kReceiveColumn, kReceiveRows);
    return t;
}

}  // namespace zlx::resources
