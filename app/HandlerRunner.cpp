#include "HandlerRunner.h"

#include "CloseGuard.h"
#include "IPlatformServices.h"
#include "ProgramEnd.h"
#include "RunTimeError.h"

#include <QCoreApplication>
#include <QWidget>

#include <new>

HandlerRunner::HandlerRunner(QWidget &window, IPlatformServices &services, const CloseGuard &guard,
                             std::function<void()> afterEach)
    : m_window(window), m_services(services), m_guard(guard), m_afterEach(std::move(afterEach))
{}

void HandlerRunner::run(const std::function<void()> &handler)
{
    m_waiting.push_back(handler);
    if (m_running)
        return; // its turn comes when the running handler has ended
    m_running = true;
    while (!m_waiting.empty() && !m_guard.isClosing()) {
        const std::function<void()> next = m_waiting.front();
        m_waiting.pop_front();
        runNow(next);
    }
    m_waiting.clear();
    m_running = false;
}

void HandlerRunner::runNow(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const ProgramEnd &end) {
        QCoreApplication::exit(end.exitStatus());
    } catch (const RunTimeError &error) {
        endWithRunTimeError(error.number());
    } catch (const std::bad_alloc &) {
        endWithRunTimeError(ErrorNumber::OutOfMemory);
    }
    if (m_window.isVisible() && m_afterEach)
        m_afterEach();
}

void HandlerRunner::endWithRunTimeError(int number)
{
    try {
        m_services.showMessage(QStringLiteral("Run-time error '%1':\n\n%2")
                                   .arg(QString::number(number), RunTimeError::describe(number)),
                               QStringLiteral("Quillow"), MessageBoxKind::OkError);
    } catch (const ProgramEnd &) { // closed while the error was told: it still ends the game
    }
    m_window.hide();
    QCoreApplication::exit(exitCode(ExitStatus::RunTimeError));
}
