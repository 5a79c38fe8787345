#pragma once
// Dialog templates and icon numbers of the program.

#include "ui/dialog_template.h"

namespace zlx::resources {

inline constexpr int kIconProgram = 128;
inline constexpr int kIconWaiting = 145;
inline constexpr int kIconWarning = 161;

inline constexpr int kDialogAbout = 99;
inline constexpr int kDialogTroubleshooting = 101;
inline constexpr int kDialogStatistics = 141;
inline constexpr int kDialogLinkStatus = 151;
inline constexpr int kDialogAdvancedStatus = 139;
inline constexpr int kDialogWaiting = 130;
inline constexpr int kDialogTestWindow = 132;
// Ours, not one of the original program's: the Signal History window and its controls.
inline constexpr int kDialogSignalHistory = 9200;
inline constexpr int kIdSignalGraph = 9201;
inline constexpr int kIdSignalValues = 9202;
inline constexpr int kIdSaveAsCsv = 9203;

// The Signal History window's status line, below its current values.
inline constexpr int kIdSignalStatusLine = 9204;

// The template with number `id`; an empty template (id 0) for an unknown number.
const ui::DialogTemplate& dialogTemplate(int id);

}  // namespace zlx::resources
