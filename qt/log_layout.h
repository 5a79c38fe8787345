#pragma once
// The layout of a log's document: blocks are laid out when they are drawn or asked about, not
// when they arrive. Qt's own document layout shapes every line as it is inserted, which in a
// flood of lines that scroll past unseen is most of the work; here a block not laid out yet
// counts as one line of the height the last laid-out line had, and takes its real height when it
// first shows. Geometry is that of QTextDocumentLayout for what a log holds (blocks of
// formatted text in the root frame, no tables, frames or images), so a QTextEdit on it looks and
// scrolls as it did on Qt's.

#include <QAbstractTextDocumentLayout>
#include <deque>

#include "qt/block_heights.h"

namespace zlx::qt {

class LogLayout final : public QAbstractTextDocumentLayout {
  public:
    explicit LogLayout(QTextDocument* document);

    void draw(QPainter* painter, const PaintContext& context) override;
    int hitTest(const QPointF& point, Qt::HitTestAccuracy accuracy) const override;
    int pageCount() const override { return 1; }
    QSizeF documentSize() const override;
    QRectF frameBoundingRect(QTextFrame* frame) const override;
    QRectF blockBoundingRect(const QTextBlock& block) const override;

    // Lays out the last blocks down to `height` above the document's end, so that the end of
    // the document is where its size says before a view scrolls there.
    void layOutTail(qreal height);

  protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;

  private:
    // Lays out block `number` if it is not yet, placed where the blocks above leave it.
    QTextLayout* layOut(const QTextBlock& block, int number) const;
    // Breaks the block into lines the page's width wide; its height.
    qreal breakLines(const QTextBlock& block, int number) const;
    qreal top(int number) const;
    qreal margin() const;
    void keepGlyphs(QTextLayout* layout, int number) const;

    mutable BlockHeights heights_;
    // What a block not laid out yet counts as: one line as high as the last one laid out.
    mutable qreal lineGuess_;
    mutable bool sizeChangeQueued_ = false;
    // The blocks laid out last, which keep their shaped glyphs: a block is laid out to be
    // drawn, and drawing it would shape it a second time. Only these few keep them, so a log
    // scrolled through from end to end does not hold the glyphs of every line.
    mutable std::deque<int> withGlyphs_;
};

}  // namespace zlx::qt
