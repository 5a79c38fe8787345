#pragma once
// A window that only records the system's own messages it receives, standing in for the page or
// the test window when a test checks what was posted to them.

#include <vector>

#include "ui/dialog.h"

namespace zlx::testing {

class RecordingWindow : public ui::Dialog {
  public:
    explicit RecordingWindow(ui::Desktop& desktop)
        : ui::Dialog(desktop, {0, "recorder", 10, 10, {}}) {
        create(ui::kNoWindow);
    }
    std::vector<ui::Message> got;

  protected:
    std::int64_t onMessage(const ui::Message& m) override {
        if (m.id >= ui::kWmUser) got.push_back(m);
        return 0;
    }
};

}  // namespace zlx::testing
