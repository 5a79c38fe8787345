#include "qt/rich_text_view.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QtMath>

#include "qt/text_fit.h"

namespace zlx::qt {

RichTextView::RichTextView(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::WidgetWidth);
}

int RichTextView::lineHeight() const {
    QTextBlock block = document()->firstBlock();
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
    QTextCharFormat format;
    format.setForeground(QColor::fromRgb(run.color));
    format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
    format.setFontUnderline(run.underline);
    QString text = fromModel(std::string_view(run.text).substr(from));
    if (!pending_.empty() && pending_.back().format == format)
        pending_.back().text += text;
    else
        pending_.push_back({std::move(text), format});
}

void RichTextView::scrollToEnd() {
    moveCursor(QTextCursor::End);
    ensureCursorVisible();
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void RichTextView::flush() {
    flushQueued_ = false;
    if (!pending_.empty()) {
        QTextCursor cursor(document());
        cursor.beginEditBlock();
        cursor.movePosition(QTextCursor::End);
        for (const Piece& piece : pending_) cursor.insertText(piece.text, piece.format);
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
    }
    for (auto [run, from] : update.pieces) queueRun(control.runs[run], from);
    if (pending_.empty()) {
        // Nothing waits: a scroll alone is not worth a turn of the loop.
        if (control.scrolledToEnd) scrollToEnd();
        return;
    }
    scrollPending_ = scrollPending_ || control.scrolledToEnd;
    if (!flushQueued_) {
        flushQueued_ = true;
        QMetaObject::invokeMethod(this, &RichTextView::flush, Qt::QueuedConnection);
    }
}

}  // namespace zlx::qt
