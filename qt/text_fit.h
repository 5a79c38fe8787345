#pragma once
// Model text as Qt shows it.

#include <QFontMetrics>
#include <QString>
#include <string>
#include <string_view>

namespace zlx::qt {

// The model holds UTF-8; "\r\n" line breaks become the "\n" Qt draws. Control characters and
// bidirectional controls, which only names from outside (profiles, SSIDs, descriptions) can
// carry, are drawn as U+FFFD, so no name can hide or reorder the text around it.
QString fromModel(std::string_view text);
std::string toModel(const QString& text);

// What a static control shows of its text: "&" marks the next character as the control's
// access key and is not drawn, and "&&" draws one "&" (a group box draws its title the same way).
QString withoutAccessMarks(const QString& text);

// A static control's word ellipsis: whole words are dropped from the end until the rest and
// "..." fit in `width`; a first word that does not fit alone is cut by characters.
QString wordEllipsis(const QString& text, const QFontMetrics& metrics, int width);

}  // namespace zlx::qt
