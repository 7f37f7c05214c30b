// libFuzzer target: any bytes load, or stop with one of the two errors content can cause; an
// entry of those bytes that the panel and the plan accept reads back after the old entries.

#include "EntryPlan.h"
#include "MemoryLineReader.h"
#include "NewEntryCheck.h"
#include "RunTimeError.h"
#include "WordFileFormat.h"
#include "WordFileLoader.h"

#include <cstdlib>
#include <optional>

namespace {

// The entries the bytes hold, as level, word, "|", definition; or nothing when they do not load.
std::optional<QStringList> entries(const QByteArray &bytes)
{
    struct : WordFileLoader::Sink
    {
        QStringList list;
        void entryLoaded(const WordFileEntry &e) override
        {
            list << QString::number(e.level) + e.word + '|' + e.definition;
        }
    } sink;
    MemoryLineReader reader(bytes);
    try {
        WordFileLoader(reader).load(sink);
        return sink.list;
    } catch (const RunTimeError &error) {
        if (error.number() != ErrorNumber::InputPastEndOfFile &&
            error.number() != ErrorNumber::SubscriptOutOfRange)
            std::abort();
        return std::nullopt;
    }
}

// Text typed or pasted into a box: any UTF-16 units, lone surrogates and byte-order marks among
// them, taken from the input's last bytes.
QString typed(const QByteArray &bytes, qsizetype from, qsizetype units)
{
    const QByteArray part = bytes.right(from).left(units * 2);
    return QString(reinterpret_cast<const QChar *>(part.constData()), part.size() / 2);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const char *data, std::size_t size)
{
    const QByteArray bytes(data, qsizetype(size));
    const std::optional<QStringList> before = entries(bytes);
    const EntryPlan plan(bytes);
    for (const qint16 level : {WordFileFormat::AdultLevel, WordFileFormat::ChildLevel}) {
        const QString word = typed(bytes, 40, 8), definition = typed(bytes, 24, 12);
        if (checkNewEntry(word, definition, level))
            continue;
        const auto planned = plan.bytesFor(word, definition, level);
        if (!std::holds_alternative<QByteArray>(planned))
            continue;
        const QString entry = QString::number(level) + word + '|' +
                              (level == WordFileFormat::AdultLevel ? definition : QString());
        if (!before ||
            entries(bytes + std::get<QByteArray>(planned)) != *before + QStringList(entry))
            std::abort();
    }
    return 0;
}
