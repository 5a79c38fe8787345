#include "status/status_sheet.h"

#include "resources/dialogs.h"
#include "resources/string_table.h"
#include "status/copy_text.h"

namespace zlx::status {

StatusSheet::StatusSheet(adapterinfo::AdapterStateContext state,
                         ui::PropertyPage& troubleshootingPage, bool helpAvailable,
                         std::function<void()> help)
    : ui::PropertySheet(state.app.desktop,
                        resources::stringOr(resources::kIdsProgramTitle, "ZLX Client Diagnostics")),
      ctx_(state.app),
      help_(std::move(help)),
      linkStatus_(state),
      troubleshooting_(troubleshootingPage),
      diagnostics_(state),
      historyWindow_(state.app, history_) {
    linkStatus_.setShowSignalHistory(
        [this](ui::WindowHandle owner) { historyWindow_.doModal(owner); });
    addPage(linkStatus_);
    addPage(troubleshooting_);
    addPage(diagnostics_);
    setStartPage(0);
    if (!helpAvailable) {
        // The Diagnostics page decides about its own button.
        setHasHelp(false);
        linkStatus_.setHasHelp(false);
        troubleshooting_.setHasHelp(false);
    }
}

bool StatusSheet::onInitDialog() {
    ctx_.mainWindow = handle();
    setIcon(resources::kIconProgram);
    // Enabled while a status page shows (the pages say so as they come and go).
    addCopyMenuItem(*this);
    enableSystemMenuItem(kCopyCommand, false);
    ui::PropertySheet::onInitDialog();
    setTitle(resources::stringOr(resources::kIdsProgramTitle, "ZLX Client Diagnostics"));
    desktop().setTimer(handle(), kRefreshTimer, kRefreshPeriod);
    return true;
}

void StatusSheet::onTimer(unsigned id) {
    if (id != kRefreshTimer) return;
    ui::PropertyPage* page = activePage();
    if (!page) return;
    desktop().send(page->handle(), kWmRefreshPage);
    if (auto* refreshing = dynamic_cast<RefreshingPage*>(page)) refreshing->saveControls();
    // The history keeps what this tick read, and nothing more: the page on show refreshed.
    const platform::Clock& clock = desktop().clock();
    history_.add(sampleOf(clock.wallTime(), clock.now(),
                          page == &linkStatus_ ? &linkStatus_.snapshot() : nullptr,
                          page == &diagnostics_ ? &diagnostics_.snapshot() : nullptr));
    historyWindow_.update();
}

void StatusSheet::onSysCommand(int id) {
    if (!isCopyCommand(id)) return;
    if (auto* page = dynamic_cast<RefreshingPage*>(activePage()))
        desktop().services().setClipboardText(labelValueLines(*page));
}

void StatusSheet::onHelp() {
    if (help_) help_();
}

}  // namespace zlx::status
