// The small pure pieces of the front end: dialog units, fitted text, slugs, icons, displays.

#include <gtest/gtest.h>

#include <QApplication>
#include <map>

#include "qt/dialog_units.h"
#include "qt/icons.h"
#include "qt/screenshots.h"
#include "qt/startup.h"
#include "qt/text_fit.h"

namespace zlx::qt {
namespace {

struct UnitCase {
    int baseX, baseY;
    ui::DialogRect rect;
    QRect expected;
    friend void PrintTo(const UnitCase& c, std::ostream* out) {
        *out << c.baseX << "x" << c.baseY << " (" << c.rect.x << "," << c.rect.y << ","
             << c.rect.width << "," << c.rect.height << ")";
    }
};

class DialogUnitsTest : public ::testing::TestWithParam<UnitCase> {};

TEST_P(DialogUnitsTest, EdgesAreMappedWithRounding) {
    const UnitCase& c = GetParam();
    EXPECT_EQ(DialogUnits(c.baseX, c.baseY).rect(c.rect), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rects, DialogUnitsTest,
    ::testing::Values(
        // The classic 8 pt dialog font: 6 x 13 base units.
        UnitCase{6, 13, {0, 0, 4, 8}, QRect(0, 0, 6, 13)},
        UnitCase{6, 13, {7, 7, 50, 14}, QRect(11, 11, 75, 23)},
        // 7 x 14: a quarter and an eighth round to the nearest pixel, edge by edge.
        UnitCase{7, 14, {1, 1, 1, 1}, QRect(2, 2, 2, 2)},
        UnitCase{7, 14, {186, 105, 50, 14}, QRect(326, 184, 87, 24)}));

TEST(DialogUnitsFromFontTest, BaseUnitsComeFromTheFontsLetters) {
    QFont font = QApplication::font();
    DialogUnits units = DialogUnits::fromFont(font);
    QFontMetrics metrics(font);
    EXPECT_EQ(units.baseY(), metrics.height());
    double average =
        metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 52.0;
    EXPECT_NEAR(units.baseX(), average, 0.5 + 1e-9);
    EXPECT_EQ(units.size(4, 8), QSize(units.baseX(), units.baseY()));
}

// The page frame's top edge lies on a whole device pixel, or a fractional scale loses it.
TEST(DialogUnitsFromFontTest, EdgesAreSnappedToWholeDevicePixels) {
    struct Case {
        int value;
        qreal ratio;
        int snapped;
    };
    for (Case c : std::vector<Case>{{37, 1.0, 37},
                                    {37, 1.5, 36},
                                    {38, 1.5, 38},
                                    {37, 1.25, 36},
                                    {37, 2.0, 37},
                                    {37, 1.3, 30}})
        EXPECT_EQ(onDevicePixel(c.value, c.ratio), c.snapped) << c.value << " at " << c.ratio;
}

TEST(TextFitTest, ModelLineBreaksBecomeQts) {
    EXPECT_EQ(fromModel("a\r\nb\rc\nd"), "a\nb\nc\nd");
    EXPECT_EQ(fromModel("Grüße"), QString::fromUtf8("Grüße"));
    EXPECT_EQ(toModel(QString::fromUtf8("Grüße")), "Grüße");
    const std::pair<const char*, const char16_t*> neutralised[] = {
        {"\xE2\x80\xAE"
         "evil\xE2\x80\xAC.txt",
         u"\uFFFDevil\uFFFD.txt"},
        {"\x1B[2J\x07tab\there", u"\uFFFD[2J\uFFFDtab\there"},
        {"a\xE2\x81\xA6"
         "b\xE2\x80\x8F",
         u"a\uFFFDb\uFFFD"},
        {"bad \xFF byte", u"bad \uFFFD byte"},
    };
    for (auto [model, shown] : neutralised)
        EXPECT_EQ(fromModel(model), QString::fromUtf16(shown)) << model;
}

TEST(TextFitTest, StaticsDrawAccessMarksAsWindowsDoes) {
    const std::pair<const char*, const char*> cases[] = {
        {"Short && Long", "Short & Long"}, {"&Adapter:", "Adapter:"}, {"a&&&b", "a&b"},
        {"trailing&", "trailing"},         {"none", "none"},          {"", ""},
    };
    for (auto [text, shown] : cases) EXPECT_EQ(withoutAccessMarks(text), shown) << text;
}

TEST(TextFitTest, WordEllipsisKeepsWholeWords) {
    QFontMetrics metrics(QApplication::font());
    QString text = "alpha beta gamma delta";
    EXPECT_EQ(wordEllipsis(text, metrics, metrics.horizontalAdvance(text)), text);
    int room = metrics.horizontalAdvance("alpha beta...");
    EXPECT_EQ(wordEllipsis(text, metrics, room), "alpha beta...");
    EXPECT_EQ(wordEllipsis(text, metrics, room - 1), "alpha...");
    // A single word too long is cut by characters.
    QString cut =
        wordEllipsis("Supercalifragilistic", metrics, metrics.horizontalAdvance("Super..."));
    EXPECT_EQ(cut, "Super...");
}

TEST(IconsTest, TheProgramsIconsAreDrawnAndOthersAreEmpty) {
    for (int id : {128, 145, 161}) {
        EXPECT_TRUE(hasIcon(id));
        QImage image = iconPixmap(id, 32).toImage();
        EXPECT_EQ(image.size(), QSize(32, 32));
        // Something is drawn in the middle of each.
        EXPECT_GT(qAlpha(image.pixel(16, 20)), 0) << id;
        EXPECT_FALSE(windowIcon(id).isNull());
    }
    EXPECT_FALSE(hasIcon(7));
    QImage empty = iconPixmap(7, 16).toImage();
    EXPECT_EQ(qAlpha(empty.pixel(8, 8)), 0);
    EXPECT_TRUE(windowIcon(7).isNull());
}

TEST(IconsTest, IconsDifferFromEachOther) {
    QImage program = iconPixmap(128, 32).toImage();
    EXPECT_NE(program, iconPixmap(145, 32).toImage());
    EXPECT_NE(program, iconPixmap(161, 32).toImage());
}

}  // namespace
}  // namespace zlx::qt
