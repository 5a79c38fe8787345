#include "qt/log_layout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtMath>
#include <climits>

namespace zlx::qt {

namespace {
// More lines than any window shows at once, so that a paint never drops glyphs it will draw.
constexpr std::size_t kBlocksWithGlyphs = 256;
}  // namespace

LogLayout::LogLayout(QTextDocument* document)
    : QAbstractTextDocumentLayout(document),
      lineGuess_(qCeil(QFontMetricsF(document->defaultFont()).height())) {}

qreal LogLayout::margin() const {
    return document()->documentMargin();
}

qreal LogLayout::top(int number) const {
    return margin() + heights_.before(number);
}

qreal LogLayout::breakLines(const QTextBlock& block, int number) const {
    QTextLayout* layout = block.layout();
    QTextOption option = document()->defaultTextOption();
    option.setTextDirection(block.textDirection());
    layout->setTextOption(option);
    keepGlyphs(layout, number);
    const qreal page = document()->pageSize().width();
    const qreal width = page > 0 ? page - 2 * margin() : qreal(INT_MAX);
    qreal height = 0;
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLeadingIncluded(true);
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout->endLayout();
    if (layout->lineCount() == 1) lineGuess_ = height;
    return height;
}

QTextLayout* LogLayout::layOut(const QTextBlock& block, int number) const {
    QTextLayout* layout = block.layout();
    if (layout->lineCount() == 0 && number < heights_.size()) {
        const qreal height = breakLines(block, number);
        if (height != heights_.height(number)) {
            heights_.set(number, height);
            // Told on the next turn: whoever asked is in the middle of painting or of placing
            // the cursor, and the size it acts on must not change under it.
            if (!sizeChangeQueued_) {
                sizeChangeQueued_ = true;
                auto* self = const_cast<LogLayout*>(this);
                QMetaObject::invokeMethod(
                    self,
                    [self] {
                        self->sizeChangeQueued_ = false;
                        emit self->documentSizeChanged(self->documentSize());
                    },
                    Qt::QueuedConnection);
            }
        }
    }
    layout->setPosition(QPointF(margin(), top(number)));
    return layout;
}

void LogLayout::keepGlyphs(QTextLayout* layout, int number) const {
    layout->setCacheEnabled(true);
    withGlyphs_.push_back(number);
    if (withGlyphs_.size() <= kBlocksWithGlyphs) return;
    const int oldest = withGlyphs_.front();
    withGlyphs_.pop_front();
    if (oldest >= heights_.size()) return;
    // A layout frees its glyphs only when a layout pass ends without the cache; the block is
    // laid out again, at the height it keeps, if it shows again.
    QTextLayout* old = document()->findBlockByNumber(oldest).layout();
    if (old == layout || old->lineCount() == 0) return;
    old->setCacheEnabled(false);
    old->beginLayout();
    old->endLayout();
}

void LogLayout::documentChanged(int from, int, int) {
    // A log changes at its end, so everything from the first changed block on is counted again;
    // a new page width or default font (from 0) or a cleared log starts over.
    QTextBlock first = document()->findBlock(from);
    if (!first.isValid()) first = document()->lastBlock();
    const int number = first.blockNumber();
    heights_.truncate(number);
    std::erase_if(withGlyphs_, [number](int block) { return block >= number; });
    for (QTextBlock block = first; block.isValid(); block = block.next()) block.clearLayout();
    // The last block is laid out first: a log following its end shows it anyway, and its line
    // is the best guess at the lines above it that have not shown yet.
    const QTextBlock last = document()->lastBlock();
    const qreal lastHeight = breakLines(last, last.blockNumber());
    for (QTextBlock block = first; block != last; block = block.next()) heights_.append(lineGuess_);
    heights_.append(lastHeight);
    emit documentSizeChanged(documentSize());
    emit update(QRectF(0, top(number), qreal(INT_MAX), qreal(INT_MAX)));
}

void LogLayout::layOutTail(qreal height) {
    int number = heights_.size() - 1;
    qreal covered = margin();
    for (QTextBlock block = document()->lastBlock(); block.isValid() && covered < height;
         block = block.previous(), --number) {
        layOut(block, number);
        covered += heights_.height(number);
    }
    // The view scrolls to the end right after: it must see the size these lines make now.
    if (sizeChangeQueued_) emit documentSizeChanged(documentSize());
}

QSizeF LogLayout::documentSize() const {
    const qreal page = document()->pageSize().width();
    return QSizeF(page > 0 ? page : 0, 2 * margin() + heights_.total());
}

QRectF LogLayout::frameBoundingRect(QTextFrame* frame) const {
    if (frame != document()->rootFrame()) return QRectF();
    return QRectF(QPointF(0, 0), documentSize());
}

QRectF LogLayout::blockBoundingRect(const QTextBlock& block) const {
    if (!block.isValid()) return QRectF();
    QTextLayout* layout = layOut(block, block.blockNumber());
    return QRectF(layout->position(), layout->boundingRect().size());
}

int LogLayout::hitTest(const QPointF& point, Qt::HitTestAccuracy accuracy) const {
    const int number = heights_.blockAt(point.y() - margin());
    if (number < 0) return -1;
    const QTextBlock block = document()->findBlockByNumber(number);
    QTextLayout* layout = layOut(block, number);
    if (layout->lineCount() == 0) return -1;
    const QPointF at = point - layout->position();
    int index = 0;
    while (index + 1 < layout->lineCount() && layout->lineAt(index + 1).y() <= at.y()) ++index;
    const QTextLine line = layout->lineAt(index);
    if (accuracy == Qt::ExactHit && !line.naturalTextRect().contains(at)) return -1;
    return block.position() + line.xToCursor(at.x());
}

void LogLayout::draw(QPainter* painter, const PaintContext& context) {
    const QRectF& clip = context.clip;
    int number = clip.isValid() ? heights_.blockAt(clip.top() - margin()) : 0;
    if (number < 0) return;
    for (QTextBlock block = document()->findBlockByNumber(number); block.isValid();
         block = block.next(), ++number) {
        QTextLayout* layout = layOut(block, number);
        if (clip.isValid() && layout->position().y() > clip.bottom()) break;
        // Each selection's part inside the block, as Qt's layout draws it.
        QList<QTextLayout::FormatRange> selections;
        const int start = block.position();
        const int length = block.length();
        for (const Selection& selection : context.selections) {
            const int from = selection.cursor.selectionStart() - start;
            const int to = selection.cursor.selectionEnd() - start;
            if (from < length && to > 0 && to > from)
                selections.append({from, to - from, selection.format});
        }
        painter->setPen(context.palette.color(QPalette::Text));
        layout->draw(painter, QPointF(), selections, clip);
        if (context.cursorPosition >= start && context.cursorPosition < start + length)
            layout->drawCursor(painter, QPointF(), context.cursorPosition - start);
    }
}

}  // namespace zlx::qt
