#pragma once
// CWaitDialog: shown while connected to the diagnostic channel until the network begins its
// tests. Cancel takes the adapter out of diagnostic mode.

#include "app/app_context.h"
#include "ui/dialog.h"

namespace zlx::diagchannel {

class CWaitDialog : public ui::Dialog {
  public:
    explicit CWaitDialog(app::AppContext& context);

  protected:
    bool onInitDialog() override;
    void onCancel() override;
    std::int64_t onMessage(const ui::Message& message) override;

  private:
    app::AppContext& ctx_;
};

}  // namespace zlx::diagchannel
