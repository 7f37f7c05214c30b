#include "DesktopServices.h"
#include "GameLauncher.h"
#include "ProgramFolder.h"
#include "WordFileFormat.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>

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

struct Options
{
    QByteArray wordFile; // decided here once: the player's choice or the program's own
    bool muted = false;
    QString notice; // shown once the window is shown, when not empty
};

// Reads the command line; --help, --version and a wrong option print their text and end the
// program.
Options parseOptions(const QCoreApplication &app)
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
    Options options;
    options.wordFile = parser.isSet(kWords) ? absolutePath(QFile::encodeName(parser.value(kWords)))
                                            : WordFileFormat::pathInFolder(programFolder());
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
    const Options options = parseOptions(app);
    DesktopServices services(options.muted);
    return runQuillow(services, options.wordFile, [&services, &options] {
        services.prepareSound();
        if (!options.notice.isEmpty())
            services.showMessage(options.notice, QStringLiteral("Quillow"),
                                 MessageBoxKind::OkWarning);
    });
}
