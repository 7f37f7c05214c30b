#include "CSecretWord.h"

#include "RunTimeError.h"

qint32 CSecretWord::numLetters() const
{
    return static_cast<qint32>(m_word.size());
}

bool CSecretWord::hasLetterAt(const QString &Letter, qint16 Pos) const
{
    if (Pos < 1)
        throw RunTimeError(ErrorNumber::InvalidProcedureCall);
    const QString atPos = m_word.mid(Pos - 1, 1);
    return atPos.toUpper() == Letter.toUpper();
}
