#pragma once

#include <QString>

class IPlatformServices;
class RunTimeError;

// What the player is told when the word file cannot be opened, read or written, and what they
// decided.
namespace FileErrorPrompt {

inline const QString NotFoundText = QStringLiteral(
    "The path is not correct, or \r\nthe data file was not found in the project's folder.");
inline const QString NotFoundTitle = QStringLiteral("Error");
inline const QString NotReadyText = QStringLiteral("Diskette not ready.  Retry?");
inline const QString NotReadyTitle = QStringLiteral("Diskette Error");

enum class Outcome {
    Retry,  // the player asked to carry out the failed step again
    GiveUp, // the player has been told; the operation ends
    PassOn  // not a file-location error: nothing was shown
};

// Errors 53 and 76 show the not-found message (flags 0) and give up; error 71 asks Retry or
// Cancel (flags 37); every other error is passed on untouched.
Outcome ask(IPlatformServices &services, const RunTimeError &error);

} // namespace FileErrorPrompt
