#include "InterruptibleServices.h"

#include "ProgramEnd.h"

int InterruptibleServices::showMessage(const QString &text, const QString &title, int flags)
{
    endIfStopped();
    const int answer = m_services.showMessage(text, title, flags);
    endIfStopped();
    return answer;
}

void InterruptibleServices::playSound(const QString &name)
{
    endIfStopped();
    m_services.playSound(name);
    endIfStopped();
}

void InterruptibleServices::pause(int milliseconds)
{
    endIfStopped();
    m_services.pause(milliseconds);
    endIfStopped();
}

void InterruptibleServices::endIfStopped() const
{
    if (m_stopped)
        throw ProgramEnd(ExitStatus::Normal);
}
