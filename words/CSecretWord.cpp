#include "CSecretWord.h"

#include "Characters.h"
#include "RunTimeError.h"

void CSecretWord::setWord(const QString &vNewValue)
{
    m_word = vNewValue;
    m_letters = Characters::of(vNewValue);
}

qint32 CSecretWord::numLetters() const
{
    return static_cast<qint32>(m_letters.size());
}

bool CSecretWord::hasLetterAt(const QString &letter, qint16 position) const
{
    if (position < 1)
        throw RunTimeError(ErrorNumber::InvalidProcedureCall);
    return m_letters.value(position - 1).toUpper() == letter.toUpper();
}
