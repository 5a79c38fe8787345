#pragma once
// The Signal History window: the last ten minutes of the link as graphs, with the events
// marked, the current values, and the samples saved as CSV.

#include <string>

#include "context/app_context.h"
#include "status/link_history.h"
#include "ui/dialog.h"
#include "ui/graph.h"

namespace zlx::status {

class SignalHistoryWindow : public ui::Dialog {
  public:
    SignalHistoryWindow(context::AppContext& context, const LinkHistory& history);

    // Shows the history as it is now, while the window is open.
    void update();

  protected:
    bool onInitDialog() override;
    void onCommand(int id, std::uint32_t code) override;

  private:
    void saveCsv();

    context::AppContext& ctx_;
    const LinkHistory& history_;
};

// The graph of the history: signal strength and quality, receive and transmit rates, one
// column per sample with the newest at the right, and a mark at each event.
ui::Graph graphOf(const LinkHistory& history);
// The last sample's values, as the Advanced Status dialog words them.
std::string currentValuesText(const LinkHistory& history);
// Why the graph has gaps, while it has any (samples taken while another page was shown);
// empty otherwise.
std::string statusLineText(const LinkHistory& history);

}  // namespace zlx::status
