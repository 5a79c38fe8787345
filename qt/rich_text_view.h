#pragma once
// The rich text control: formatted runs in a read-only text box. Runs the model only added to
// are appended, so a growing log is not laid out again from the start at every line.

#include <QTextEdit>
#include <vector>

#include "ui/control.h"

namespace zlx::qt {

class RichTextView final : public QTextEdit {
  public:
    explicit RichTextView(QWidget* parent = nullptr);

    void showRuns(const std::vector<ui::TextRun>& runs, bool scrolledToEnd);

    // The height of one line of text as the document lays it out.
    int lineHeight() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Keeps the text area a whole number of lines high, so the view scrolled to its end shows
    // whole lines from top to bottom instead of the lower half of one at the top.
    void fitWholeLines();
    void appendRun(const ui::TextRun& run, std::size_t from);
    std::vector<ui::TextRun> shown_;
};

}  // namespace zlx::qt
