#pragma once
// The graph control of the Signal History window: a window class that draws the ui::Graph its
// owner keeps for it (panels with their value axes, the plots broken at gaps, the marks).

#include <windows.h>

#include "ui/graph.h"

namespace zlx::win32 {

// Registers the class dialog_template.h names; harmless when done already.
void registerGraphClass(HINSTANCE instance);

// Points the control at the graph to draw (owned by the caller, which outlives the drawing) and
// has it drawn again.
void showGraph(HWND control, const ui::Graph* graph);

}  // namespace zlx::win32
