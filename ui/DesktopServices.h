#pragma once

#include "IPlatformServices.h"
#include "SoundPlayer.h"

// The services of a desktop session: Qt message boxes, SDL sound, pauses that keep the window
// painting, and the folder of the running executable.
class DesktopServices : public IPlatformServices
{
public:
    DesktopServices();

    int showMessage(const QString &text, const QString &title, int flags) override;
    void playSound(const QString &name) override;
    // Keeps painting and other system events going, but holds clicks and keys back until the
    // pause is over; they are then handled in the order they came.
    void pause(int milliseconds) override;
    QString programFolder() const override;

private:
    SoundPlayer m_sound;
};
