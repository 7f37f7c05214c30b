#include "ScriptedServices.h"

MessageBoxAnswer ScriptedServices::showMessage(const QString &text, const QString &title,
                                               MessageBoxKind kind)
{
    const Message message{text, title, static_cast<int>(kind)};
    messages.append(message);
    events.append(QStringLiteral("message: ") + title);
    MessageBoxAnswer answer = kind == MessageBoxKind::RetryCancelQuestion ? MessageBoxAnswer::Cancel
                                                                          : MessageBoxAnswer::Ok;
    if (!answers.empty()) {
        answer = answers.front();
        answers.pop_front();
    }
    if (onMessage)
        onMessage(message);
    return answer;
}

void ScriptedServices::playSound(const QString &name)
{
    sounds.append(name);
    events.append(QStringLiteral("sound: ") + name);
    if (onSound)
        onSound(name);
}

void ScriptedServices::pause(int milliseconds)
{
    ++pauses;
    pausedMilliseconds += milliseconds;
    if (onPause)
        onPause();
}
