#pragma once

#include "Announcer.h"
#include "GameExecutiveLayout.h"
#include "GuessRules.h"
#include "HandlerRunner.h"
#include "WordBoard.h"
#include "WordFileSurvey.h"

#include <QByteArray>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class CDicitionaryInterface;
class CloseGuard;
class RunTimeError;
struct EntryRefusal;
class IPlatformServices;
class PictureBox;

// The game's one window and the logic behind it: the event handlers of its controls and the
// state of the running game. The handlers run one at a time on the user-interface thread.
//
// Form_Load must be called, and must return, before the window is shown: it reads the word file
// and throws ProgramEnd or RunTimeError when the game cannot start. The word file is the one the
// game reads and adds to. Closing is the guard's: once it is closing the window hides, and no
// handler runs.
class GameExecutive : public QWidget
{
    Q_OBJECT

public:
    GameExecutive(IPlatformServices &services, CloseGuard &guard, QByteArray wordFile,
                  QWidget *parent = nullptr);
    ~GameExecutive() override;

    void Form_Load();
    void Form_Activate();
    void cmdSignIn_Click();
    void cmdAdult_Click();
    void cmdChild_Click();
    void cmdReset_Click();
    void cmdQuit_Click();
    void Letter_Click(qint16 index);
    void Compare(const QString &letter);
    void cmdAddWord_Click();
    void optAdultWord_Click();
    void optChildWord_Click();
    void cmdAddWordtoDicitonary_Click();

    const GameExecutiveLayout &controls() const { return ui; }
    const Announcer &news() const { return m_news; }

protected:
    void showEvent(QShowEvent *event) override;
    // Asks the guard to close the game.
    void closeEvent(QCloseEvent *event) override;
    // On the game screen a typed letter guesses it, as a click on its button does.
    void keyPressEvent(QKeyEvent *event) override;
    // While the add-word panel is open, Alt+A adds the word, although "&ADD WORD TO DICTIONARY"
    // shares its access key.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void StartNewGame();
    void PlaySound(const QString &name);
    void CheckEndOfGame();
    void DrawWordBoard();
    void RevealLetter(const QString &letter, qint16 position);
    void DrawStage(qint16 n);
    void setAddWordPanelVisible(bool visible);
    // What a screen reader says of the game's figure.
    void describeFigure(qint16 misses);
    // Tells a screen reader the news at once, and keeps the word board's description as it shows.
    void tellNews(const QString &news);
    void setLettersEnabled(bool enabled);
    // Tells the player when the word file gives nothing to play (the text is empty otherwise).
    void warnOfNothingToPlay(const QString &warning);
    // Tells why a new entry was refused, and puts the focus in the box to correct.
    void refuseEntry(const EntryRefusal &refusal);
    // Tells why an add failed; true when the player asks to try again (a drive not ready).
    bool retryAfter(const RunTimeError &error);

    void connectHandlers();
    void keepFocusOnScreen();

    IPlatformServices &m_services;
    CloseGuard &m_guard;
    HandlerRunner m_runner;
    GameExecutiveLayout ui;
    Announcer m_news{*this}; // what a screen reader says after each step of a game
    std::unique_ptr<WordBoard> m_wordBoard;
    bool m_activated = false;

    const QByteArray m_wordFile;
    std::unique_ptr<CDicitionaryInterface> m_dictionary;
    WordFileSurvey m_survey;
    GuessRules m_rules;
    qint16 m_level = 0;
    QString m_playerName;
};
