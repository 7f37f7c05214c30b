#pragma once

#include "IPlatformServices.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

// Platform services for tests: message boxes are answered from a script, sounds and pauses are
// only recorded, and the program folder is whatever the test names.
class ScriptedServices : public IPlatformServices
{
public:
    struct Message
    {
        QString text;
        QString title;
        int flags = 0;
    };

    explicit ScriptedServices(QString programFolder = {}) : folder(std::move(programFolder)) {}

    int showMessage(const QString &text, const QString &title, int flags) override;
    void playSound(const QString &name) override;
    void pause(int milliseconds) override;
    QString programFolder() const override { return folder; }
    QString wordFilePath() const override;

    QString folder;
    // Answers for the next message boxes, in order; when empty a box answers OK (1), or
    // Cancel (2) for a box that has no OK button.
    std::deque<int> answers;
    // Called after the event has been recorded, so a test can look at the window at that moment.
    std::function<void(const Message &)> onMessage;
    std::function<void(const QString &)> onSound;
    std::function<void()> onPause;
    // Called when the game asks for its word file, before it reads it.
    std::function<void()> onWordFile;

    QList<Message> messages;
    QStringList sounds;
    int pauses = 0;
    int pausedMilliseconds = 0;
    // Every event in order: "message: <title>", "sound: <name>".
    QStringList events;
};
