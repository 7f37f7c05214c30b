#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class QCoreApplication;

// The game's command line: --words FILE, --mute, --help, --version, and --notice TEXT from the
// launcher. The word file's name is kept as the bytes the system passed, since a file name need
// not be UTF-8. Help, the version and a wrong command line are answered on the terminal, without
// a window.
class CommandLine
{
public:
    // Reads what must be known before the window system is opened.
    CommandLine(int argc, char *argv[]);

    // Prints help, the version or what is wrong with the command line and returns the exit
    // status; nothing when the game is to start. Needs no display.
    std::optional<int> answerWithoutWindow(int argc, char *argv[]) const;
    // Reads the options once the application exists (it has taken Qt's own options off the
    // line); prints an unknown option with the usage and returns its status.
    std::optional<int> read(const QCoreApplication &app);

    // The word file: the one named, or Dictionary.txt beside the program.
    QByteArray wordFile() const;
    bool muted() const { return m_muted; }
    // Shown once the window is shown, when not empty.
    QString notice() const { return m_notice; }

private:
    std::optional<QByteArray> m_words;
    QString m_error;
    bool m_textOnly = false;
    bool m_muted = false;
    QString m_notice;
};
