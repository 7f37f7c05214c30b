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
#include "RunTimeError.h"
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
#include <type_traits>

namespace {

const QString kNameNeededText = QStringLiteral("Please enter your first name before continuing.");
const QString kNameNeededTitle = QStringLiteral("First name needed to continue");

constexpr qint32 kGuessColor = RGB(200, 10, 10);
constexpr int kGuessTop = 5;
constexpr int kLetterBoxWidth = 44;

// A handler that does not wait, as a step that the runner awaits.
Task<> atOnce(std::function<void()> handler)
{
    handler();
    co_return;
}

} // namespace

GameExecutive::GameExecutive(IPlatformServices &services, CloseGuard &guard, QByteArray wordFile,
                             QWidget *parent)
    : QWidget(parent), m_services(services), m_guard(guard), m_wordFile(std::move(wordFile)),
      m_runner(*this, services, guard, [this] { keepFocusOnScreen(); })
{
    ui.setupUi(this);
    m_wordBoard = std::make_unique<WordBoard>(*ui.WordBox, *ui.picLetter, m_services);
    connectHandlers();
    for (QWidget *button : {ui.cmdAddWord, ui.cmdAdult, ui.cmdAddWordtoDicitonary})
        button->installEventFilter(this);
}

GameExecutive::~GameExecutive() = default;

void GameExecutive::schedule(HandlerRunner::Handler step)
{
    m_runner.run(std::move(step));
}

void GameExecutive::onClick(QAbstractButton *button, const HandlerRunner::Handler &handler)
{
    connect(button, &QAbstractButton::clicked, this, [this, button, handler] {
        m_runner.run([this, button, handler] { return ifStillClickable(button, handler); });
    });
}

Task<> GameExecutive::ifStillClickable(QAbstractButton *button, HandlerRunner::Handler handler)
{
    // A click that had to wait its turn counts only if its button can still be clicked.
    if (button->isVisible() && button->isEnabled())
        co_await handler();
}

