#pragma once

#include "IPlatformServices.h"

// The platform services as the window's handlers use them. A handler can wait (a sound, the
// pause before each row of a reveal) while the window system asks the window to close; once
// stop() has been called, the wait in progress runs to its end and then, instead of returning,
// throws ProgramEnd(ExitStatus::Normal), and no further message box opens. So the rest of the
// handler never runs on a closed window.
class InterruptibleServices : public IPlatformServices
{
public:
    explicit InterruptibleServices(IPlatformServices &services) : m_services(services) {}

    void stop() { m_stopped = true; }
    bool stopped() const { return m_stopped; }

    MessageBoxAnswer showMessage(const QString &text, const QString &title,
                                 MessageBoxKind kind) override;
    void playSound(const QString &name) override;
    void pause(int milliseconds) override;

private:
    void endIfStopped() const;

    IPlatformServices &m_services;
    bool m_stopped = false;
};
