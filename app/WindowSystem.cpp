#include "WindowSystem.h"

#include "ExitStatus.h"

#include <QApplication>
#include <QStringList>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace {

QStringList &held()
{
    static QStringList messages;
    return messages;
}

// A display that answers does so in a fraction of a second, a busy machine's too.
constexpr auto kAnswerWait = std::chrono::seconds(10);

[[noreturn]] void noDesktop()
{
    const QByteArray x11 = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    const QByteArray where = x11.isEmpty() && wayland.isEmpty()
                                 ? QByteArray("neither DISPLAY nor WAYLAND_DISPLAY is set")
                                 : "DISPLAY=" + x11 + " WAYLAND_DISPLAY=" + wayland;
    std::fprintf(stderr,
                 "quillow: needs a graphical desktop, but none answers (%s); start it from a "
                 "desktop session\n",
                 where.constData());
    std::_Exit(exitCode(ExitStatus::NoDisplay));
}

void holdWhileOpening(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg)
        noDesktop();
    held() << qFormatLogMessage(type, context, message);
}

// Ends the program as noDesktop() does when the window system has not answered in time: a
// display that takes the connection and never answers would hold it for ever.
class AnswerWatch
{
public:
    AnswerWatch()
        : m_thread([this] {
              std::unique_lock lock(m_mutex);
              if (!m_answered.wait_for(lock, kAnswerWait, [this] { return m_done; }))
                  noDesktop();
          })
    {}
    ~AnswerWatch()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_done = true;
        }
        m_answered.notify_one();
        m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_answered;
    bool m_done = false;
    std::thread m_thread;
};

} // namespace

std::unique_ptr<QApplication> openWindowSystem(int &argc, char *argv[])
{
    const QtMessageHandler previous = qInstallMessageHandler(holdWhileOpening);
    std::unique_ptr<QApplication> app;
    {
        const AnswerWatch watch;
        app = std::make_unique<QApplication>(argc, argv);
    }
    qInstallMessageHandler(previous);
    for (const QString &message : std::as_const(held()))
        std::fprintf(stderr, "%s\n", qPrintable(message));
    held().clear();
    return app;
}
