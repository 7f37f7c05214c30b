#include "DesktopServices.h"
#include "GameExecutive.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    DesktopServices services;
    GameExecutive window(services);
    window.show();
    return app.exec();
}
