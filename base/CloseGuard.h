#pragma once

#include "ExitStatus.h"

#include <QObject>
#include <QPointer>

class QSocketNotifier;

// The one owner of "the game is closing", from the first line of main to the last.
//
// Every way in calls request(): the window manager's or the compositor's close of the game window,
// on X11 and on Wayland (ui/WindowSystemGate sees it as soon as Qt has read it, even during a
// wait), the window's closeEvent, and QUIT APPLICATION once its goodbye sound has played; with
// Signals::Caught also SIGTERM and SIGHUP (a logout, a plain kill) and SIGINT (Ctrl+C), unless
// the program was started with the signal ignored (nohup, a shell's background job).
//
// Once closing, to the end of the program:
// - closingStarted() is emitted, once: the window hides and a message box that is open closes.
// - After listen(), the event loop and every loop running inside it (a pause, a sound, a message
//   box) are told to exit at once, and a loop started afterwards does not wait.
// - endIfClosing() throws ProgramEnd(exitStatus()). Every wait and every message box calls it
//   before and after, so no box opens, no wait goes on, and nothing that would follow a box or a
//   wait happens: no sound, no new game, no add. An add already writing finishes first, so the
//   word file holds its old contents or those and the whole entry.
// - exitStatus() is ExitStatus::Normal, or ExitStatus::Interrupted when SIGINT asked first.
// A signal that comes before listen(), when no event loop can hear it yet, or after the guard has
// gone, ends the program at once with that status: nothing is open that would need closing.
class CloseGuard : public QObject
{
    Q_OBJECT

public:
    enum class Signals { Ignored, Caught };

    // One guard at a time may catch the signals.
    explicit CloseGuard(Signals signals = Signals::Ignored);
    ~CloseGuard() override;
    CloseGuard(const CloseGuard &) = delete;
    CloseGuard &operator=(const CloseGuard &) = delete;

    // From now on the guard hears signals through the event loop and ends the application's
    // loops when closing. Needs the application object.
    void listen();

    void request(ExitStatus status = ExitStatus::Normal);
    bool isClosing() const { return m_closing; }
    ExitStatus exitStatus() const { return m_status; }
    // Throws ProgramEnd(exitStatus()) once closing.
    void endIfClosing() const;

Q_SIGNALS:
    void closingStarted();

private:
    void takeSignals();

    bool m_catching = false;
    bool m_listening = false;
    bool m_closing = false;
    ExitStatus m_status = ExitStatus::Normal;
    QPointer<QSocketNotifier> m_notifier;
};
