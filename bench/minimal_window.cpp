// The yardstick for start-up time and memory: a Qt Widgets program that opens one empty window
// of the game's size. With --text it also shows one label, so that Qt loads its fonts as every
// program that draws text does.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(792, 424);
    if (app.arguments().contains(QStringLiteral("--text")))
        (new QLabel(QStringLiteral("Please enter your name:"), &window))->move(10, 10);
    window.show();
    return app.exec();
}
