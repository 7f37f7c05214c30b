#include "InterruptibleServices.h"

#include "ProgramEnd.h"

MessageBoxAnswer InterruptibleServices::showMessage(const QString &text, const QString &title,
                                                    MessageBoxKind kind)
{
    endIfStopped();
    const MessageBoxAnswer answer = m_services.showMessage(text, title, kind);
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
