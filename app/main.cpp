#include "DesktopServices.h"
#include "GameLauncher.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

#include <csignal>
#include <cstring>

namespace {

const QCommandLineOption kWords(QStringLiteral("words"),
                                QStringLiteral("Play with the word file FILE, and add words to it, "
                                               "instead of Dictionary.txt beside the program."),
                                QStringLiteral("FILE"));
// Used by the launcher to say why the player's own word file could not be made.
const QCommandLineOption kNotice(QStringLiteral("notice"), QStringLiteral("Shown once at start."),
                                 QStringLiteral("TEXT"));
const QCommandLineOption kMute(QStringLiteral("mute"),
                               QStringLiteral("Play no sound at all; the game keeps its pace."));

// Reads the command line; --help, --version and a wrong option print their text and end the
// program.
DesktopServices::Options parseOptions(const QCoreApplication &app)
{
    QCoreApplication::setApplicationName(QStringLiteral("quillow"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILLOW_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Quillow: guess the secret word, one letter at a time, before the figure "
                       "is drawn. The sounds are read from the current folder."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(kWords);
    parser.addOption(kMute);
    QCommandLineOption notice = kNotice;
    notice.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(notice);
    parser.process(app);
    DesktopServices::Options options;
    if (parser.isSet(kWords))
        options.wordFile = QFileInfo(parser.value(kWords)).absoluteFilePath();
    options.muted = parser.isSet(kMute);
    options.notice = parser.value(kNotice);
    return options;
}

// Help and the version need no display: they are answered before the window system is opened.
bool asksForTextOnly(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i)
        for (const char *option : {"-h", "--help", "--help-all", "-v", "--version", "-?"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    // A file-size limit makes a write fail with an error the game reports, instead of killing it.
    std::signal(SIGXFSZ, SIG_IGN);
    if (asksForTextOnly(argc, argv)) {
        QCoreApplication app(argc, argv);
        parseOptions(app);
        return 0;
    }
    QApplication app(argc, argv); // takes Qt's own options (-platform ...) off the line
    const DesktopServices::Options options = parseOptions(app);
    DesktopServices services(options);
    return runQuillow(services, [&services, &options] {
        services.prepareSound();
        if (!options.notice.isEmpty())
            services.showMessage(options.notice, QStringLiteral("Quillow"),
                                 MessageBoxFlags::Exclamation);
    });
}
