#pragma once
// WaitDialog: shown while connected to the diagnostic channel until the network begins its
// tests. Cancel takes the adapter out of diagnostic mode.

#include "context/app_context.h"
#include "ui/dialog.h"

namespace zlx::diagchannel {

class WaitDialog : public ui::Dialog {
  public:
    explicit WaitDialog(context::AppContext& context);

  protected:
    bool onInitDialog() override;
    void onCancel() override;
    std::int64_t onMessage(const ui::Message& message) override;

  private:
    context::AppContext& ctx_;
};

}  // namespace zlx::diagchannel
