#include "qt/text_fit.h"

namespace zlx::qt {

namespace {

// Characters a name may carry that would hide or reorder what is drawn around it.
bool misleads(char16_t c) {
    return (c < 0x20 && c != u'\n' && c != u'\t') || (c >= 0x7F && c <= 0x9F) || c == 0x061C ||
           c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

}  // namespace

QString fromModel(std::string_view text) {
    QString out = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (QChar& c : out)
        if (misleads(c.unicode())) c = QChar(QChar::ReplacementCharacter);
    return out;
}

std::string toModel(const QString& text) {
    return text.toStdString();
}

QString wordEllipsis(const QString& text, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(text) <= width) return text;
    const QString dots = QStringLiteral("...");
    QString rest = text;
    for (;;) {
        qsizetype space = rest.lastIndexOf(QLatin1Char(' '));
        if (space <= 0) break;
        rest = rest.left(space).trimmed();
        if (!rest.isEmpty() && metrics.horizontalAdvance(rest + dots) <= width) return rest + dots;
    }
    QString cut = text;
    while (!cut.isEmpty() && metrics.horizontalAdvance(cut + dots) > width) cut.chop(1);
    return cut + dots;
}

QString withoutAccessMarks(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (++i == text.size()) break;
        }
        shown += text[i];
    }
    return shown;
}

}  // namespace zlx::qt
