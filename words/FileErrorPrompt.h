#pragma once

#include "IPlatformServices.h"

#include <QString>

#include <optional>

class RunTimeError;

// What the player is asked when the word file cannot be opened, read or written: the one place
// where the answer decides whether a failed file step is carried out again.
namespace FileErrorPrompt {

inline const QString NotFoundText = QStringLiteral(
    "The path is not correct, or \r\nthe data file was not found in the project's folder.");
inline const QString NotFoundTitle = QStringLiteral("Error");
inline const QString NotReadyText = QStringLiteral("Diskette not ready.  Retry?");
inline const QString NotReadyTitle = QStringLiteral("Diskette Error");

struct Question
{
    QString text;
    QString title;
    MessageBoxKind kind = MessageBoxKind::Ok;
};

// Errors 53 and 76 are told with the not-found message (an OK box, naming the file when the
// error carries it); error 71 asks Retry or Cancel; any other error asks nothing.
std::optional<Question> questionFor(const RunTimeError &error);

// Whether the step is carried out again after that answer to the question: only on Retry.
bool triesAgain(const Question &question, MessageBoxAnswer answer);

} // namespace FileErrorPrompt
