#include "Utf8Text.h"

namespace {

// The length of the well-formed UTF-8 sequence that starts at i, or 0 when none starts there.
qsizetype sequenceAt(const QByteArray &bytes, qsizetype i)
{
    const auto lead = static_cast<uchar>(bytes[i]);
    if (lead < 0x80)
        return 1;
    qsizetype length = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        least = 0x10000;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    char32_t code = lead & (0x7F >> length);
    for (qsizetype k = 1; k < length; ++k) {
        const auto next = static_cast<uchar>(bytes[i + k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and numbers past Unicode are no characters.
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

bool Utf8Text::isValid(const QByteArray &bytes)
{
    for (qsizetype i = 0; i < bytes.size();) {
        const qsizetype length = sequenceAt(bytes, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

QString Utf8Text::shown(const QByteArray &bytes,
                        const std::function<QString(const QString &)> &shownText)
{
    QString text;
    qsizetype run = 0; // where the present run of characters began
    auto endRun = [&](qsizetype end) {
        const QString characters = QString::fromUtf8(bytes.constData() + run, end - run);
        text += shownText ? shownText(characters) : characters;
    };
    for (qsizetype i = 0; i < bytes.size();) {
        const qsizetype length = sequenceAt(bytes, i);
        if (length > 0) {
            i += length;
            continue;
        }
        endRun(i);
        text += QStringLiteral("\\x%1").arg(static_cast<uchar>(bytes[i]), 2, 16, QChar(u'0'));
        run = ++i;
    }
    endRun(bytes.size());
    return text;
}
