#pragma once

#include "Announcer.h"
#include "GameExecutiveLayout.h"
#include "GuessRules.h"
#include "HandlerRunner.h"
#include "WordBoard.h"
#include "WordFileAppender.h"
#include "WordFileSurvey.h"

#include <QByteArray>
#include <QString>
#include <QWidget>

#include <memory>

class CDicitionaryInterface;
class CloseGuard;
class RunTimeError;
struct EntryRefusal;
class IPlatformServices;
class PictureBox;
class QAbstractButton;

// The game's one window and the logic behind it: the event handlers of its controls and the
// state of the running game. The handlers run one at a time on the user-interface thread; a
// handler that waits (a sound, a pause, a message box) awaits it, and what the player does
// meanwhile waits its turn (HandlerRunner).
//
// Form_Load must have ended, with true, before the window is shown: it reads the word file, and
// ends with false when the player has been told that it is missing (or cancelled the disk-not-
// ready question), or throws a RunTimeError when it cannot be read to its end. The word file is
// the one the game reads and adds to. Closing is the guard's: once it is closing the window hides,
// and no handler runs on.
class GameExecutive : public QWidget
{
    Q_OBJECT

public:
    GameExecutive(IPlatformServices &services, CloseGuard &guard, QByteArray wordFile,
                  QWidget *parent = nullptr);
    ~GameExecutive() override;

    Task<bool> Form_Load();
    Task<> Form_Activate();
    Task<> cmdSignIn_Click();
    Task<> cmdAdult_Click();
    Task<> cmdChild_Click();
    void cmdReset_Click();
    Task<> cmdQuit_Click();
    Task<> Letter_Click(qint16 index);
    Task<> Compare(QString letter);
    void cmdAddWord_Click();
    void optAdultWord_Click();
    void optChildWord_Click();
    Task<> cmdAddWordtoDicitonary_Click();

    // Runs a step that is no control's (the start-up) in turn with the handlers.
    void schedule(HandlerRunner::Handler step);
    // Whether no handler runs, waits or waits its turn.
    bool isIdle() const { return m_runner.isIdle(); }

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
    // What follows a file error: the step carried out again, given up (the player was told), or
    // an error that asks nothing of the player.
    enum class AfterFileError { TryAgain, GivenUp, NotAsked };

    void StartNewGame();
    Task<> PlaySound(QString name);
    Task<> CheckEndOfGame();
    void DrawWordBoard();
    Task<> RevealLetter(QString letter, qint16 position);
    void DrawStage(qint16 n);
    void setAddWordPanelVisible(bool visible);
    // What a screen reader says of the game's figure.
    void describeFigure(qint16 misses);
    // Tells a screen reader the news at once, and keeps the word board's description as it shows.
    void tellNews(const QString &news);
    void setLettersEnabled(bool enabled);
    // Tells the player when the word file gives nothing to play (the text is empty otherwise).
    Task<> warnOfNothingToPlay(QString warning);
    // Tells why a new entry was refused, and puts the focus in the box to correct.
    Task<> refuseEntry(EntryRefusal refusal);
    // Adds the entry to the word file, waiting while another program writes to it, and trying
    // again while the player asks to after an error.
    Task<AddOutcome> addToWordFile(QString word, QString definition, qint16 level);
    // Asks the player what the word file's error calls for.
    Task<AfterFileError> askAfterFileError(RunTimeError error);

    void connectHandlers();
    // Runs the handler when the button is clicked, in its turn, if the button can still be
    // clicked then.
    void onClick(QAbstractButton *button, const HandlerRunner::Handler &handler);
    Task<> ifStillClickable(QAbstractButton *button, HandlerRunner::Handler handler);
    void keepFocusOnScreen();

    IPlatformServices &m_services;
    CloseGuard &m_guard;
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
    // Last, so that it goes first: a handler that waits goes before what it uses.
    HandlerRunner m_runner;
};
