#include "FileErrorPrompt.h"

#include "RunTimeError.h"
#include "Utf8Text.h"

std::optional<FileErrorPrompt::Question> FileErrorPrompt::questionFor(const RunTimeError &error)
{
    switch (error.number()) {
    case ErrorNumber::FileNotFound:
    case ErrorNumber::PathNotFound:
        return Question{error.filePath().isEmpty()
                            ? NotFoundText
                            : NotFoundText + QStringLiteral("\r\n\r\nFile: ") +
                                  Utf8Text::shown(error.filePath()),
                        NotFoundTitle, MessageBoxKind::Ok};
    case ErrorNumber::DiskNotReady:
        return Question{NotReadyText, NotReadyTitle, MessageBoxKind::RetryCancelQuestion};
    default:
        return std::nullopt;
    }
}

bool FileErrorPrompt::triesAgain(const Question &question, MessageBoxAnswer answer)
{
    return question.kind == MessageBoxKind::RetryCancelQuestion &&
           answer == MessageBoxAnswer::Retry;
}
