#include "GameLauncher.h"

#include "GameExecutive.h"
#include "IPlatformServices.h"
#include "ProgramEnd.h"
#include "RunTimeError.h"
#include "StartupError.h"
#include "TerminationRequest.h"

#include <QApplication>

#include <new>

int runQuillow(IPlatformServices &services, const QByteArray &wordFile,
               const std::function<void()> &afterShown)
{
    GameExecutive window(services, wordFile);
    try {
        try {
            window.Form_Load();
        } catch (const std::bad_alloc &) {
            throw RunTimeError(ErrorNumber::OutOfMemory);
        }
    } catch (const ProgramEnd &end) {
        return end.exitStatus();
    } catch (const RunTimeError &error) {
        services.showMessage(startupErrorText(error), QStringLiteral("Quillow"),
                             MessageBoxKind::OkError);
        return exitCode(ExitStatus::WordFileUnreadable);
    }
    // A logout or a kill closes the window as the player would.
    const TerminationRequest termination([&window] { window.requestClose(); });
    window.show();
    if (!window.isHidden() && afterShown)
        afterShown();
    if (window.isHidden()) // closed while a message box of the start was open
        return exitCode(ExitStatus::Normal);
    return QApplication::exec();
}
