#include "FileErrorPrompt.h"

#include "IPlatformServices.h"
#include "RunTimeError.h"

FileErrorPrompt::Outcome FileErrorPrompt::ask(IPlatformServices &services,
                                              const RunTimeError &error)
{
    switch (error.number()) {
    case ErrorNumber::FileNotFound:
    case ErrorNumber::PathNotFound:
        services.showMessage(NotFoundText, NotFoundTitle, MessageBoxFlags::OkOnly);
        return Outcome::GiveUp;
    case ErrorNumber::DiskNotReady: {
        const int answer = services.showMessage(
            NotReadyText, NotReadyTitle, MessageBoxFlags::RetryCancel | MessageBoxFlags::Question);
        return answer == MessageBoxAnswer::Retry ? Outcome::Retry : Outcome::GiveUp;
    }
    default:
        return Outcome::PassOn;
    }
}
