#pragma once

#include "status/advanced_status_dialog.h"
#include "status/refreshing_page.h"

namespace zlx::status {

// The Current Status page: the link at a glance, and the Advanced Status dialog it feeds.
class LinkStatusPage : public RefreshingPage {
  public:
    static constexpr int kAdvancedButton = 1190;

    explicit LinkStatusPage(adapterinfo::AdapterStateContext state);

    AdvancedStatusDialog& advancedDialog() { return advanced_; }

  protected:
    bool onInitDialog() override;
    void refresh() override;
    void onCommand(int id, std::uint32_t code) override;

  private:
    void showPageValues(int radioClass);
    void writeAdvancedTexts(bool valid, bool radioOn);

    AdvancedStatusDialog advanced_;
};

}  // namespace zlx::status
