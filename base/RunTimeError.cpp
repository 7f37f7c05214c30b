#include "RunTimeError.h"

RunTimeError::RunTimeError(int number, QString detail)
    : m_number(number), m_detail(std::move(detail))
{
    m_what = QStringLiteral("Run-time error %1: %2").arg(m_number).arg(describe(m_number)).toUtf8();
}

void RunTimeError::setPlace(const QByteArray &filePath, int lineNumber)
{
    m_filePath = filePath;
    m_lineNumber = lineNumber;
}

const char *RunTimeError::what() const noexcept
{
    return m_what.constData();
}

QString RunTimeError::describe(int number)
{
    switch (number) {
    case ErrorNumber::InvalidProcedureCall:
        return QStringLiteral("Invalid procedure call or argument");
    case ErrorNumber::Overflow:
        return QStringLiteral("Overflow");
    case ErrorNumber::OutOfMemory:
        return QStringLiteral("Out of memory");
    case ErrorNumber::SubscriptOutOfRange:
        return QStringLiteral("Subscript out of range");
    case ErrorNumber::BadFileName:
        return QStringLiteral("Bad file name or number");
    case ErrorNumber::FileNotFound:
        return QStringLiteral("File not found");
    case ErrorNumber::DeviceIOError:
        return QStringLiteral("Device I/O error");
    case ErrorNumber::DiskFull:
        return QStringLiteral("Disk full");
    case ErrorNumber::InputPastEndOfFile:
        return QStringLiteral("Input past end of file");
    case ErrorNumber::TooManyFiles:
        return QStringLiteral("Too many files");
    case ErrorNumber::PermissionDenied:
        return QStringLiteral("Permission denied");
    case ErrorNumber::DiskNotReady:
        return QStringLiteral("Disk not ready");
    case ErrorNumber::PathFileAccessError:
        return QStringLiteral("Path/File access error");
    case ErrorNumber::PathNotFound:
        return QStringLiteral("Path not found");
    }
    return QStringLiteral("Application-defined or object-defined error");
}
