#pragma once

#include "CloseGuard.h"
#include "IPlatformServices.h"

#include <QList>

#include <deque>
#include <functional>

// Platform services for tests: message boxes are recorded and answered from a script, pauses
// counted; each call is handed to a hook then, so that a test can look at the window.
// Given the game's close guard, they keep its rules as the desktop's do: once it is closing,
// every call throws.
struct ScriptedServices : IPlatformServices
{
    struct Message
    {
        QString text, title;
        int flags = 0;
    };

    // Answers for the next boxes; when none is left, OK, or Cancel for a box without OK.
    std::deque<MessageBoxAnswer> answers;
    std::function<void(const Message &)> onMessage = [](const Message &) {};
    std::function<void(const QString &)> onSound = [](const QString &) {};
    std::function<void()> onPause = [] {};
    QList<Message> messages;
    int pauses = 0, pausedMilliseconds = 0;

    MessageBoxAnswer showMessage(const QString &text, const QString &title,
                                 MessageBoxKind kind) override
    {
        endIfClosing();
        messages.append({text, title, int(kind)});
        auto answer = kind == MessageBoxKind::RetryCancelQuestion ? MessageBoxAnswer::Cancel
                                                                  : MessageBoxAnswer::Ok;
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        onMessage(messages.last());
        endIfClosing();
        return answer;
    }
    void playSound(const QString &name) override
    {
        endIfClosing();
        onSound(name);
        endIfClosing();
    }
    void pause(int milliseconds) override
    {
        endIfClosing();
        ++pauses;
        pausedMilliseconds += milliseconds;
        onPause();
        endIfClosing();
    }

    const CloseGuard *guard = nullptr;

private:
    void endIfClosing() const
    {
        if (guard)
            guard->endIfClosing();
    }
};
