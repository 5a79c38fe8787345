#pragma once

#include "context/app_context.h"
#include "ui/property_sheet.h"

namespace zlx::status {

// A status page that refreshes itself on the sheet's timer.
class RefreshingPage : public ui::PropertyPage {
  public:
    RefreshingPage(context::AppContext& context, int templateId);

    int refreshCount() const { return refreshes_; }
    // The data exchange in the saving direction after each refresh: the page reads its
    // controls back into its members.
    virtual void saveControls() {}

  protected:
    std::int64_t onMessage(const ui::Message& message) override;
    virtual void refresh() {}

    context::AppContext& ctx_;

  private:
    int refreshes_ = 0;
};

}  // namespace zlx::status
