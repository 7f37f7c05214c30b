#pragma once

#include <functional>
#include <memory>

class QSocketNotifier;

// SIGTERM and SIGHUP (a logout, a plain `kill`) taken as a request to close the window, so that
// the game ends as when the player closes it, with status 0. The signal only writes a byte to a
// pipe; onRequest runs later on the user-interface thread, even during a sound. One at a time.
class TerminationRequest
{
public:
    explicit TerminationRequest(std::function<void()> onRequest);
    ~TerminationRequest();
    TerminationRequest(const TerminationRequest &) = delete;
    TerminationRequest &operator=(const TerminationRequest &) = delete;

private:
    std::function<void()> m_onRequest;
    std::unique_ptr<QSocketNotifier> m_notifier;
};
