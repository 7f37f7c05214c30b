#pragma once

#include "CommandButton.h"
#include "GameExecutive.h"
#include "PictureBox.h"
#include "ScriptedServices.h"
#include "TestFiles.h"

#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <memory>

// A game window over a word file of the test's own, with scripted services.
struct GameFixture
{
    explicit GameFixture(const QByteArray &wordFile)
    {
        writeBytes(wordFilePath(), wordFile);
        window = std::make_unique<GameExecutive>(services, QFile::encodeName(wordFilePath()));
        window->Form_Load();
        window->show();
    }

    QString wordFilePath() const { return folder.filePath("Dictionary.txt"); }
    const GameExecutiveLayout &ui() const { return window->controls(); }

    // Signs in and chooses the level with the window's own buttons.
    void startGame(const QString &name, bool adult)
    {
        ui().txtName->setText(name);
        ui().cmdSignIn->click();
        (adult ? ui().cmdAdult : ui().cmdChild)->click();
    }

    // Clicks the letter buttons of the given letters, in order.
    void guess(const QString &letters)
    {
        for (QChar c : letters)
            ui().Letter[static_cast<size_t>(c.toUpper().unicode() - u'A')]->click();
    }

    // The left edge of the slot of position p: the slots stand centred on the board, as many as
    // the board's description counts.
    int slotX(int p) const
    {
        static const QRegularExpression count("(\\d+) letters?");
        const int n = count.match(ui().WordBox->accessibleDescription()).captured(1).toInt();
        const int rowWidth = WordBoard::SlotStep * n - (WordBoard::SlotStep - WordBoard::SlotSize);
        return (int(ui().WordBox->ScaleWidth()) - rowWidth) / 2 + WordBoard::SlotStep * (p - 1);
    }

    // Whether the slot of position p shows a letter box copy instead of its empty tile.
    bool revealed(int p) const
    {
        return ui().WordBox->Point(slotX(p) + 20, 34) != WordBoard::shadeColor(20);
    }

    int visibleLetters() const
    {
        int count = 0;
        for (auto *letter : ui().Letter)
            count += !letter->isHidden();
        return count;
    }

    QTemporaryDir folder;
    ScriptedServices services;
    std::unique_ptr<GameExecutive> window;
};
