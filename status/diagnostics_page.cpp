#include "status/diagnostics_page.h"

#include <charconv>

#include "resources/dialogs.h"
#include "resources/status_rows.h"
#include "status/status_rows.h"
#include "status/status_text.h"

namespace zlx::status {

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
    forEachCounter([&](const resources::StatusRow&, const CounterValue& c) {
        setItemText(c.valueControl,
                    s.counterAnswered(c.slot) ? std::to_string(counters_[c.slot]) : noneText());
    });
    for (const resources::StatusRow& row : resources::kAdapterRows)
        setItemText(row.valueControl, diagnosticsText(s, row.valueControl));
}

void DiagnosticsPage::saveControls() {
    forEachCounter([&](const resources::StatusRow&, const CounterValue& c) {
        const std::string text = itemText(c.valueControl);
        std::uint64_t value = 0;
        auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error == std::errc() && end == text.data() + text.size()) counters_[c.slot] = value;
    });
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
