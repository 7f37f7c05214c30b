// The yardstick for start-up time and memory: a Qt Widgets program that opens one empty window
// of the game's size.

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(792, 424);
    window.show();
    return app.exec();
}
