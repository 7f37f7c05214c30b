#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QtGlobal>

// The word file: Dictionary.txt beside the executable unless the player names another. An adult
// entry is a line "*" + word followed by its definition line; any other line is a child entry
// holding one word. Lines are written with CR LF.
namespace WordFileFormat {

constexpr qint16 AdultLevel = 1;
constexpr qint16 ChildLevel = 0;

constexpr QChar AdultMarker = u'*';
// Only CR ends a line (a CR LF pair counts as one end); a line feed alone is part of the line.
constexpr char CR = '\r';
constexpr char LF = '\n';
constexpr char LineEnd[] = "\r\n";
// A UTF-8 byte-order mark at the very start of the file is not text.
constexpr char ByteOrderMark[] = "\xEF\xBB\xBF";
constexpr char FileName[] = "Dictionary.txt";

// Entries kept per level.
constexpr int MaxEntriesPerLevel = 1000;
// The word board has 13 slots: a longer word can never be shown, so it is never played.
constexpr int MaxWordLength = 13;

// The word file in the given folder, and the one beside the running program.
QByteArray pathInFolder(const QByteArray &folder);
QByteArray besideProgram();
// "adult" or "child", as the game names a level in what it says; with its article, "an adult"
// or "a child".
QString levelName(qint16 level);
QString levelNameWithArticle(qint16 level);

} // namespace WordFileFormat
