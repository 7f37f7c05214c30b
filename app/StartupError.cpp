#include "StartupError.h"

#include "RunTimeError.h"
#include "WordFileFormat.h"

#include <QDir>

namespace {

QString explanation(const RunTimeError &error)
{
    switch (error.number()) {
    case ErrorNumber::InputPastEndOfFile:
        return QStringLiteral("The last word is marked \"*\" as an adult word, but the file ends "
                              "before its definition line.");
    case ErrorNumber::SubscriptOutOfRange:
        return QStringLiteral("A level can hold at most %1 words; this one has more.")
            .arg(WordFileFormat::MaxEntriesPerLevel);
    default:
        return error.detail().isEmpty() ? QString() : error.detail() + u'.';
    }
}

} // namespace

QString startupErrorText(const RunTimeError &error)
{
    QString text = QStringLiteral("Quillow cannot start: its word file could not be read.\n\n"
                                  "Error %1: %2.\n")
                       .arg(error.number())
                       .arg(error.description());
    const QString why = explanation(error);
    if (!why.isEmpty())
        text += why + u'\n';
    if (!error.filePath().isEmpty())
        text += QStringLiteral("\nFile: %1").arg(QDir::toNativeSeparators(error.filePath()));
    if (error.lineNumber() > 0)
        text += QStringLiteral("\nReading stopped at line %1.").arg(error.lineNumber());
    return text;
}
