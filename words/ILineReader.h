#pragma once

#include <QByteArray>
#include <QString>

// Sequential reading of a text file, one step at a time. Every step may raise a RunTimeError
// with a file error number; the caller may then carry out the same step again.
class ILineReader
{
public:
    virtual ~ILineReader() = default;

    virtual void open() = 0;
    virtual bool atEnd() = 0;
    // Reads one line without its terminator. At the end of the file: run-time error 62.
    virtual QString readLine() = 0;
    virtual void close() = 0;

    virtual QByteArray path() const = 0;
    // How many lines have been read so far.
    virtual int lineNumber() const = 0;
};
