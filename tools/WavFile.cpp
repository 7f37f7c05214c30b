#include "WavFile.h"

#include <QFile>
#include <QtEndian>

namespace {

void put32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void put16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

quint32 get32(const QByteArray &in, qsizetype at)
{
    return qFromLittleEndian<quint32>(in.constData() + at);
}

quint16 get16(const QByteArray &in, qsizetype at)
{
    return qFromLittleEndian<quint16>(in.constData() + at);
}

} // namespace

QByteArray WavFile::encode(const QByteArray &samples, int sampleRate)
{
    QByteArray out("RIFF");
    put32(out, static_cast<quint32>(36 + samples.size()));
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, static_cast<quint32>(sampleRate));
    put32(out, static_cast<quint32>(sampleRate * 2));
    put16(out, 2);
    put16(out, 16);
    out += "data";
    put32(out, static_cast<quint32>(samples.size()));
    out += samples;
    return out;
}

bool WavFile::write(const QString &path, const QByteArray &samples, int sampleRate)
{
    QFile file(path);
    const QByteArray bytes = encode(samples, sampleRate);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QByteArray WavFile::readSamples(const QString &path, int *sampleRate)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray in = file.readAll();
    if (in.size() < 12 || !in.startsWith("RIFF") || in.mid(8, 4) != "WAVE")
        return {};
    bool monoPcm16 = false;
    for (qsizetype at = 12; at + 8 <= in.size();) {
        const QByteArray id = in.mid(at, 4);
        const qsizetype size = get32(in, at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt " && body + 16 <= in.size()) {
            monoPcm16 =
                get16(in, body) == 1 && get16(in, body + 2) == 1 && get16(in, body + 14) == 16;
            if (sampleRate)
                *sampleRate = static_cast<int>(get32(in, body + 4));
        } else if (id == "data") {
            return monoPcm16 ? in.mid(body, size) : QByteArray();
        }
        at = body + size + (size & 1);
    }
    return {};
}
