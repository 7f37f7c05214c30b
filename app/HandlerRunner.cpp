#include "HandlerRunner.h"

#include "CloseGuard.h"
#include "IPlatformServices.h"
#include "RunTimeError.h"

#include <QCoreApplication>
#include <QWidget>

#include <new>

HandlerRunner::HandlerRunner(QWidget &window, IPlatformServices &services, const CloseGuard &guard,
                             std::function<void()> afterEach)
    : m_window(window), m_services(services), m_guard(guard), m_afterEach(std::move(afterEach))
{}

void HandlerRunner::run(Handler handler)
{
    m_waiting.push_back(std::move(handler));
    next();
}

void HandlerRunner::next()
{
    while (m_running.hasEnded() && !m_waiting.empty() && !m_guard.isClosing()) {
        Handler handler = std::move(m_waiting.front());
        m_waiting.pop_front();
        m_running = runOne(std::move(handler));
        // The next turn comes from the event loop: the handler that ends is still on the stack.
        m_running.start([this] {
            QMetaObject::invokeMethod(
                &m_context, [this] { next(); }, Qt::QueuedConnection);
        });
    }
}

Task<> HandlerRunner::runOne(Handler handler)
{
    int error = 0;
    try {
        co_await handler();
    } catch (const RunTimeError &e) {
        error = e.number();
    } catch (const std::bad_alloc &) {
        error = ErrorNumber::OutOfMemory;
    }
    if (error == 0) {
        if (m_window.isVisible() && m_afterEach)
            m_afterEach();
        co_return;
    }
    co_await m_services.showMessage(QStringLiteral("Run-time error '%1':\n\n%2")
                                        .arg(QString::number(error), RunTimeError::describe(error)),
                                    QStringLiteral("Quillow"), MessageBoxKind::OkError);
    m_window.hide();
    QCoreApplication::exit(exitCode(ExitStatus::RunTimeError));
}
