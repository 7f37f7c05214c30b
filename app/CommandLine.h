#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The game's command line: --words FILE, --mute, --help, --version, and --notice TEXT from the
// launcher, beside the options of Qt's window system (-style, -platform...). The word file's name
// is kept as the bytes the system passed, since a file name need not be UTF-8. Help, the version
// and a wrong command line are answered on the terminal, before any window system is opened.
class CommandLine
{
public:
    // Reads the whole command line; needs no display.
    CommandLine(int argc, char *argv[]);

    // Prints help, the version or what is wrong with the command line and returns the exit
    // status; nothing when the game is to start. Needs no display.
    std::optional<int> answerWithoutWindow(int argc, char *argv[]) const;
    // The word file: the one named, or Dictionary.txt beside the program.
    QByteArray wordFile() const;
    bool muted() const { return m_muted; }
    // Shown once the window is shown, when not empty.
    QString notice() const { return m_notice; }

private:
    std::optional<QByteArray> m_words;
    QString m_error;
    bool m_textOnly = false;
    bool m_version = false;
    bool m_muted = false;
    QString m_notice;
};
