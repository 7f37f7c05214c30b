#include "GameExecutive.h"

#include "Announcer.h"
#include "CDicitionaryInterface.h"
#include "CSecretWord.h"
#include "CloseGuard.h"
#include "CommandButton.h"
#include "EndOfGame.h"
#include "FileErrorPrompt.h"
#include "GallowsFigure.h"
#include "GameSounds.h"
#include "IPlatformServices.h"
#include "Integer16.h"
#include "NewEntryCheck.h"
#include "PictureBox.h"
#include "SpokenNews.h"
#include "WordFileAppender.h"
#include "WordFileFormat.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QShortcutEvent>

#include <functional>

namespace {

const QString kNameNeededText = QStringLiteral("Please enter your first name before continuing.");
const QString kNameNeededTitle = QStringLiteral("First name needed to continue");

constexpr qint32 kGuessColor = RGB(200, 10, 10);
constexpr int kGuessTop = 5;
constexpr int kLetterBoxWidth = 44;

} // namespace

GameExecutive::GameExecutive(IPlatformServices &services, CloseGuard &guard, QByteArray wordFile,
                             QWidget *parent)
    : QWidget(parent), m_services(services), m_guard(guard),
      m_runner(*this, services, guard, [this] { keepFocusOnScreen(); }),
      m_wordFile(std::move(wordFile))
{
    ui.setupUi(this);
    connect(&m_guard, &CloseGuard::closingStarted, this, &QWidget::hide);
    m_wordBoard = std::make_unique<WordBoard>(*ui.WordBox, *ui.picLetter, m_services);
    connectHandlers();
    for (QWidget *button : {ui.cmdAddWord, ui.cmdAdult, ui.cmdAddWordtoDicitonary})
        button->installEventFilter(this);
}

GameExecutive::~GameExecutive() = default;

void GameExecutive::connectHandlers()
{
    // A click that had to wait its turn counts only if its button can still be clicked.
    auto onClick = [this](QAbstractButton *button, const std::function<void()> &handler) {
        connect(button, &QAbstractButton::clicked, this, [this, button, handler] {
            m_runner.run([button, handler] {
                if (button->isVisible() && button->isEnabled())
                    handler();
            });
        });
    };
    auto on = [this, onClick](QAbstractButton *button, void (GameExecutive::*handler)()) {
        onClick(button, [this, handler] { (this->*handler)(); });
    };
    on(ui.cmdSignIn, &GameExecutive::cmdSignIn_Click);
    on(ui.cmdAdult, &GameExecutive::cmdAdult_Click);
    on(ui.cmdChild, &GameExecutive::cmdChild_Click);
    on(ui.cmdReset, &GameExecutive::cmdReset_Click);
    on(ui.cmdQuit, &GameExecutive::cmdQuit_Click);
    on(ui.cmdAddWord, &GameExecutive::cmdAddWord_Click);
    on(ui.optAdultWord, &GameExecutive::optAdultWord_Click);
    on(ui.optChildWord, &GameExecutive::optChildWord_Click);
    on(ui.cmdAddWordtoDicitonary, &GameExecutive::cmdAddWordtoDicitonary_Click);
    // Return in a text box does what the button beside it does.
    connect(ui.txtName, &QLineEdit::returnPressed, ui.cmdSignIn, &QAbstractButton::click);
    connect(ui.txtWord, &QLineEdit::returnPressed, ui.cmdAddWordtoDicitonary,
            &QAbstractButton::click);
    for (int i = 0; i < GameExecutiveLayout::LetterCount; ++i) {
        const auto index = static_cast<qint16>(i);
        onClick(ui.Letter[i], [this, index] { Letter_Click(index); });
    }
}

void GameExecutive::keepFocusOnScreen()
{
    // During play the word board holds the focus, so that a screen reader speaks its news as it
    // changes; the add-word panel keeps the focus in its boxes while it is open.
    if (m_rules.hasWord() && ui.fraAddWord->isHidden()) {
        ui.WordBox->setFocus();
        return;
    }
    // A frame hidden by a handler keeps the focus of the text box inside it (the name box after
    // sign-in), which would then swallow the keys typed on the next screen.
    if (focusWidget() && !focusWidget()->isVisible())
        focusNextChild();
    if (focusWidget() && !focusWidget()->isVisible()) // nothing else on screen takes the focus
        focusWidget()->clearFocus();
}

void GameExecutive::closeEvent(QCloseEvent *event)
{
    m_guard.request();
    QWidget::closeEvent(event);
}

void GameExecutive::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        m_runner.run([this] { Form_Activate(); });
    }
}

