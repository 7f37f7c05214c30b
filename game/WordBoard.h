#pragma once

#include "ColorNumber.h"
#include "Task.h"
#include "WordFileFormat.h"

#include <QString>

#include <array>

class BoardCanvas;
class IPlatformServices;

// The word board: one shaded slot per character of the secret word, in a row centred on the
// board, and the reveal that copies the letter box onto a slot row by row. Both boxes count in
// pixels. slotX(i) is the left edge of slot i, 1 to 13.
class WordBoard
{
public:
    static constexpr int SlotCount = 13;
    static constexpr int SlotSize = 40;
    static constexpr int SlotStep = 60; // a slot and the gap after it
    static constexpr int Shades = 20;
    static constexpr qint32 TopLineColor = RGB(150, 50, 50);
    static constexpr int RevealRowPauseMs = 10;
    static_assert(SlotCount == WordFileFormat::MaxWordLength, "a slot for every letter a word has");

    WordBoard(BoardCanvas &board, BoardCanvas &letterBox, IPlatformServices &services);

    // Clears the board and draws n empty slots.
    void DrawWordBoard(qint16 n);
    // One empty slot with its top-left corner at (x, y).
    void DrawSlot(qint16 x, qint16 y);
    // Copies the whole letter box onto the board at the slot of position, from the top of the
    // board down, one row at a time, each after its pause. The letter itself is already in the
    // letter box. A position outside 1 to 13 raises run-time error 9 and draws nothing.
    Task<> RevealLetter(QString letter, qint16 position);

    // The left edge of slot i; run-time error 9 for i outside 1 to 13.
    qint16 slotX(int i) const;

    // The word as the player sees it, for a screen reader: "B, blank, blank, T".
    QString spokenText() const;

    // The colour of nested square i (1 to 20) of a slot.
    static constexpr qint32 shadeColor(int i) { return RGB(150 + 5 * i, 50 + 5 * i, 50 + 5 * i); }

private:
    // The array index of slot i; run-time error 9 for i outside 1 to 13.
    static size_t slotIndex(int i);

    BoardCanvas &m_board;
    BoardCanvas &m_letterBox;
    IPlatformServices &m_services;

    std::array<qint16, SlotCount> m_slotX{};
    QString m_shown; // one character per slot, a space while it is empty
};
