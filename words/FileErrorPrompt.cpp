#include "FileErrorPrompt.h"

#include "IPlatformServices.h"

void FileErrorPrompt::askToRetry(IPlatformServices &services, const RunTimeError &error)
{
    switch (error.number()) {
    case ErrorNumber::FileNotFound:
    case ErrorNumber::PathNotFound:
        services.showMessage(NotFoundText, NotFoundTitle, MessageBoxKind::Ok);
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
