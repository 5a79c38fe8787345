#include "qt/rich_text_view.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QtMath>

#include "qt/text_fit.h"

namespace zlx::qt {

namespace {

bool sameFormat(const ui::TextRun& a, const ui::TextRun& b) {
    return a.color == b.color && a.bold == b.bold && a.underline == b.underline;
}

// How many of `shown` stay as they are in `runs`: every run but the last must be equal, and
// the last may have grown at its end (the model merges an append of the same format into it).
bool isPrefix(const std::vector<ui::TextRun>& shown, const std::vector<ui::TextRun>& runs) {
    if (shown.size() > runs.size()) return false;
    for (std::size_t i = 0; i + 1 < shown.size(); ++i)
        if (!(shown[i] == runs[i])) return false;
    if (shown.empty()) return true;
    const ui::TextRun& last = shown.back();
    const ui::TextRun& now = runs[shown.size() - 1];
    return sameFormat(last, now) && now.text.compare(0, last.text.size(), last.text) == 0;
}

}  // namespace

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

void RichTextView::appendRun(const ui::TextRun& run, std::size_t from) {
    QTextCharFormat format;
    format.setForeground(QColor::fromRgb(run.color));
    format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
    format.setFontUnderline(run.underline);
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(fromModel(std::string_view(run.text).substr(from)), format);
}

void RichTextView::showRuns(const std::vector<ui::TextRun>& runs, bool scrolledToEnd) {
    if (runs != shown_) {
        std::size_t keep = 0;
        std::size_t grownFrom = 0;
        if (isPrefix(shown_, runs)) {
            keep = shown_.size();
            if (keep > 0) {
                grownFrom = shown_.back().text.size();
                appendRun(runs[keep - 1], grownFrom);
            }
        } else {
            clear();
        }
        for (std::size_t i = keep; i < runs.size(); ++i) appendRun(runs[i], 0);
        shown_ = runs;
        fitWholeLines();
    }
    if (scrolledToEnd) {
        moveCursor(QTextCursor::End);
        ensureCursorVisible();
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    }
}

}  // namespace zlx::qt
