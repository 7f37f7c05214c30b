// quillow-check-words: reads a Quillow word file the way the game does and says what is wrong
// with it, one line per finding.

#include "ExitStatus.h"
#include "StandardStreams.h"
#include "Utf8Text.h"
#include "WordFileChecker.h"
#include "WordFileFormat.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

const char kHelp[] =
    "Usage: quillow-check-words [FILE]\n"
    "\n"
    "Reads a Quillow word file with the game's own loader and prints one line per finding,\n"
    "with its line number:\n"
    "  - a word longer than %1 characters, which the game skips;\n"
    "  - a word with characters no letter button can guess (a space, a hyphen, a digit,\n"
    "    an accented letter), so that a game of it can only be lost;\n"
    "  - an empty word, or an adult word with an empty definition;\n"
    "  - a word that stands twice in the same level;\n"
    "  - a line that is not UTF-8 text;\n"
    "  - a level with no word that can be played;\n"
    "  - what stops the game from starting: an adult word (\"*\" line) at the very end\n"
    "    without its definition, more than %2 words of one level, a file that cannot be\n"
    "    read; and a file with no word that can be played at all, with the likely cause.\n"
    "It ends with the number of words of each level.\n"
    "\n"
    "FILE defaults to Dictionary.txt beside this program. The file format: one line per child\n"
    "word; an adult word is a line \"*\" followed by the word, then a line with its\n"
    "definition; lines end with CR LF.\n"
    "\n"
    "Exit status: 0 when nothing was found, 1 when there are only warnings, 2 when the game\n"
    "could not start with this file or has no word in it to play, 3 when the report could not\n"
    "be written, 64 when the command line is wrong.\n";

constexpr int kReportNotWritten = 3;

} // namespace

int main(int argc, char *argv[])
{
    occupyClosedStandardStreams();
    // The file's name as the system passed it: it need not be UTF-8.
    const QByteArray named = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        const QString help =
            QString::fromUtf8(kHelp).arg(QString::number(WordFileFormat::MaxWordLength),
                                         QString::number(WordFileFormat::MaxEntriesPerLevel));
        std::fputs(qPrintable(help), stdout);
        return 0;
    }
    if (args.size() > 1 || named.startsWith('-') || (args.size() == 1 && named.isEmpty())) {
        std::fputs("usage: quillow-check-words [FILE]   (--help explains)\n", stderr);
        return exitCode(ExitStatus::UsageError);
    }
    const QByteArray path = args.isEmpty() ? WordFileFormat::besideProgram() : named;

    const WordFileChecker::Report report = WordFileChecker::check(path);
    const QString file = Utf8Text::shown(path, WordFileChecker::printable);
    for (const auto &finding : report.findings) {
        const char *severity =
            finding.severity == WordFileChecker::Finding::Severity::Error ? "error" : "warning";
        const QString where = finding.line > 0 ? file + u':' + QString::number(finding.line) : file;
        std::printf("%s: %s: %s\n", qPrintable(where), severity, qPrintable(finding.text));
    }
    std::printf("%d adult words, %d child words; %lld finding%s\n", report.adultWords,
                report.childWords, static_cast<long long>(report.findings.size()),
                report.findings.size() == 1 ? "" : "s");
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "quillow-check-words: the report could not be written: %s\n",
                     std::strerror(errno));
        return kReportNotWritten;
    }
    return report.exitStatus();
}
