#pragma once
// The rich text control: formatted runs in a read-only text box. What the model only added is
// appended, and finding it costs the addition, not the log: between two of the model's
// rewrites its runs only grow at the end (ui::RichTextFollower). Additions wait for the event
// loop's next turn, so a burst of lines is laid out as one insertion and scrolled once.

#include <QTextCharFormat>
#include <QTextEdit>
#include <cstdint>
#include <vector>

#include "ui/control.h"
#include "ui/drawn_text.h"

namespace zlx::qt {

class RichTextView final : public QTextEdit {
  public:
    explicit RichTextView(QWidget* parent = nullptr);

    void showRuns(const ui::Control& control);
    // Shows the additions still waiting now, for whoever reads the view before the event loop
    // has turned.
    void flush();

    // The height of one line of text as the document lays it out.
    int lineHeight() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Keeps the text area a whole number of lines high, so the view scrolled to its end shows
    // whole lines from top to bottom instead of the lower half of one at the top.
    void fitWholeLines();
    void queueRun(const ui::TextRun& run, std::size_t from);
    void scrollToEnd();
    struct Piece {
        QString text;
        QTextCharFormat format;
    };
    std::vector<Piece> pending_;
    bool flushQueued_ = false;
    bool scrollPending_ = false;
    ui::RichTextFollower follower_;
};

}  // namespace zlx::qt
