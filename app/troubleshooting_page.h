#pragma once
// CQORDEXDlg: the Troubleshooting page of the status sheet.

#include "app/app_context.h"
#include "ui/property_sheet.h"
#include "wlan/interfaces.h"

namespace zlx::app {

class CQORDEXDlg : public ui::PropertyPage {
  public:
    static constexpr int kAboutCommand = 16;

    explicit CQORDEXDlg(AppContext& context);

    bool initialised() const { return initialised_; }
    bool busy() const { return busy_; }
    bool networkMode() const { return networkMode_; }
    const wlan::InterfaceList& interfaces() const { return interfaces_; }

  protected:
    bool onInitDialog() override;
    void onSysCommand(int id) override;
    std::int64_t onMessage(const ui::Message& message) override;

  private:
    AppContext& ctx_;
    bool initialised_ = false;
    bool busy_ = false;
    wlan::InterfaceList interfaces_;
    bool networkMode_ = false;
};

}  // namespace zlx::app
