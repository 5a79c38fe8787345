#pragma once

#include "adapterinfo/adapter_state.h"
#include "context/app_context.h"
#include "ui/property_sheet.h"
#include "wlan/driver_channel.h"

namespace zlx::status {

// A status page that refreshes itself on the sheet's timer from the run's link records.
class RefreshingPage : public ui::PropertyPage {
  public:
    RefreshingPage(adapterinfo::AdapterStateContext state, int templateId);

    int refreshCount() const { return refreshes_; }
    // The data exchange in the saving direction after each refresh: the page reads its
    // controls back into its members.
    virtual void saveControls() {}

  protected:
    std::int64_t onMessage(const ui::Message& message) override;
    virtual void refresh() {}
    // The sheet's Copy copies the page that shows.
    void onSetActive() override;
    void onKillActive() override;

    context::AppContext& ctx_;
    adapterinfo::AdapterStateContext state_;

  private:
    int refreshes_ = 0;
};

}  // namespace zlx::status
