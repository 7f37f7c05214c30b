#pragma once

#include "IPlatformServices.h"
#include "SoundPlayer.h"

// The services of a desktop session: Qt message boxes, SDL sound, pauses that keep the window
// painting, and the folder of the running executable.
class DesktopServices : public IPlatformServices
{
public:
    struct Options
    {
        QString wordFile; // empty: Dictionary.txt in the program's folder
        bool muted = false;
        QString notice; // shown once the window is shown, when not empty
    };

    DesktopServices();
    explicit DesktopServices(Options options);

    int showMessage(const QString &text, const QString &title, int flags) override;
    void playSound(const QString &name) override;
    // Keeps painting and other system events going, but holds clicks and keys back until the
    // pause is over; they are then handled in the order they came.
    void pause(int milliseconds) override;
    QString programFolder() const override;
    QString wordFilePath() const override;

    // Starts the sound device on a thread of its own, so that the first sound starts at once.
    void prepareSound() { m_sound.openInBackground(); }

private:
    Options m_options;
    SoundPlayer m_sound;
};