void GameExecutive::connectHandlers()
{
    auto on = [this](QAbstractButton *button, auto handler) {
        onClick(button, [this, handler] {
            if constexpr (std::is_void_v<std::invoke_result_t<decltype(handler), GameExecutive *>>)
                return atOnce([this, handler] { (this->*handler)(); });
            else
                return (this->*handler)();
        });
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
        onClick(ui.Letter[i], [this, index] { return Letter_Click(index); });
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

void GameExecutive::closeEvent(QCloseEvent *)
{
    m_guard.request(); // the event is accepted: the window hides
}

void GameExecutive::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        m_runner.run([this] { return Form_Activate(); });
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

Task<bool> GameExecutive::Form_Load()
{
    m_dictionary = std::make_unique<CDicitionaryInterface>(m_wordFile);
    while (const std::optional<RunTimeError> error = m_dictionary->load()) {
        const AfterFileError next = co_await askAfterFileError(*error);
        if (next == AfterFileError::NotAsked)
            throw *error;
        if (next == AfterFileError::GivenUp)
            co_return false;
    }
    m_survey = WordFileSurvey::ofBytes(m_dictionary->takeFileBytes(), m_wordFile);
    ui.picLetter->resize(kLetterBoxWidth, toInteger16(ui.WordBox->ScaleHeight()));
    ui.Canvas1->show();
    ui.fraOne->show();
    for (QWidget *control : ui.gameScreen())
        control->hide();
    ui.Canvas->scaleFromCentre();
    ui.Canvas1->scaleFromCentre();
    co_return true;
}

Task<> GameExecutive::Form_Activate()
{
    for (qint16 n = 1; n <= GallowsFigure::StageCount; ++n)
        DrawStage(n);
    ui.txtName->setFocus();
    co_await warnOfNothingToPlay(m_survey.startWarning());
}

Task<> GameExecutive::warnOfNothingToPlay(QString warning)
{
    if (!warning.isEmpty())
        co_await m_services.showMessage(warning, QStringLiteral("Quillow"),
                                        MessageBoxKind::OkWarning);
}

Task<> GameExecutive::cmdSignIn_Click()
{
    if (ui.txtName->text().isEmpty()) {
        co_await m_services.showMessage(kNameNeededText, kNameNeededTitle, MessageBoxKind::Ok);
        ui.txtName->setFocus();
        co_return;
    }
    m_playerName = ui.txtName->text();
    ui.fraOne->hide();
    ui.fraTwo->show();
}

Task<> GameExecutive::cmdAdult_Click()
{
    m_level = WordFileFormat::AdultLevel;
    co_await warnOfNothingToPlay(m_survey.levelWarning(m_level));
    StartNewGame();
}

Task<> GameExecutive::cmdChild_Click()
{
    m_level = WordFileFormat::ChildLevel;
    co_await warnOfNothingToPlay(m_survey.levelWarning(m_level));
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

Task<> GameExecutive::cmdQuit_Click()
{
    co_await PlaySound(GameSounds::Goodbye);
    m_guard.request();
}

Task<> GameExecutive::PlaySound(QString name)
{
    co_await m_services.playSound(name);
}

Task<> GameExecutive::Letter_Click(qint16 index)
{
    CommandButton *button = ui.Letter.at(static_cast<size_t>(index));
    const QString letter = button->text();
    // Chosen with Tab and Space, the button is about to hide: the focus goes to the board, not
    // to the next button, which a screen reader would name instead of telling the guess.
    if (button->hasFocus())
        ui.WordBox->setFocus();
    button->hide();
    repaint(); // the button is gone before the sounds and the reveal

    PictureBox &box = *ui.picLetter;
    box.setForeColor(kGuessColor);
    box.Cls();
    const double width = box.TextWidth(letter);
    box.setCurrentX(static_cast<float>((box.ScaleWidth() - width) / 2));
    box.setCurrentY(kGuessTop);
    box.Print(letter);
    box.setAccessibleDescription(letter);

    co_await Compare(letter);
}

Task<> GameExecutive::Compare(QString letter)
{
    const QList<qint16> positions = m_rules.guess(letter);
    for (const qint16 position : positions) {
        co_await PlaySound(GameSounds::Hit);
        co_await RevealLetter(letter, position);
    }
    if (positions.isEmpty()) {
        co_await PlaySound(GameSounds::Miss);
        DrawStage(m_rules.misses());
        describeFigure(m_rules.misses());
    }
    const QString board = m_wordBoard->spokenText();
    tellNews(positions.isEmpty() ? SpokenNews::miss(letter, board, m_rules.misses())
                                 : SpokenNews::hit(letter, board, m_rules.misses()));
    co_await CheckEndOfGame();
}

Task<> GameExecutive::CheckEndOfGame()
{
    const QString prompt = EndOfGame::prompt(*m_rules.word(), m_level);
    if (m_rules.isLost()) {
        co_await m_services.showMessage(prompt, EndOfGame::lossTitle(m_playerName),
                                        MessageBoxKind::Ok);
        co_await PlaySound(GameSounds::Loss);
        StartNewGame();
        co_return;
    }
    if (m_rules.isWon()) {
        co_await m_services.showMessage(prompt, EndOfGame::winTitle(m_playerName),
                                        MessageBoxKind::Ok);
        co_await PlaySound(GameSounds::Win);
        StartNewGame();
    }
}

void GameExecutive::DrawWordBoard()
{
    m_wordBoard->DrawWordBoard(toInteger16(m_rules.word()->numLetters()));
}

Task<> GameExecutive::RevealLetter(QString letter, qint16 position)
{
    co_await m_wordBoard->RevealLetter(letter, position);
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

Task<> GameExecutive::cmdAddWordtoDicitonary_Click()
{
    const QString word = ui.txtWord->text();
    const QString definition = ui.txtDefinition->text();
    const qint16 level =
        ui.optAdultWord->isChecked() ? WordFileFormat::AdultLevel : WordFileFormat::ChildLevel;
    if (const auto refusal = checkNewEntry(word, definition, level)) {
        co_await refuseEntry(*refusal);
        co_return;
    }
    const AddOutcome outcome = co_await addToWordFile(word, definition, level);
    if (outcome.kind == AddOutcome::Kind::Refused)
        co_await refuseEntry(outcome.refusal);
    if (outcome.kind != AddOutcome::Kind::Added)
        co_return; // the panel stays open for another try
    setLettersEnabled(true);
    ui.WordBox->setFocus(); // before its box hides, or the focus would pass to a letter
    setAddWordPanelVisible(false);
    DrawWordBoard();
    tellNews(SpokenNews::added(word, m_wordBoard->spokenText()));
}

Task<> GameExecutive::refuseEntry(EntryRefusal refusal)
{
    co_await m_services.showMessage(refusal.text, refusal.title, MessageBoxKind::Ok);
    (refusal.field == EntryRefusal::Field::Word ? ui.txtWord : ui.txtDefinition)->setFocus();
}

Task<AddOutcome> GameExecutive::addToWordFile(QString word, QString definition, qint16 level)
{
    WordFileAppender file(m_wordFile);
    for (;;) {
        const AddOutcome outcome = file.add(word, definition, level);
        if (outcome.kind == AddOutcome::Kind::Busy) {
            co_await m_services.pause(WordFileAppender::LockPollMs);
            continue;
        }
        if (outcome.kind != AddOutcome::Kind::Failed)
            co_return outcome;
        const AfterFileError next = co_await askAfterFileError(*outcome.error);
        if (next == AfterFileError::NotAsked)
            co_await m_services.showMessage(
                QStringLiteral("The word could not be added: %1.").arg(outcome.error->detail()),
                QStringLiteral("Error"), MessageBoxKind::Ok);
        if (next != AfterFileError::TryAgain)
            co_return outcome;
    }
}

Task<GameExecutive::AfterFileError> GameExecutive::askAfterFileError(RunTimeError error)
{
    const std::optional<FileErrorPrompt::Question> question = FileErrorPrompt::questionFor(error);
    if (!question)
        co_return AfterFileError::NotAsked;
    const MessageBoxAnswer answer =
        co_await m_services.showMessage(question->text, question->title, question->kind);
    co_return FileErrorPrompt::triesAgain(*question, answer) ? AfterFileError::TryAgain
                                                             : AfterFileError::GivenUp;
}
