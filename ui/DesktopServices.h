#pragma once

#include "IPlatformServices.h"
#include "SoundPlayer.h"

#include <memory>

class CloseGuard;
class WindowSystemGate;

// The services of a desktop session: Qt message boxes, SDL sound (or, muted, silence of the same
// length) and pauses that keep the window painting. They keep the close guard's rules: once the
// game is closing, a box that is open closes, a wait ends at once, and each call then throws
// ProgramEnd.
class DesktopServices : public IPlatformServices
{
public:
    explicit DesktopServices(CloseGuard &guard, bool muted = false);
    ~DesktopServices() override;

    MessageBoxAnswer showMessage(const QString &text, const QString &title,
                                 MessageBoxKind kind) override;
    void playSound(const QString &name) override;
    // Keeps painting and other system events going, but holds clicks and keys back until the
    // pause is over; they are then handled in the order they came. A close request is not held.
    void pause(int milliseconds) override;

    // Starts the sound device on a thread of its own, so that the first sound starts at once.
    void prepareSound() { m_sound.openInBackground(); }

private:
    CloseGuard &m_guard;
    std::unique_ptr<WindowSystemGate> m_gate;
    SoundPlayer m_sound;
};
