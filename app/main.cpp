#include "DesktopServices.h"
#include "GameLauncher.h"

#include <QApplication>

#include <csignal>

int main(int argc, char *argv[])
{
    // A file-size limit makes a write fail with an error the game reports, instead of killing it.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    DesktopServices services;
    return runQuillow(services);
}
