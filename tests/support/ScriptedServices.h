#pragma once

#include "IPlatformServices.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

// Platform services for tests: message boxes are answered from a script, sounds and pauses are
// only recorded.
class ScriptedServices : public IPlatformServices
{
public:
    struct Message
    {
        QString text;
        QString title;
        int flags = 0;
    };

    MessageBoxAnswer showMessage(const QString &text, const QString &title,
                                 MessageBoxKind kind) override;
    void playSound(const QString &name) override;
    void pause(int milliseconds) override;

    // Answers for the next message boxes, in order; when empty a box answers OK, or Cancel for a
    // box that has no OK button.
    std::deque<MessageBoxAnswer> answers;
    // Called after the event has been recorded, so a test can look at the window at that moment.
    std::function<void(const Message &)> onMessage;
    std::function<void(const QString &)> onSound;
    std::function<void()> onPause;

    QList<Message> messages;
    QStringList sounds;
    int pauses = 0;
    int pausedMilliseconds = 0;
    // Every event in order: "message: <title>", "sound: <name>".
    QStringList events;
};
