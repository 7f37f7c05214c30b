#pragma once

#include <QString>
#include <QStringList>

// Text as a player sees it: a character is what one slot of the board shows, never half of one.
// A letter with its accents, an emoji with its modifiers or a flag is one character (a Unicode
// grapheme cluster), although it may take several units of a QString.
namespace Characters {

// The characters of the text, in order.
QStringList of(const QString &text);
qsizetype count(const QString &text);
// Whether the text holds more than limit characters (at least 1), however many accents each
// carries. Only the start of a huge line is read.
bool moreThan(const QString &text, qsizetype limit);
// The text of its first n characters (at least 1), reading no further than they reach.
QString left(const QString &text, qsizetype n);
// Whether the text holds a control character (a tab, an escape, a NUL...): no one can see it,
// nor guess it.
bool hasControl(const QString &text);

} // namespace Characters