void GameExecutive::keyPressEvent(QKeyEvent *event)
{
    // Text boxes take their keys before they get here; access keys (Alt) are shortcuts.
    const QString text = event->text().toUpper();
    const bool plain = (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0;
    if (plain && text.size() == 1 && text.front() >= u'A' && text.front() <= u'Z') {
        CommandButton *button = ui.Letter.at(static_cast<size_t>(text.front().unicode() - u'A'));
        if (m_rules.hasWord() && button->isVisible() && button->isEnabled()) {
            button->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

bool GameExecutive::eventFilter(QObject *watched, QEvent *event)
{
    // Buttons that share an access key take turns at the focus instead of being pressed.
    if (event->type() == QEvent::Shortcut && !ui.fraAddWord->isHidden() &&
        static_cast<QShortcutEvent *>(event)->key() ==
            QKeySequence::mnemonic(ui.cmdAddWordtoDicitonary->text())) {
        ui.cmdAddWordtoDicitonary->click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void GameExecutive::Form_Load()
{
    m_dictionary = std::make_unique<CDicitionaryInterface>(m_services, m_wordFile);
    m_survey = WordFileSurvey::ofBytes(m_dictionary->takeFileBytes(), m_wordFile);
    ui.picLetter->resize(kLetterBoxWidth, toInteger16(ui.WordBox->ScaleHeight()));
    ui.Canvas1->show();
    ui.fraOne->show();
    for (QWidget *control : ui.gameScreen())
        control->hide();
    ui.Canvas->scaleFromCentre();
    ui.Canvas1->scaleFromCentre();
}

void GameExecutive::Form_Activate()
{
    for (qint16 n = 1; n <= GallowsFigure::StageCount; ++n)
        DrawStage(n);
    ui.txtName->setFocus();
    warnOfNothingToPlay(m_survey.startWarning());
}

void GameExecutive::warnOfNothingToPlay(const QString &warning)
{
    if (!warning.isEmpty())
        m_services.showMessage(warning, QStringLiteral("Quillow"), MessageBoxKind::OkWarning);
}

void GameExecutive::cmdSignIn_Click()
{
    if (ui.txtName->text().isEmpty()) {
        m_services.showMessage(kNameNeededText, kNameNeededTitle, MessageBoxKind::Ok);
        ui.txtName->setFocus();
        return;
    }
    m_playerName = ui.txtName->text();
    ui.fraOne->hide();
    ui.fraTwo->show();
}

void GameExecutive::cmdAdult_Click()
{
    m_level = WordFileFormat::AdultLevel;
    warnOfNothingToPlay(m_survey.levelWarning(m_level));
    StartNewGame();
}

void GameExecutive::cmdChild_Click()
{
    m_level = WordFileFormat::ChildLevel;
    warnOfNothingToPlay(m_survey.levelWarning(m_level));
    StartNewGame();
}

void GameExecutive::StartNewGame()
{
    ui.Canvas1->hide();
    ui.fraTwo->hide();
    for (QWidget *control : ui.gameScreen())
        control->show();
    ui.Canvas->Cls();
    ui.picLetter->Cls();
    ui.picLetter->setAccessibleDescription(QString());
    describeFigure(0);
    for (CommandButton *letter : ui.Letter)
        letter->show();
    m_rules.start(m_dictionary->getWord(m_level));
    DrawWordBoard();
    tellNews(
        SpokenNews::newWord(m_wordBoard->spokenText(), toInteger16(m_rules.word()->numLetters())));
}

void GameExecutive::cmdReset_Click()
{
    StartNewGame();
}

void GameExecutive::cmdQuit_Click()
{
    PlaySound(GameSounds::Goodbye);
    m_guard.request();
}

void GameExecutive::PlaySound(const QString &name)
{
    m_services.playSound(name);
}

void GameExecutive::Letter_Click(qint16 index)
{
    CommandButton *button = ui.Letter.at(static_cast<size_t>(index));
    const QString letter = button->text();
    // Chosen with Tab and Space, the button is about to hide: the focus goes to the board, not
    // to the next button, which a screen reader would name instead of telling the guess.
    if (button->hasFocus())
        ui.WordBox->setFocus();
    button->hide();
    repaint(); // the button is gone before the sounds and the reveal hold the window

    PictureBox &box = *ui.picLetter;
    box.setForeColor(kGuessColor);
    box.Cls();
    const double width = box.TextWidth(letter);
    box.setCurrentX(static_cast<float>((box.ScaleWidth() - width) / 2));
    box.setCurrentY(kGuessTop);
    box.Print(letter);
    box.setAccessibleDescription(letter);

    Compare(letter);
}

void GameExecutive::Compare(const QString &letter)
{
    const QList<qint16> positions = m_rules.guess(letter);
    for (const qint16 position : positions) {
        PlaySound(GameSounds::Hit);
        RevealLetter(letter, position);
    }
    if (positions.isEmpty()) {
        PlaySound(GameSounds::Miss);
        DrawStage(m_rules.misses());
        describeFigure(m_rules.misses());
    }
    const QString board = m_wordBoard->spokenText();
    tellNews(positions.isEmpty() ? SpokenNews::miss(letter, board, m_rules.misses())
                                 : SpokenNews::hit(letter, board, m_rules.misses()));
    CheckEndOfGame();
}

void GameExecutive::CheckEndOfGame()
{
    const QString prompt = EndOfGame::prompt(*m_rules.word(), m_level);
    if (m_rules.isLost()) {
        m_services.showMessage(prompt, EndOfGame::lossTitle(m_playerName), MessageBoxKind::Ok);
        PlaySound(GameSounds::Loss);
        StartNewGame();
        return;
    }
    if (m_rules.isWon()) {
        m_services.showMessage(prompt, EndOfGame::winTitle(m_playerName), MessageBoxKind::Ok);
        PlaySound(GameSounds::Win);
        StartNewGame();
    }
}

void GameExecutive::DrawWordBoard()
{
    m_wordBoard->DrawWordBoard(toInteger16(m_rules.word()->numLetters()));
}

void GameExecutive::RevealLetter(const QString &letter, qint16 position)
{
    m_wordBoard->RevealLetter(letter, position);
}

void GameExecutive::tellNews(const QString &news)
{
    m_news.announce(news);
    // Qt would tell of a description set again even when it stays the same.
    if (ui.WordBox->accessibleDescription() != m_wordBoard->spokenText())
        ui.WordBox->setAccessibleDescription(m_wordBoard->spokenText());
}

void GameExecutive::DrawStage(qint16 n)
{
    GallowsFigure::drawStage(n, *ui.Canvas, *ui.Canvas1);
}

void GameExecutive::describeFigure(qint16 misses)
{
    ui.Canvas->setAccessibleDescription(SpokenNews::misses(misses));
}

void GameExecutive::setAddWordPanelVisible(bool visible)
{
    for (QWidget *control : ui.addWordPanel())
        control->setVisible(visible);
}

void GameExecutive::setLettersEnabled(bool enabled)
{
    for (CommandButton *letter : ui.Letter)
        letter->setEnabled(enabled);
}

void GameExecutive::cmdAddWord_Click()
{
    setAddWordPanelVisible(true);
    setLettersEnabled(false);
    ui.txtWord->setFocus();
}

void GameExecutive::optAdultWord_Click()
{
    ui.txtDefinition->setEnabled(true);
}

void GameExecutive::optChildWord_Click()
{
    ui.txtDefinition->setEnabled(false);
}

void GameExecutive::cmdAddWordtoDicitonary_Click()
{
    const QString word = ui.txtWord->text();
    const QString definition = ui.txtDefinition->text();
    const qint16 level =
        ui.optAdultWord->isChecked() ? WordFileFormat::AdultLevel : WordFileFormat::ChildLevel;
    if (const auto refusal = checkNewEntry(word, definition, level)) {
        refuseEntry(*refusal);
        return;
    }
    WordFileAppender file(m_services, m_wordFile);
    AddOutcome outcome;
    do
        outcome = file.add(word, definition, level);
    while (outcome.kind == AddOutcome::Kind::Failed && retryAfter(*outcome.error));
    if (outcome.kind == AddOutcome::Kind::Refused)
        refuseEntry(outcome.refusal);
    if (outcome.kind != AddOutcome::Kind::Added)
        return; // the panel stays open for another try
    setLettersEnabled(true);
    ui.WordBox->setFocus(); // before its box hides, or the focus would pass to a letter
    setAddWordPanelVisible(false);
    DrawWordBoard();
    tellNews(SpokenNews::added(word, m_wordBoard->spokenText()));
}

void GameExecutive::refuseEntry(const EntryRefusal &refusal)
{
    m_services.showMessage(refusal.text, refusal.title, MessageBoxKind::Ok);
    (refusal.field == EntryRefusal::Field::Word ? ui.txtWord : ui.txtDefinition)->setFocus();
}

bool GameExecutive::retryAfter(const RunTimeError &error)
{
    try {
        FileErrorPrompt::retryOrGiveUp(m_services, error);
        return true;
    } catch (const FileErrorPrompt::GivenUp &) {
    } catch (const RunTimeError &) {
        m_services.showMessage(
            QStringLiteral("The word could not be added: %1.").arg(error.detail()),
            QStringLiteral("Error"), MessageBoxKind::Ok);
    }
    return false;
}
