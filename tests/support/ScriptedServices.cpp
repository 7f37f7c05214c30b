#include "ScriptedServices.h"

#include "WordFileFormat.h"

int ScriptedServices::showMessage(const QString &text, const QString &title, int flags)
{
    const Message message{text, title, flags};
    messages.append(message);
    events.append(QStringLiteral("message: ") + title);
    int answer =
        (flags & 7) == MessageBoxFlags::OkOnly ? MessageBoxAnswer::Ok : MessageBoxAnswer::Cancel;
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

QString ScriptedServices::wordFilePath() const
{
    if (onWordFile)
        onWordFile();
    return WordFileFormat::pathInFolder(folder);
}
