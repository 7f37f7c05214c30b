#include "StartupError.h"

#include "RunTimeError.h"
#include "Utf8Text.h"
#include "WordFileLoader.h"

QString startupErrorText(const RunTimeError &error)
{
    QString text = QStringLiteral("Quillow cannot start: its word file could not be read.\n\n"
                                  "Error %1: %2.\n")
                       .arg(error.number())
                       .arg(error.description());
    const QString why = WordFileLoader::explain(error);
    if (why != error.description())
        text += why + QStringLiteral(".\n");
    if (!error.filePath().isEmpty())
        text += QStringLiteral("\nFile: %1").arg(Utf8Text::shown(error.filePath()));
    if (error.lineNumber() > 0)
        text += QStringLiteral("\nReading stopped at line %1.").arg(error.lineNumber());
    return text;
}
