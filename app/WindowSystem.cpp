#include "WindowSystem.h"

#include "ExitStatus.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace {

QStringList &held()
{
    static QStringList messages;
    return messages;
}

void holdWhileOpening(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        const QByteArray x11 = qgetenv("DISPLAY");
        const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
        const QByteArray where = x11.isEmpty() && wayland.isEmpty()
                                     ? QByteArray("neither DISPLAY nor WAYLAND_DISPLAY is set")
                                     : "DISPLAY=" + x11 + " WAYLAND_DISPLAY=" + wayland;
        std::fprintf(stderr,
                     "quillow: needs a graphical desktop, but none answers (%s); start it from "
                     "a desktop session\n",
                     where.constData());
        std::_Exit(exitCode(ExitStatus::NoDisplay));
    }
    held() << qFormatLogMessage(type, context, message);
}

} // namespace

std::unique_ptr<QApplication> openWindowSystem(int &argc, char *argv[])
{
    const QtMessageHandler previous = qInstallMessageHandler(holdWhileOpening);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    for (const QString &message : std::as_const(held()))
        std::fprintf(stderr, "%s\n", qPrintable(message));
    held().clear();
    return app;
}
