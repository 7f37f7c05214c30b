#include "CommandLine.h"

#include "ExitStatus.h"
#include "WordFileFormat.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

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

void configure(QCommandLineParser &parser)
{
    QCoreApplication::setApplicationName(QStringLiteral("quillow"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILLOW_VERSION));
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
}

int wrongCommandLine(const QString &what)
{
    std::fprintf(stderr, "quillow: %s\n%s\n", qPrintable(what), kUsage);
    return exitCode(ExitStatus::UsageError);
}

} // namespace

CommandLine::CommandLine(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--")
            break;
        if (argument == "--words" && i + 1 < argc)
            m_words = QByteArray(argv[++i]);
        else if (argument.startsWith("--words="))
            m_words = argument.mid(qsizetype(sizeof "--words=") - 1);
        for (const char *text : {"-h", "--help", "--help-all", "-v", "--version", "-?"})
            m_textOnly = m_textOnly || argument == text;
    }
    if (m_words && m_words->isEmpty())
        m_error = QStringLiteral("--words needs the name of a word file");
    else if (m_words && m_words->startsWith('-'))
        m_error = QStringLiteral("--words needs the name of a word file, not an option such as "
                                 "\"%1\" (a file of that name can be given as \"./%1\")")
                      .arg(QString::fromLocal8Bit(*m_words));
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
    if (!parser.parse(app.arguments()))
        return wrongCommandLine(parser.errorText());
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    parser.showHelp(0);
}

std::optional<int> CommandLine::read(const QCoreApplication &app)
{
    QCommandLineParser parser;
    configure(parser);
    if (!parser.parse(app.arguments()))
        return wrongCommandLine(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return wrongCommandLine(
            QStringLiteral("unexpected \"%1\"").arg(parser.positionalArguments().first()));
    m_muted = parser.isSet(kMute);
    m_notice = parser.value(kNotice);
    return std::nullopt;
}

QByteArray CommandLine::wordFile() const
{
    return m_words ? *m_words
                   : WordFileFormat::pathInFolder(
                         QFile::encodeName(QCoreApplication::applicationDirPath()));
}
