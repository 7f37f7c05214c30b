#include "Utf8Text.h"

namespace {

// The length of the well-formed UTF-8 sequence that starts at i, or 0 when none starts there.
qsizetype sequenceAt(const QByteArray &bytes, qsizetype i)
{
    const auto lead = static_cast<uchar>(bytes[i]);
    if (lead < 0x80)
        return 1;
    // What the lead byte announces: the length, and the smallest character of that length
    // (a smaller one written longer is no character).
    struct Form
    {
        uchar mask, bits;
        qsizetype length;
        char32_t least;
    };
    static constexpr Form kForms[] = {
        {0xE0, 0xC0, 2, 0x80}, {0xF0, 0xE0, 3, 0x800}, {0xF8, 0xF0, 4, 0x10000}};
    for (const Form &form : kForms) {
        if ((lead & form.mask) != form.bits || i + form.length > bytes.size())
            continue;
        char32_t code = lead & ~form.mask;
        for (qsizetype k = 1; k < form.length; ++k) {
            const auto next = static_cast<uchar>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return 0;
            code = (code << 6) | (next & 0x3F);
        }
        const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
        return code < form.least || code > 0x10FFFF || surrogate ? 0 : form.length;
    }
    return 0;
}

} // namespace

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
