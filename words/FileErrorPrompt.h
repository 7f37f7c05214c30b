#pragma once

#include "RunTimeError.h"

#include <QString>

#include <exception>

class IPlatformServices;

// What the player is told when the word file cannot be opened, read or written, and the one
// place where a failed file step is carried out again.
namespace FileErrorPrompt {

inline const QString NotFoundText = QStringLiteral(
    "The path is not correct, or \r\nthe data file was not found in the project's folder.");
inline const QString NotFoundTitle = QStringLiteral("Error");
inline const QString NotReadyText = QStringLiteral("Diskette not ready.  Retry?");
inline const QString NotReadyTitle = QStringLiteral("Diskette Error");

// Thrown once the player has been told why the file operation ends.
class GivenUp : public std::exception
{
public:
    const char *what() const noexcept override { return "file operation given up"; }
};

// Errors 53 and 76 show the not-found message (an OK box), naming the file when the error
// carries it, and throw GivenUp; error 71 asks Retry
// or Cancel and returns on Retry, throws GivenUp on Cancel; any other error is thrown
// again untouched, with nothing shown.
void retryOrGiveUp(IPlatformServices &services, const RunTimeError &error);

// Carries out the step until it succeeds; every RunTimeError it raises goes to onError, which
// either returns (the step is carried out again) or throws.
template <typename Step, typename OnError>
auto retrying(Step step, OnError onError)
{
    for (;;) {
        try {
            return step();
        } catch (const RunTimeError &error) {
            onError(error);
        }
    }
}

} // namespace FileErrorPrompt
