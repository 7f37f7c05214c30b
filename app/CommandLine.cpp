#include "CommandLine.h"

#include "ExitStatus.h"
#include "WordFileFormat.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

const char kUsage[] = "Usage: quillow [--words FILE] [--mute]   (--help explains)";

const QCommandLineOption kWords(QStringLiteral("words"),
                                QStringLiteral("Play with the word file FILE, and add words to it, "
                                               "instead of Dictionary.txt beside the program."),
                                QStringLiteral("FILE"));
const QCommandLineOption kMute(QStringLiteral("mute"),
                               QStringLiteral("Play no sound at all; the game keeps its pace."));
// Used by the launcher to say why the player's own word file could not be made.
const QCommandLineOption kNotice(QStringLiteral("notice"), QStringLiteral("Shown once at start."),
                                 QStringLiteral("TEXT"));

// The options Qt's window system takes for itself (the application object removes them), so
// that they are no usage error here, where they are read before any window system is opened.
const char *const kQtOptionsWithValue[] = {"platform",      "platformpluginpath",
                                           "platformtheme", "plugin",
                                           "qmljsdebugger", "qwindowgeometry",
                                           "qwindowicon",   "qwindowtitle",
                                           "session",       "style",
                                           "stylesheet",    "display",
                                           "geometry",      "title",
                                           "name"};
const char *const kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void configure(QCommandLineParser &parser)
{
    QCoreApplication::setApplicationName(QStringLiteral("quillow"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILLOW_VERSION));
    parser.setApplicationDescription(
        QStringLiteral("Quillow: guess the secret word, one letter at a time, before the figure "
                       "is drawn. The sounds are read from the current folder."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions); // Qt's "-style"
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(kWords);
    parser.addOption(kMute);
    QList<QCommandLineOption> hidden{kNotice};
    for (const char *name : kQtOptionsWithValue)
        hidden << QCommandLineOption(QString::fromLatin1(name), {}, QStringLiteral("value"));
    for (const char *name : kQtFlags)
        hidden << QCommandLineOption(QString::fromLatin1(name));
    for (QCommandLineOption &option : hidden) {
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

int wrongCommandLine(const QString &what)
{
    std::fprintf(stderr, "quillow: %s\n%s\n", qPrintable(what), kUsage);
    return exitCode(ExitStatus::UsageError);
}

// The value of --words as the bytes the system passed: a file name need not be UTF-8.
std::optional<QByteArray> wordsAsGiven(int argc, char *argv[])
{
    std::optional<QByteArray> words;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--")
            break;
        if (argument == "--words" && i + 1 < argc)
            words = QByteArray(argv[++i]);
        else if (argument.startsWith("--words="))
            words = argument.mid(qsizetype(sizeof "--words=") - 1);
    }
    return words;
}

} // namespace

CommandLine::CommandLine(int argc, char *argv[]) : m_words(wordsAsGiven(argc, argv))
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    configure(parser);
    if (!parser.parse(arguments))
        m_error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        m_error = QStringLiteral("unexpected \"%1\"").arg(parser.positionalArguments().first());
    else if (m_words && m_words->isEmpty())
        m_error = QStringLiteral("--words needs the name of a word file");
    else if (m_words && m_words->startsWith('-'))
        m_error = QStringLiteral("--words needs the name of a word file, not an option such as "
                                 "\"%1\" (a file of that name can be given as \"./%1\")")
                      .arg(QString::fromLocal8Bit(*m_words));
    m_textOnly = parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version"));
    m_version = parser.isSet(QStringLiteral("version"));
    m_muted = parser.isSet(kMute);
    m_notice = parser.value(kNotice);
}

std::optional<int> CommandLine::answerWithoutWindow(int argc, char *argv[]) const
{
    if (!m_error.isEmpty())
        return wrongCommandLine(m_error);
    if (!m_textOnly)
        return std::nullopt;
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    configure(parser);
    if (m_version)
        parser.showVersion();
    parser.showHelp(0);
}

QByteArray CommandLine::wordFile() const
{
    return m_words ? *m_words : WordFileFormat::besideProgram();
}
