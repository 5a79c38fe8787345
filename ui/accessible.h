#pragma once
// What a screen reader says of a control, from the window model alone, so every front end
// says the same: the control's name and its value as text.

#include <string>

#include "ui/dialog.h"
#include "ui/graph.h"

namespace zlx::ui {

struct AccessibleText {
    std::string name;
    std::string value;
};

// A value's name is the label it stands beside ("Link Status" for "Associated"); a label, a
// button or a group box is named by its own text, without its access mark or colon; an edit, a
// list, a bar or a log by the label before it. The value is what the control shows: a value's
// text, an edit's text, a list's choice, a bar's word and percentage ("Good, 75 %"), a graph's
// last readings (graphValueText).
AccessibleText accessibleText(const Dialog& window, const Control& control);

// The newest reading of each plot with its unit, panel by panel, then the events marked:
// "Strength -51 dBm, Quality 83 %; Receive 130 Mbps, Transmit 144 Mbps; marks: Disconnect,
// Reconnect". A plot with no reading says "none".
std::string graphValueText(const Graph& graph);

}  // namespace zlx::ui
