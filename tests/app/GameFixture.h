#pragma once

#include "CommandButton.h"
#include "GameExecutive.h"
#include "PictureBox.h"
#include "ScriptedServices.h"
#include "TestFiles.h"

#include <QLineEdit>
#include <QTemporaryDir>

#include <memory>

// A game window over a word file of the test's own, with scripted services.
struct GameFixture
{
    explicit GameFixture(const QByteArray &wordFile)
    {
        writeBytes(wordFilePath(), wordFile);
        services.folder = folder.path();
        window = std::make_unique<GameExecutive>(services);
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

    // Whether the slot of position p shows a letter box copy instead of its empty tile.
    bool revealed(int p) const
    {
        const int x = window->wordBoard().slotX(p);
        return ui().WordBox->Point(x + 20, 34) != WordBoard::shadeColor(20);
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
