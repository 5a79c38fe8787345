#pragma once
// WaitDialog: shown while connected to the diagnostic channel until the network begins its
// tests. Cancel takes the adapter out of diagnostic mode.

#include "context/app_context.h"
#include "ui/dialog.h"
#include "wlan/driver_channel.h"

namespace zlx::diagchannel {

class WaitDialog : public ui::Dialog {
  public:
    WaitDialog(context::AppContext& context, wlan::DriverChannel& driver);

  protected:
    bool onInitDialog() override;
    void onCancel() override;
    std::int64_t onMessage(const ui::Message& message) override;

  private:
    context::AppContext& ctx_;
    wlan::DriverChannel& driver_;
};

}  // namespace zlx::diagchannel
