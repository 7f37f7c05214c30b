#include "GuessRules.h"

#include "CSecretWord.h"
#include "Integer16.h"

void GuessRules::start(std::shared_ptr<CSecretWord> word)
{
    m_word = std::move(word);
    m_hits = 0;
    m_misses = 0;
}

QList<qint16> GuessRules::guess(const QString &letter)
{
    QList<qint16> positions;
    const qint16 n = toInteger16(m_word->numLetters());
    for (qint16 p = 1; p <= n; ++p)
        if (m_word->hasLetterAt(letter, p))
            positions << p;
    m_hits = addInteger16(m_hits, qint16(positions.size()));
    if (positions.isEmpty())
        m_misses = addInteger16(m_misses, 1);
    return positions;
}

bool GuessRules::isLost() const
{
    return m_misses == LosingMisses;
}

bool GuessRules::isWon() const
{
    return m_word && m_hits == m_word->numLetters();
}
