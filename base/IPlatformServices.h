#pragma once

#include <QString>

// Flags of a message box: a button set plus an icon, as numbers.
namespace MessageBoxFlags {
constexpr int OkOnly = 0;
constexpr int OkCancel = 1;
constexpr int AbortRetryIgnore = 2;
constexpr int YesNoCancel = 3;
constexpr int YesNo = 4;
constexpr int RetryCancel = 5;
constexpr int Critical = 16;
constexpr int Question = 32;
constexpr int Exclamation = 48;
constexpr int Information = 64;
} // namespace MessageBoxFlags

// The number of the button that closed a message box.
namespace MessageBoxAnswer {
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Abort = 3;
constexpr int Retry = 4;
constexpr int Ignore = 5;
constexpr int Yes = 6;
constexpr int No = 7;
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
