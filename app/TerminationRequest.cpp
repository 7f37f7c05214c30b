#include "TerminationRequest.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

int g_pipe[2]; // the pipe from the signal handler to the notifier

void requestTermination(int)
{
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[1], "", 1); // one byte wakes the notifier
}

} // namespace

TerminationRequest::TerminationRequest(std::function<void()> onRequest)
    : m_onRequest(std::move(onRequest))
{
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = std::make_unique<QSocketNotifier>(g_pipe[0], QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] {
        char bytes[16];
        while (::read(g_pipe[0], bytes, sizeof bytes) > 0) {
        }
        m_onRequest();
    });
    struct sigaction action
    {};
    action.sa_handler = requestTermination;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
}

TerminationRequest::~TerminationRequest()
{
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGHUP, SIG_DFL);
    if (m_notifier) {
        m_notifier.reset();
        ::close(g_pipe[0]);
        ::close(g_pipe[1]);
    }
}
