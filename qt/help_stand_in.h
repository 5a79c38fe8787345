#pragma once
// The simulated machine has no HTML Help viewer. Where the system would open a help window,
// the Qt front end shows this stand-in, which names the help file and topic that would open,
// so pressing Help visibly does something.

#include <QLabel>
#include <QWidget>
#include <string>

namespace zlx::qt {

class HelpStandIn final : public QWidget {
  public:
    HelpStandIn();
    // Shows (or raises) the window for `path`, the help file the system asked for.
    void showFor(const std::string& path);
    QString text() const { return label_->text(); }

  private:
    QLabel* label_;
};

}  // namespace zlx::qt
