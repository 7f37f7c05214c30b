#include "CloseGuard.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kCaught[] = {SIGTERM, SIGHUP, SIGINT};

// From the signal handler to the event loop: one byte a signal, the exit status it asks for.
int g_pipe[2] = {-1, -1};
volatile sig_atomic_t g_listening = 0;

void onSignal(int number)
{
    const char status = static_cast<char>(
        exitCode(number == SIGINT ? ExitStatus::Interrupted : ExitStatus::Normal));
    if (!g_listening)
        ::_exit(static_cast<unsigned char>(status));
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[1], &status, 1);
}

} // namespace

CloseGuard::CloseGuard(Signals signals)
{
    if (signals != Signals::Caught || ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_catching = true;
    struct sigaction action
    {};
    action.sa_handler = onSignal;
    // Each handler holds the others back: one nested in another would write its status first.
    sigemptyset(&action.sa_mask);
    for (const int number : kCaught)
        sigaddset(&action.sa_mask, number);
    action.sa_flags = SA_RESTART;
    for (const int number : kCaught) {
        // A signal ignored from the start stays ignored: a shell does so for SIGINT in a program
        // it starts in the background, nohup for SIGHUP.
        struct sigaction before
        {};
        if (::sigaction(number, nullptr, &before) == 0 && before.sa_handler != SIG_IGN)
            ::sigaction(number, &action, nullptr);
    }
}

CloseGuard::~CloseGuard()
{
    if (!m_catching)
        return;
    g_listening = 0; // the handler stays, ending the program at once as before listen()
    delete m_notifier;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
}

void CloseGuard::listen()
{
    m_listening = true;
    if (!m_catching)
        return;
    // A child of the application, so that it goes before the event loop's dispatcher does.
    m_notifier =
        new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    connect(m_notifier, &QSocketNotifier::activated, this, &CloseGuard::takeSignals);
    g_listening = 1;
}

void CloseGuard::takeSignals()
{
    char status = 0;
    while (::read(g_pipe[0], &status, 1) == 1)
        request(static_cast<ExitStatus>(static_cast<unsigned char>(status)));
}

void CloseGuard::request(ExitStatus status)
{
    if (!m_closing) {
        m_closing = true;
        m_status = status;
        Q_EMIT closingStarted();
    }
    // Every time: the event loop forgets an exit asked for before it started.
    if (m_listening)
        QCoreApplication::exit(exitCode(m_status));
}
