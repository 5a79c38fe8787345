#pragma once
// The rich text control: formatted runs in a read-only text box. What the model only added is
// appended, and finding it costs the addition, not the log: between two of the model's
// rewrites its runs only grow at the end (ui::RichTextFollower). Additions wait for the event
// loop's next turn, so a burst of lines is laid out as one insertion and scrolled once; lines
// that come within a frame of the last ones shown wait for that frame, so a flood is inserted,
// scrolled and painted once a frame however often it delivers. The document is laid out only
// where it shows (LogLayout).

#include <QElapsedTimer>
#include <QTextEdit>
#include <QTimer>
#include <cstdint>
#include <vector>

#include "ui/control.h"
#include "ui/drawn_text.h"

namespace zlx::qt {

class LogLayout;

class RichTextView final : public QTextEdit {
  public:
    explicit RichTextView(QWidget* parent = nullptr);

    void showRuns(const ui::Control& control);
    // Shows the additions still waiting now, for whoever reads the view before they would show
    // by themselves.
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
    // On the loop's next turn (a wait of 0), or after `waitMs`, at the end of the frame the
    // last lines were shown in.
    void queueFlush(int waitMs);
    void scrollToEnd();
    struct Piece {
        QString text;
        std::uint32_t color;
        bool bold;
        bool underline;
    };
    LogLayout* layout_;
    std::vector<Piece> pending_;
    bool flushQueued_ = false;
    bool scrollPending_ = false;
    QTimer frameEnd_;
    QElapsedTimer sinceShown_;
    ui::RichTextFollower follower_;
};

}  // namespace zlx::qt
