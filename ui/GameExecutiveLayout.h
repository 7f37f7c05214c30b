#pragma once

#include "ColorNumber.h"

#include <QList>
#include <QtGlobal>

#include <array>

class CommandButton;
class PictureBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

// Every control of the game's one window, built in the window's fixed layout. Places and sizes
// are in pixels: the twips the layout was drawn in, 15 to the pixel, each to the nearest pixel.
struct GameExecutiveLayout
{
    static constexpr int ClientWidth = 792;
    static constexpr int ClientHeight = 424;
    static constexpr int LetterCount = 26;
    static constexpr qint32 BoardBackground = RGB(192, 255, 255);

    // Builds the controls on form, sets its caption and client size.
    void setupUi(QWidget *form);

    // The controls of the game screen, in the order the handlers show and hide them.
    QList<QWidget *> gameScreen() const;
    // The add-word panel and every control on it.
    QList<QWidget *> addWordPanel() const;

    // The controls keep the names the game's form gave them, prefixes and spellings included
    // (cmdAddWordtoDicitonary is spelled so on purpose): the handlers are named after them.
    QGroupBox *LetterFrame = nullptr;
    std::array<CommandButton *, LetterCount> Letter{};
    PictureBox *WordBox = nullptr;
    PictureBox *Canvas = nullptr;
    CommandButton *cmdReset = nullptr;
    PictureBox *picLetter = nullptr;
    QGroupBox *fraTwo = nullptr;
    CommandButton *cmdAdult = nullptr;
    CommandButton *cmdChild = nullptr;
    QLabel *Label2 = nullptr;
    QGroupBox *fraOne = nullptr;
    CommandButton *cmdSignIn = nullptr;
    QLineEdit *txtName = nullptr;
    QLabel *Label1 = nullptr;
    CommandButton *cmdAddWord = nullptr;
    CommandButton *cmdQuit = nullptr;
    QGroupBox *fraAddWord = nullptr;
    QRadioButton *optChildWord = nullptr;
    QRadioButton *optAdultWord = nullptr;
    QLineEdit *txtDefinition = nullptr;
    QLineEdit *txtWord = nullptr;
    CommandButton *cmdAddWordtoDicitonary = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    PictureBox *Canvas1 = nullptr;

private:
    void buildLetters(QWidget *form);
    void buildBoard(QWidget *form);
    void buildLevelPanel(QWidget *form);
    void buildSignInPanel(QWidget *form);
    void buildGameButtons(QWidget *form);
    void buildAddWordPanel(QWidget *form);
    void setTabOrder();
    void setStacking();
    void nameForScreenReaders();
};
