#include "qt/text_fit.h"

#include "ui/drawn_text.h"

namespace zlx::qt {

QString fromModel(std::string_view text) {
    std::u16string drawn = ui::drawnText(text);
    return QString::fromUtf16(drawn.data(), static_cast<qsizetype>(drawn.size()));
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
