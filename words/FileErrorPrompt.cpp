#include "FileErrorPrompt.h"

#include "IPlatformServices.h"
#include "Utf8Text.h"

void FileErrorPrompt::retryOrGiveUp(IPlatformServices &services, const RunTimeError &error)
{
    switch (error.number()) {
    case ErrorNumber::FileNotFound:
    case ErrorNumber::PathNotFound:
        services.showMessage(error.filePath().isEmpty()
                                 ? NotFoundText
                                 : NotFoundText + QStringLiteral("\r\n\r\nFile: ") +
                                       Utf8Text::shown(error.filePath()),
                             NotFoundTitle, MessageBoxKind::Ok);
        throw GivenUp();
    case ErrorNumber::DiskNotReady:
        if (services.showMessage(NotReadyText, NotReadyTitle,
                                 MessageBoxKind::RetryCancelQuestion) == MessageBoxAnswer::Retry)
            return;
        throw GivenUp();
    default:
        throw error;
    }
}
