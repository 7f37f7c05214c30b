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
// Whether the text holds more than limit characters. So that a huge line costs nothing, one that
// takes more than 32 units for every character it may hold counts as longer without a count.
bool moreThan(const QString &text, qsizetype limit);

} // namespace Characters
