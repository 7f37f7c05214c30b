#include "CloseGuard.h"
#include "CommandLine.h"
#include "DesktopServices.h"
#include "GameLauncher.h"
#include "RealClock.h"
#include "StandardStreams.h"
#include "WindowSystem.h"

#include <QApplication>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#ifdef __SANITIZE_ADDRESS__
#include <sanitizer/lsan_interface.h>
#endif

namespace {

[[noreturn]] void endProgram(int status)
{
    std::fflush(nullptr);
#ifdef __SANITIZE_ADDRESS__
    __lsan_do_leak_check(); // at exit it would not run
#endif
    std::_Exit(status);
}

// Once the window shows: the sound device opened, and the launcher's notice told.
Task<> afterShown(DesktopServices &services, QString notice)
{
    services.prepareSound();
    if (!notice.isEmpty())
        co_await services.showMessage(notice, QStringLiteral("Quillow"), MessageBoxKind::OkWarning);
}

} // namespace

int main(int argc, char *argv[])
{
    CloseGuard guard(CloseGuard::Signals::Caught);
    occupyClosedStandardStreams();
    // A file-size limit makes a write fail with an error the game reports, instead of killing it.
    std::signal(SIGXFSZ, SIG_IGN);
    CommandLine line(argc, argv);
    if (const std::optional<int> status = line.answerWithoutWindow(argc, argv))
        return *status;
    const std::unique_ptr<QApplication> app = openWindowSystem(argc, argv);
    guard.listen();
    // The guard alone decides when the game ends.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    // The desktop entry's name, by which docks and task switchers match the window to its entry,
    // its name and its icon: the application id on Wayland. The application's name is what a
    // screen reader calls it, and the window class on X11 (the entry's StartupWMClass).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quillow.Quillow"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillow"));
    RealClock clock(guard);
    DesktopServices services(guard, clock, line.muted());
    // Once the game has ended its word file is on the disk. Taking Qt down then could only delay
    // the end: Qt's Wayland client, waiting for its reading thread, at times waits for ever.
    return launchGame(
        services, guard, line.wordFile(),
        [&services, &line] { return afterShown(services, line.notice()); }, endProgram);
}
