#include "status/diagnostics_page.h"

#include <charconv>

#include "platform/text.h"
#include "resources/dialogs.h"
#include "status/status_text.h"

namespace zlx::status {

namespace {

// The counter shown by each control; slots that are never filled have none.
struct CounterControl {
    std::size_t slot;
    int control;
};
constexpr CounterControl kCounterControls[] = {
    {0, 1090},  {0, 1123},  {6, 1094},  {6, 1118},  {7, 1098},  {8, 1114},  {10, 1102},
    {11, 1121}, {12, 1143}, {13, 1127}, {18, 1125}, {19, 1131}, {20, 1133}, {21, 1106},
    {22, 1110}, {23, 1203}, {24, 1205}, {25, 1129}, {26, 1193}, {27, 1195}, {28, 1197},
    {29, 1199}, {30, 1201}, {31, 1137}, {32, 1139}, {33, 1141},
};

}  // namespace

DiagnosticsPage::DiagnosticsPage(adapterinfo::AdapterStateContext state)
    : RefreshingPage(state, resources::kDialogStatistics) {
    adapterinfo::selectForDiagnosticsPage(state_);
    if (!vendorHelpFolderExists(ctx_.platform)) setHasHelp(false);
}

void DiagnosticsPage::refresh() {
    snapshot_ = takeDiagnosticsSnapshot(state_);
    counters_ = snapshot_.counters;
    loadControls();
}

void DiagnosticsPage::loadControls() {
    const DiagnosticsSnapshot& s = snapshot_;
    // Counters the statistics did not answer on this refresh are "none", as the command line
    // prints them, never an older reading or a zero.
    for (const CounterControl& c : kCounterControls)
        setItemText(c.control,
                    s.counterAnswered(c.slot) ? std::to_string(counters_[c.slot]) : noneText());
    setItemText(1165, s.cardName);
    setItemText(1166, s.macAddress);
    setItemText(1169, s.driver);
    setItemText(1171, s.driverVersion);
    setItemText(1173, s.driverDate);
    setItemText(1175, platform::displaySafeName(s.clientName));
    setItemText(1177, s.serialNumber);
}

void DiagnosticsPage::saveControls() {
    for (const CounterControl& c : kCounterControls) {
        const std::string text = itemText(c.control);
        std::uint64_t value = 0;
        auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error == std::errc() && end == text.data() + text.size()) counters_[c.slot] = value;
    }
}

bool vendorHelpFolderExists(platform::Platform& platform) {
    std::string programFiles;
    if (platform.folders.knownFolderPath(platform::KnownFolder::ProgramFiles, programFiles) != 0)
        return false;
    platform::FindData found;
    return platform.files.findFile(programFiles + "\\Norvane\\" + "Help", found) ==
           platform::kErrorSuccess;
}

}  // namespace zlx::status
