#include "CommandLine.h"
#include "DesktopServices.h"
#include "GameLauncher.h"
#include "WindowSystem.h"

#include <QApplication>

#include <csignal>

int main(int argc, char *argv[])
{
    // A file-size limit makes a write fail with an error the game reports, instead of killing it.
    std::signal(SIGXFSZ, SIG_IGN);
    CommandLine line(argc, argv);
    if (const std::optional<int> status = line.answerWithoutWindow(argc, argv))
        return *status;
    const std::unique_ptr<QApplication> app = openWindowSystem(argc, argv);
    if (const std::optional<int> status = line.read(*app))
        return *status;
    // The desktop entry's name, by which docks and task switchers match the window to its entry,
    // its name and its icon: the application id on Wayland, the window class on X11.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quillow.Quillow"));
    QCoreApplication::setApplicationName(QStringLiteral("org.quillow.Quillow"));
    DesktopServices services(line.muted());
    return runQuillow(services, line.wordFile(), [&services, &line] {
        services.prepareSound();
        if (!line.notice().isEmpty())
            services.showMessage(line.notice(), QStringLiteral("Quillow"),
                                 MessageBoxKind::OkWarning);
    });
}
