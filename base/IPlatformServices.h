#pragma once

#include <QString>

// Flags of a message box: a button set plus an icon, as numbers. These are the ones the game
// shows: OK alone (0), Retry and Cancel with a question mark (37), and the error and warning
// icons of its own reports.
namespace MessageBoxFlags {
constexpr int OkOnly = 0;
constexpr int RetryCancel = 5;
constexpr int Critical = 16;
constexpr int Question = 32;
constexpr int Exclamation = 48;
} // namespace MessageBoxFlags

// The number of the button that closed a message box.
namespace MessageBoxAnswer {
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Retry = 4;
} // namespace MessageBoxAnswer

// What the game asks of the outside world that blocks or depends on where it runs. The desktop
// build gives the real services; tests give a scripted set that answers and records.
class IPlatformServices
{
public:
    virtual ~IPlatformServices() = default;

    // Shows a modal message box and returns the number of the button that closed it.
    virtual int showMessage(const QString &text, const QString &title, int flags) = 0;
    // Plays the .wav file of that bare name from the current directory and returns when it has
    // ended. A missing or unreadable file is no error.
    virtual void playSound(const QString &name) = 0;
    // Waits that many milliseconds; the window keeps painting but takes no input meanwhile.
    virtual void pause(int milliseconds) = 0;
    // The folder that holds the program's executable, without a trailing separator.
    virtual QString programFolder() const = 0;
    // The word file the game reads and adds to: Dictionary.txt in the program's folder unless
    // the player named another.
    virtual QString wordFilePath() const = 0;
};
