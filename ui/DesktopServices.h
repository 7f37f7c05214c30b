#pragma once

#include "IPlatformServices.h"
#include "SoundPlayer.h"

class Clock;
class CloseGuard;

// The services of a desktop session: Qt message boxes, SDL sound (or, muted, silence of the same
// length) and pauses, each a step that waits on the clock while the event loop serves the window.
// A box is modal to the player, not to the window system: while it is open the game's other
// windows take no clicks or keys, but a close of the game window still reaches the game; once the
// game is closing, the box closes.
class DesktopServices : public IPlatformServices
{
public:
    DesktopServices(CloseGuard &guard, Clock &clock, bool muted = false);

    Task<MessageBoxAnswer> showMessage(QString text, QString title, MessageBoxKind kind) override;
    Task<> playSound(QString name) override;
    Task<> pause(int milliseconds) override;

    // Starts the sound device on a thread of its own, so that the first sound starts at once.
    void prepareSound() { m_sound.openInBackground(); }

private:
    CloseGuard &m_guard;
    Clock &m_clock;
    SoundPlayer m_sound;
};
