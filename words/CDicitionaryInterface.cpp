#include "CDicitionaryInterface.h"

#include "CSecretWord.h"
#include "FileErrorPrompt.h"
#include "IPlatformServices.h"
#include "ProgramEnd.h"
#include "RunTimeError.h"
#include "TextFileReader.h"
#include "WordFileFormat.h"
#include "WordFileLoader.h"

#include <cmath>

class CDicitionaryInterface::ListFiller : public WordFileLoader::Sink
{
public:
    explicit ListFiller(CDicitionaryInterface &dictionary) : m_dictionary(dictionary) {}

    void entryLoaded(const WordFileEntry &entry) override
    {
        auto &d = m_dictionary;
        const auto slot = static_cast<qint16>(entry.slot);
        if (entry.level == WordFileFormat::AdultLevel) {
            d.adultCount = slot;
            d.adultWords[slot] = entry.word;
            d.adultDefinitions[slot] = entry.definition;
        } else {
            d.childCount = slot;
            d.childWords[slot] = entry.word;
        }
    }

private:
    CDicitionaryInterface &m_dictionary;
};

CDicitionaryInterface::CDicitionaryInterface(IPlatformServices &services, const QByteArray &path)
{
    TextFileReader reader(path);
    load(services, reader);
    m_fileBytes = reader.bytes();
}

CDicitionaryInterface::CDicitionaryInterface(IPlatformServices &services, ILineReader &reader,
                                             std::function<float()> draw)
    : m_draw(std::move(draw))
{
    load(services, reader);
}

void CDicitionaryInterface::load(IPlatformServices &services, ILineReader &reader)
{
    WordFileLoader loader(reader, [&services](const RunTimeError &error) {
        FileErrorPrompt::retryOrGiveUp(services, error);
    });
    ListFiller filler(*this);
    try {
        loader.load(filler);
    } catch (const FileErrorPrompt::GivenUp &) {
        throw ProgramEnd(ExitStatus::WordFileMissing);
    }
    m_random.seedFromTimer();
}

int CDicitionaryInterface::slotForDraw(float r, qint16 n)
{
    return static_cast<int>(std::floor(static_cast<double>(r) * static_cast<float>(n) + 1.0));
}

std::shared_ptr<CSecretWord> CDicitionaryInterface::getWord(qint16 level)
{
    auto word = std::make_shared<CSecretWord>();
    const bool adult = level == WordFileFormat::AdultLevel;
    const float r = m_draw ? m_draw() : m_random.next();
    const int slot = slotForDraw(r, adult ? adultCount : childCount);
    if (slot < 1 || slot >= kSlots) // only a draw outside [0, 1) can get here
        throw RunTimeError(ErrorNumber::SubscriptOutOfRange);
    if (adult) {
        word->setWord(adultWords[slot]);
        word->setDefinition(adultDefinitions[slot]);
    } else {
        word->setWord(childWords[slot]);
        word->setDefinition(QString());
    }
    return word;
}
