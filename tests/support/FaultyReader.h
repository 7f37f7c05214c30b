#pragma once

#include "ILineReader.h"
#include "RunTimeError.h"

#include <QHash>
#include <QString>

// A reader that fails one chosen step (its n-th call) a number of times before letting it
// through to the real reader, which has not moved meanwhile.
class FaultyReader : public ILineReader
{
public:
    explicit FaultyReader(ILineReader &real) : m_real(real) {}

    void failStep(const QString &step, int call, int times, int errorNumber)
    {
        m_step = step;
        m_call = call;
        m_times = times;
        m_errorNumber = errorNumber;
    }
    int failuresLeft() const { return m_times; }

    void open() override
    {
        check(QStringLiteral("open"));
        m_real.open();
    }
    bool atEnd() override
    {
        check(QStringLiteral("atEnd"));
        return m_real.atEnd();
    }
    QString readLine() override
    {
        check(QStringLiteral("readLine"));
        return m_real.readLine();
    }
    void close() override
    {
        check(QStringLiteral("close"));
        m_real.close();
    }
    QByteArray path() const override { return m_real.path(); }
    int lineNumber() const override { return m_real.lineNumber(); }

private:
    void check(const QString &step)
    {
        const int call = ++m_calls[step];
        if (step == m_step && call == m_call && m_times > 0) {
            --m_times;
            --m_calls[step]; // the same call comes again when it is retried
            throw RunTimeError(m_errorNumber);
        }
    }

    ILineReader &m_real;
    QHash<QString, int> m_calls;
    QString m_step;
    int m_call = 0;
    int m_times = 0;
    int m_errorNumber = 0;
};
