#pragma once

#include "Task.h"

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

// What the game asks of the outside world that takes time or depends on where it runs: steps a
// handler awaits, while the event loop goes on serving the window. The desktop build gives the
// real services; tests give a scripted set that answers at once and records. Each keeps the close
// guard's rule of every wait (base/Pending.h).
class IPlatformServices
{
public:
    virtual ~IPlatformServices() = default;

    // Shows a message box, modal to the player, and ends with the button that closed it.
    virtual Task<MessageBoxAnswer> showMessage(QString text, QString title,
                                               MessageBoxKind kind) = 0;
    // Plays the .wav file of that bare name from the current directory and ends when it has
    // been heard. A missing or unreadable file is no error.
    virtual Task<> playSound(QString name) = 0;
    // Ends after that many milliseconds; the window goes on painting and taking input meanwhile.
    virtual Task<> pause(int milliseconds) = 0;
};
