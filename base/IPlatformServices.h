#pragma once

#include <QString>

// The message boxes the game shows, each numbered by its flags: a set of buttons (0 OK alone,
// 5 Retry and Cancel) plus an icon (16 error, 32 question mark, 48 warning).
enum class MessageBoxKind : int {
    Ok = 0,                   // OK, no icon: the game's own messages
    RetryCancelQuestion = 37, // Retry and Cancel with a question mark: the disk is not ready
    OkError = 16,             // OK with the error icon: the game cannot go on
    OkWarning = 48,           // OK with the warning icon: a notice at start
};

// The button that closed a message box.
enum class MessageBoxAnswer : int { Ok = 1, Cancel = 2, Retry = 4 };

// What the game asks of the outside world that blocks or depends on where it runs. The desktop
// build gives the real services; tests give a scripted set that answers and records.
class IPlatformServices
{
public:
    virtual ~IPlatformServices() = default;

    // Shows a modal message box and returns the button that closed it.
    virtual MessageBoxAnswer showMessage(const QString &text, const QString &title,
                                         MessageBoxKind kind) = 0;
    // Plays the .wav file of that bare name from the current directory and returns when it has
    // ended. A missing or unreadable file is no error.
    virtual void playSound(const QString &name) = 0;
    // Waits that many milliseconds; the window keeps painting but takes no input meanwhile.
    virtual void pause(int milliseconds) = 0;
};
