#include "HandlerRunner.h"

#include "ProgramEnd.h"
#include "RunTimeError.h"

#include <QCoreApplication>
#include <QWidget>

#include <new>

HandlerRunner::HandlerRunner(QWidget &window, IPlatformServices &platform,
                             std::function<void()> afterEach)
    : m_window(window), m_platform(platform), m_services(platform),
      m_afterEach(std::move(afterEach))
{}

void HandlerRunner::run(const std::function<void()> &handler)
{
    ++m_running;
    try {
        handler();
    } catch (const ProgramEnd &end) { // only after a close, which has hidden the window
        QCoreApplication::exit(end.exitStatus());
    } catch (const RunTimeError &error) {
        endWithRunTimeError(error.number());
    } catch (const std::bad_alloc &) {
        endWithRunTimeError(ErrorNumber::OutOfMemory);
    }
    --m_running;
    if (m_window.isVisible() && m_afterEach)
        m_afterEach();
    // Closed while a handler ran that did not wait again afterwards.
    if (m_running == 0 && m_services.stopped())
        QCoreApplication::exit(exitCode(ExitStatus::Normal));
}

bool HandlerRunner::deferClose()
{
    if (m_running == 0)
        return false;
    m_window.hide();
    m_services.stop();
    return true;
}

void HandlerRunner::endWithRunTimeError(int number)
{
    m_platform.showMessage(QStringLiteral("Run-time error '%1':\n\n%2")
                               .arg(QString::number(number), RunTimeError::describe(number)),
                           QStringLiteral("Quillow"), MessageBoxKind::OkError);
    m_window.hide();
    QCoreApplication::exit(exitCode(ExitStatus::RunTimeError));
}
