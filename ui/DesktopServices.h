#pragma once

#include "IPlatformServices.h"
#include "SoundPlayer.h"

// The services of a desktop session: Qt message boxes, SDL sound (or, muted, silence of the same
// length) and pauses that keep the window painting.
class DesktopServices : public IPlatformServices
{
public:
    explicit DesktopServices(bool muted = false);

    MessageBoxAnswer showMessage(const QString &text, const QString &title,
                                 MessageBoxKind kind) override;
    void playSound(const QString &name) override;
    // Keeps painting and other system events going, but holds clicks and keys back until the
    // pause is over; they are then handled in the order they came.
    void pause(int milliseconds) override;

    // Starts the sound device on a thread of its own, so that the first sound starts at once.
    void prepareSound() { m_sound.openInBackground(); }

private:
    SoundPlayer m_sound;
};
