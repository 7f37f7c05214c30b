#pragma once

#include "ExitStatus.h"

#include <QObject>
#include <QPointer>

class QSocketNotifier;

// The one owner of "the game is closing", from the first line of main to the last.
//
// Every way in calls request(): the window manager's or the compositor's close of the game window,
// on X11 and on Wayland (its closeEvent: a message box is not modal to the window system, so no
// close is held back for it), and QUIT APPLICATION once its goodbye sound has played; with
// Signals::Caught also SIGTERM and SIGHUP (a logout, a plain kill) and SIGINT (Ctrl+C), unless
// the program was started with the signal ignored (nohup, a shell's background job).
//
// The first request decides the exit status: ExitStatus::Normal, or ExitStatus::Interrupted for
// SIGINT. Signals that come together, before the program could take the first, are taken in the
// system's order, the lowest number first (SIGHUP, SIGINT, SIGTERM): it keeps no other.
//
// Once closing, to the end of the program:
// - closingStarted() is emitted, once: a message box that is open closes, and no handler that
//   waits its turn runs. The window stays until the program ends (app/GameLauncher.h says why).
// - After listen(), the event loop is told to exit with the status.
// - No wait goes on: a handler waiting for a sound, a pause or a box stays there to the end
//   (base/Pending.h keeps this rule for every wait), so nothing that would follow happens: no
//   sound, no new game, no add. An add already writing does not wait, and finishes, so the word
//   file holds its old contents or those and the whole entry.
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
