#pragma once

#include "IPlatformServices.h"
#include "VirtualClock.h"

#include <QList>

#include <deque>
#include <functional>

// Platform services for tests: boxes recorded and answered at once from a script, pauses and sounds
// on a virtual clock; a hook sees each call first, to look at the window or act while it waits.
struct ScriptedServices : IPlatformServices
{
    struct Message
    {
        QString text, title;
        int flags = 0;
    };

    explicit ScriptedServices(const CloseGuard &closeGuard) : guard(closeGuard), clock(closeGuard)
    {}

    // Answers for the next boxes; when none is left, OK, or Cancel for a box without OK.
    std::deque<MessageBoxAnswer> answers;
    std::function<void(const Message &)> onMessage = [](const Message &) {};
    std::function<void(const QString &)> onSound = [](const QString &) {};
    std::function<void()> onPause = [] {};
    QList<Message> messages;

    Task<MessageBoxAnswer> showMessage(QString text, QString title, MessageBoxKind kind) override
    {
        messages.append({text, title, int(kind)});
        auto answer = kind == MessageBoxKind::RetryCancelQuestion ? MessageBoxAnswer::Cancel
                                                                  : MessageBoxAnswer::Ok;
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        onMessage(messages.last());
        Pending<MessageBoxAnswer> answered(guard); // goes on as a desktop's box does
        answered.finish(answer);
        co_return co_await answered;
    }
    Task<> playSound(QString name) override
    {
        onSound(name);
        co_await clock.sleep(0);
    }
    Task<> pause(int milliseconds) override
    {
        onPause();
        co_await clock.sleep(milliseconds);
    }

    const CloseGuard &guard;
    VirtualClock clock;
};
