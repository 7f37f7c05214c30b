#include "CDicitionaryInterface.h"

#include "CSecretWord.h"
#include "TextFileReader.h"

#include <cmath>

CDicitionaryInterface::CDicitionaryInterface(const QByteArray &path)
    : m_file(std::make_unique<TextFileReader>(path)), m_loader(*m_file)
{}

CDicitionaryInterface::CDicitionaryInterface(ILineReader &reader, std::function<float()> draw)
    : m_loader(reader), m_draw(std::move(draw))
{}

CDicitionaryInterface::~CDicitionaryInterface() = default;

std::optional<RunTimeError> CDicitionaryInterface::load()
{
    if (std::optional<RunTimeError> error = m_loader.resume(*this))
        return error;
    if (m_file)
        m_fileBytes = m_file->bytes();
    m_random.seedFromTimer();
    return std::nullopt;
}

void CDicitionaryInterface::entryLoaded(const WordFileEntry &entry)
{
    const auto slot = static_cast<qint16>(entry.slot);
    if (entry.level == WordFileFormat::AdultLevel) {
        adultCount = slot;
        adultWords[slot] = entry.word;
        adultDefinitions[slot] = entry.definition;
    } else {
        childCount = slot;
        childWords[slot] = entry.word;
    }
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
