#pragma once
// The rich text control: formatted runs in a read-only text box. What the model only added is
// appended, and finding it costs the addition, not the log: between two of the model's
// rewrites its runs only grow at the end.

#include <QTextEdit>
#include <cstdint>
#include <vector>

#include "ui/control.h"

namespace zlx::qt {

class RichTextView final : public QTextEdit {
  public:
    explicit RichTextView(QWidget* parent = nullptr);

    // `rewrites` is the control's count of whole replacements (ui::Control::richRewrites).
    void showRuns(const std::vector<ui::TextRun>& runs, std::uint64_t rewrites, bool scrolledToEnd);

    // The height of one line of text as the document lays it out.
    int lineHeight() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Keeps the text area a whole number of lines high, so the view scrolled to its end shows
    // whole lines from top to bottom instead of the lower half of one at the top.
    void fitWholeLines();
    void appendRun(const ui::TextRun& run, std::size_t from);
    std::uint64_t shownRewrites_ = 0;
    std::size_t shownRuns_ = 0;
    std::size_t shownLastSize_ = 0;
};

}  // namespace zlx::qt
