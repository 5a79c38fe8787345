#include "qt/rich_text_view.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextLayout>
#include <QtMath>

#include "qt/log_layout.h"
#include "qt/text_fit.h"

namespace zlx::qt {

namespace {
// How long lines that follow shown ones wait, at most, to be shown with those that come after
// them: one frame of a 60 Hz display.
constexpr int kFrameMs = 16;
}  // namespace

RichTextView::RichTextView(QWidget* parent)
    : QTextEdit(parent), layout_(new LogLayout(document())) {
    document()->setDocumentLayout(layout_);
    // Nothing in a read-only log is undone: each insertion would only grow the undo stack.
    document()->setUndoRedoEnabled(false);
    frameEnd_.setSingleShot(true);
    connect(&frameEnd_, &QTimer::timeout, this, &RichTextView::flush);
    setReadOnly(true);
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::WidgetWidth);
}

int RichTextView::lineHeight() const {
    QTextBlock block = document()->firstBlock();
    layout_->blockBoundingRect(block);  // laid out if it has not shown yet
    if (block.isValid() && block.layout() && block.layout()->lineCount() > 0)
        return qCeil(block.layout()->lineAt(0).height());
    return QFontMetrics(font()).height();
}

void RichTextView::resizeEvent(QResizeEvent* event) {
    QTextEdit::resizeEvent(event);
    fitWholeLines();
}

void RichTextView::fitWholeLines() {
    // Scrolled to the end, the view's top edge lies (height - margin) above the end of the last
    // line; a whole number of lines there puts the top edge on the top of a line.
    int margin = qRound(document()->documentMargin());
    int available = contentsRect().height();
    if (horizontalScrollBar()->isVisible()) available -= horizontalScrollBar()->height();
    int line = lineHeight();
    if (line <= 0 || available <= margin + line) return;
    int spare = (available - margin) % line;
    if (viewportMargins().bottom() != spare) setViewportMargins(0, 0, 0, spare);
}

void RichTextView::queueRun(const ui::TextRun& run, std::size_t from) {
    QString text = fromModel(std::string_view(run.text).substr(from));
    // A flood's lines all look the same: they join the piece before, and its format is made
    // once, not once a line.
    if (!pending_.empty()) {
        Piece& last = pending_.back();
        if (last.color == run.color && last.bold == run.bold && last.underline == run.underline) {
            last.text += text;
            return;
        }
    }
    pending_.push_back({std::move(text), run.color, run.bold, run.underline});
}

void RichTextView::scrollToEnd() {
    layout_->layOutTail(viewport()->height());
    // The bar first: the cursor then moves to the end already in view, and the view scrolls
    // once, not to the cursor and then by the margin below it.
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    moveCursor(QTextCursor::End);
}

void RichTextView::flush() {
    flushQueued_ = false;
    frameEnd_.stop();
    if (!pending_.empty()) {
        sinceShown_.start();
        QTextCursor cursor(document());
        cursor.beginEditBlock();
        cursor.movePosition(QTextCursor::End);
        for (const Piece& piece : pending_) {
            QTextCharFormat format;
            format.setForeground(QColor::fromRgb(piece.color));
            format.setFontWeight(piece.bold ? QFont::Bold : QFont::Normal);
            format.setFontUnderline(piece.underline);
            cursor.insertText(piece.text, format);
        }
        cursor.endEditBlock();
        pending_.clear();
        fitWholeLines();
    }
    if (scrollPending_) scrollToEnd();
    scrollPending_ = false;
}

void RichTextView::showRuns(const ui::Control& control) {
    ui::RichTextFollower::Update update = follower_.follow(control);
    if (update.restart) {
        pending_.clear();
        clear();
        // A rewrite is no flood: it shows on the next turn, whatever came before it.
        if (!update.pieces.empty()) queueFlush(0);
    }
    for (auto [run, from] : update.pieces) queueRun(control.runs[run], from);
    if (pending_.empty()) {
        // Nothing waits: a scroll alone is not worth a turn of the loop.
        if (control.scrolledToEnd) scrollToEnd();
        return;
    }
    scrollPending_ = scrollPending_ || control.scrolledToEnd;
    // Read once: a frame that ends between two readings must not leave a wait below zero, which
    // a timer refuses, and the lines would never show.
    const qint64 since = sinceShown_.isValid() ? sinceShown_.elapsed() : kFrameMs;
    queueFlush(since >= kFrameMs ? 0 : static_cast<int>(kFrameMs - since));
}

void RichTextView::queueFlush(int waitMs) {
    const bool nextTurn = waitMs <= 0;
    if (nextTurn && frameEnd_.isActive()) {
        frameEnd_.stop();
        flushQueued_ = false;
    }
    if (flushQueued_) return;
    flushQueued_ = true;
    if (nextTurn)
        QMetaObject::invokeMethod(this, &RichTextView::flush, Qt::QueuedConnection);
    else
        frameEnd_.start(waitMs);
}

}  // namespace zlx::qt
