#include "WordBoard.h"

#include "BoardCanvas.h"
#include "IPlatformServices.h"
#include "Integer16.h"
#include "RunTimeError.h"

#include <QStringList>

WordBoard::WordBoard(BoardCanvas &board, BoardCanvas &letterBox, IPlatformServices &services)
    : m_board(board), m_letterBox(letterBox), m_services(services)
{}

size_t WordBoard::slotIndex(int i)
{
    if (i < 1 || i > SlotCount)
        throw RunTimeError(ErrorNumber::SubscriptOutOfRange);
    return static_cast<size_t>(i - 1);
}

qint16 WordBoard::slotX(int i) const
{
    return m_slotX[slotIndex(i)];
}

void WordBoard::DrawWordBoard(qint16 n)
{
    const int rowWidth = SlotStep * n - (SlotStep - SlotSize);
    const qint16 y = toInteger16((m_board.ScaleHeight() - SlotSize) / 2.0);
    qint16 x = toInteger16((m_board.ScaleWidth() - rowWidth) / 2.0);
    m_board.Cls();
    for (int i = 1; i <= n; ++i) {
        DrawSlot(x, y);
        m_slotX[slotIndex(i)] = x;
        x = addInteger16(x, SlotStep);
    }
    m_shown = QString(n, u' ');
}

void WordBoard::DrawSlot(qint16 x, qint16 y)
{
    m_board.drawBox(x, y, x + SlotSize, y, TopLineColor);
    for (int i = 1; i <= Shades; ++i)
        m_board.drawBox(x + i, y + i, x + SlotSize - i, y + SlotSize - i, shadeColor(i));
}

Task<> WordBoard::RevealLetter(QString letter, qint16 position)
{
    const qint16 left = slotX(position);
    const qint16 lastRow = toInteger16(m_letterBox.ScaleHeight() - 1);
    for (int row = 0; row <= lastRow; ++row) {
        co_await m_services.pause(RevealRowPauseMs);
        const qint16 lastColumn = toInteger16(m_letterBox.ScaleWidth() - 1);
        for (int column = 0; column <= lastColumn; ++column)
            m_board.PSet(left + column, row, m_letterBox.Point(column, row));
    }
    if (position <= m_shown.size() && !letter.isEmpty())
        m_shown[position - 1] = letter.front();
}

QString WordBoard::spokenText() const
{
    QStringList slots;
    for (const QChar c : m_shown)
        slots << (c == u' ' ? QStringLiteral("blank") : QString(c));
    return slots.isEmpty() ? QStringLiteral("no letters") : slots.join(QStringLiteral(", "));
}
