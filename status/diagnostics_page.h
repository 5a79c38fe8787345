#pragma once

#include <array>
#include <string>

#include "status/refreshing_page.h"
#include "status/status_snapshot.h"

namespace zlx::status {

// The Diagnostics page: the adapter's identity, the computer's name and the frame and error
// counters.
class DiagnosticsPage : public RefreshingPage {
  public:
    // Runs the Diagnostics page's adapter selection and its own help check.
    explicit DiagnosticsPage(adapterinfo::AdapterStateContext state);

    const adapterinfo::StatisticsDisplayBlock& counters() const { return counters_; }
    // What the last refresh read.
    const DiagnosticsSnapshot& snapshot() const { return snapshot_; }
    void saveControls() override;

  protected:
    void refresh() override;

  private:
    void loadControls();

    adapterinfo::StatisticsDisplayBlock counters_{};
    // The texts of the last refresh; the counters shown are `counters_`, read back after it.
    DiagnosticsSnapshot snapshot_;
};

// Whether the vendor's folder "Help" exists under Program Files.
bool vendorHelpFolderExists(platform::Platform& platform);

}  // namespace zlx::status
