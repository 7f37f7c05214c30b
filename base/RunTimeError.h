#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// The numbers the game's run-time errors carry. Callers catch RunTimeError and decide by number.
namespace ErrorNumber {
constexpr int InvalidProcedureCall = 5;
constexpr int Overflow = 6;
constexpr int OutOfMemory = 7;
constexpr int SubscriptOutOfRange = 9;
constexpr int BadFileName = 52;
constexpr int FileNotFound = 53;
constexpr int DeviceIOError = 57;
constexpr int DiskFull = 61;
constexpr int InputPastEndOfFile = 62;
constexpr int TooManyFiles = 67;
constexpr int PermissionDenied = 70;
constexpr int DiskNotReady = 71;
constexpr int PathFileAccessError = 75;
constexpr int PathNotFound = 76;
} // namespace ErrorNumber

// A numbered run-time error. It may carry the system's own reason (detail) and, for errors met
// while reading a file, the file and the line where reading stopped.
class RunTimeError : public std::exception
{
public:
    explicit RunTimeError(int number, QString detail = {});

    int number() const { return m_number; }
    // The standard short text for the number, such as "File not found".
    QString description() const { return describe(m_number); }
    QString detail() const { return m_detail; }

    QByteArray filePath() const { return m_filePath; }
    int lineNumber() const { return m_lineNumber; }
    void setPlace(const QByteArray &filePath, int lineNumber);

    const char *what() const noexcept override;

    static QString describe(int number);

private:
    int m_number;
    QString m_detail;
    QByteArray m_filePath;
    int m_lineNumber = 0;
    QByteArray m_what;
};
