#include "GameLauncher.h"

#include "CloseGuard.h"
#include "GameExecutive.h"
#include "IPlatformServices.h"
#include "ProgramEnd.h"
#include "RunTimeError.h"
#include "StartupError.h"

#include <QApplication>

#include <new>

int launchGame(IPlatformServices &services, CloseGuard &guard, const QByteArray &wordFile,
               const std::function<void()> &afterShown)
{
    GameExecutive window(services, guard, wordFile);
    try {
        try {
            window.Form_Load();
        } catch (const std::bad_alloc &) {
            throw RunTimeError(ErrorNumber::OutOfMemory);
        }
    } catch (const ProgramEnd &end) {
        return end.exitStatus();
    } catch (const RunTimeError &error) {
        try {
            services.showMessage(startupErrorText(error), QStringLiteral("Quillow"),
                                 MessageBoxKind::OkError);
        } catch (const ProgramEnd &end) {
            return end.exitStatus();
        }
        return exitCode(ExitStatus::WordFileUnreadable);
    }
    window.show();
    try {
        if (afterShown)
            afterShown();
    } catch (const ProgramEnd &end) {
        return end.exitStatus();
    }
    // The event loop would forget a close that came before it started.
    if (guard.isClosing())
        return exitCode(guard.exitStatus());
    return QApplication::exec();
}
