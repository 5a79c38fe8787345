// The log's own layout gives its blocks the places Qt's layout gives them, once they have shown:
// the view looks and scrolls as it did, only the lines it never shows are not laid out.

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <string>

#include "qt/log_layout.h"

namespace zlx::qt {
namespace {

// A log's kinds of lines: plain, bold and underlined, empty, and one too long for a narrow page.
void fill(QTextDocument& document) {
    QTextCursor cursor(&document);
    QTextCharFormat plain, heading;
    heading.setFontWeight(QFont::Bold);
    heading.setFontUnderline(true);
    heading.setForeground(QColor(0x0000FF));
    cursor.insertText("Driver installation test", heading);
    for (int i = 0; i < 40; ++i) {
        cursor.insertText("\n10:00:" + QString::number(i) + " [DiagServ]Beginning DNS ping test.",
                          plain);
        if (i % 7 == 0) cursor.insertText(" Test passed", heading);
        if (i % 9 == 0) cursor.insertText("\n", plain);
        if (i % 11 == 0)
            cursor.insertText(
                "\nPinging 192.168.10.1 with 32 bytes of data: Reply from "
                "192.168.10.1: bytes=32 time=2ms TTL=64",
                plain);
    }
    cursor.insertText("\n", plain);
}

class LogLayoutTest : public ::testing::TestWithParam<int> {};

std::string text(const QRectF& r) {
    return QString("(%1,%2 %3x%4)")
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height())
        .toStdString();
}

TEST_P(LogLayoutTest, ShownBlocksLieWhereQtsLayoutPutsThem) {
    QTextDocument qts, ours;
    ours.setDocumentLayout(new LogLayout(&ours));
    for (QTextDocument* document : {&qts, &ours}) {
        document->setPageSize(QSizeF(GetParam(), -1));
        fill(*document);
    }
    QAbstractTextDocumentLayout* expected = qts.documentLayout();
    QAbstractTextDocumentLayout* actual = ours.documentLayout();
    // Shown from the end up, as a log scrolled to its end and then back to its start.
    for (QTextBlock b = ours.lastBlock(); b.isValid(); b = b.previous())
        actual->blockBoundingRect(b);
    for (QTextBlock a = qts.begin(), b = ours.begin(); a.isValid(); a = a.next(), b = b.next())
        EXPECT_EQ(text(actual->blockBoundingRect(b)), text(expected->blockBoundingRect(a)))
            << "block " << a.blockNumber();
    EXPECT_EQ(actual->documentSize(), expected->documentSize())
        << actual->documentSize().height() << " " << expected->documentSize().height();
    for (QPointF point :
         {QPointF(4, 4), QPointF(60, 30), QPointF(130, 250), QPointF(0, 500), QPointF(1000, 10000)})
        EXPECT_EQ(actual->hitTest(point, Qt::FuzzyHit), expected->hitTest(point, Qt::FuzzyHit))
            << point.x() << "," << point.y();
}

INSTANTIATE_TEST_SUITE_P(PageWidths, LogLayoutTest, ::testing::Values(180, 300, 640));

}  // namespace
}  // namespace zlx::qt
