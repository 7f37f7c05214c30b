#include "GameLauncher.h"

#include "ExitStatus.h"
#include "GameExecutive.h"
#include "IPlatformServices.h"
#include "RunTimeError.h"
#include "StartupError.h"

#include <QApplication>

#include <optional>

namespace {

Task<> startUp(GameExecutive &window, IPlatformServices &services,
               HandlerRunner::Handler afterShown)
{
    std::optional<RunTimeError> failed;
    bool loaded = false;
    try {
        loaded = co_await window.Form_Load();
    } catch (const RunTimeError &error) {
        failed = error;
    }
    if (failed) {
        co_await services.showMessage(startupErrorText(*failed), QStringLiteral("Quillow"),
                                      MessageBoxKind::OkError);
        QCoreApplication::exit(exitCode(ExitStatus::WordFileUnreadable));
    } else if (!loaded) {
        QCoreApplication::exit(exitCode(ExitStatus::WordFileMissing));
    } else {
        window.show(); // which asks for Form_Activate
        if (afterShown)
            window.schedule(std::move(afterShown));
    }
}

} // namespace

void startGame(GameExecutive &window, IPlatformServices &services,
               HandlerRunner::Handler afterShown)
{
    window.schedule(
        [&window, &services, afterShown] { return startUp(window, services, afterShown); });
}

int launchGame(IPlatformServices &services, CloseGuard &guard, const QByteArray &wordFile,
               HandlerRunner::Handler afterShown, const std::function<void(int)> &end)
{
    GameExecutive window(services, guard, wordFile);
    startGame(window, services, std::move(afterShown));
    const int status = QApplication::exec();
    if (end)
        end(status);
    return status;
}
