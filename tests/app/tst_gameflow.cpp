#include "CSecretWord.h"
#include "CommandButton.h"
#include "GameFixture.h"
#include "GameLauncher.h"
#include "PictureBox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>

namespace {

constexpr qint32 kBlack = 0;

// Whether any pixel of the figure box is black (a stage has been drawn on it).
bool hasInk(const PictureBox &box)
{
    const QImage &image = box.image();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == Qt::black)
                return true;
    return false;
}

// The right leg, drawn by the sixth miss only.
bool hasRightLeg(const PictureBox &box)
{
    return box.Point(300, -583) == kBlack || box.Point(300, -568) == kBlack ||
           box.Point(300, -598) == kBlack;
}

QStringList shownControls(const GameExecutiveLayout &ui)
{
    QStringList shown;
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui.fraOne, ui.fraTwo, ui.Canvas1, ui.LetterFrame, ui.WordBox, ui.picLetter, ui.Canvas,
             ui.cmdReset, ui.cmdAddWord, ui.cmdQuit, ui.fraAddWord})
        if (!w->isHidden())
            shown << w->objectName();
    return shown;
}

// The game screen as the layout names it, in the order shownControls lists controls.
QStringList gameScreen(const GameExecutiveLayout &ui)
{
    QStringList names;
    for (const QString &name : shownControls(ui))
        for (QWidget *w : ui.gameScreen())
            if (w->objectName() == name)
                names << name;
    return names;
}

} // namespace

class TestGameFlow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsOnTheSignInScreenWithTheWholeFigure()
    {
        GameFixture game("Cat\r\n");
        const auto &ui = game.ui();
        QCOMPARE(shownControls(ui), (QStringList{"fraOne", "Canvas1"}));
        QCOMPARE(ui.picLetter->size(), QSize(44, 69));
        QCOMPARE(ui.Canvas->ScaleLeft(), -2138.0);
        QCOMPARE(ui.Canvas->ScaleTop(), 1598.0);
        QCOMPARE(ui.Canvas1->ScaleLeft(), -3758.0);
        QCOMPARE(ui.Canvas1->ScaleTop(), 1658.0);
        QVERIFY(hasRightLeg(*ui.Canvas1));
        QVERIFY(QTest::qWaitForWindowActive(game.window.get()));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(ui.txtName));
    }

    void emptyNameIsRefusedEveryTime()
    {
        GameFixture game("Cat\r\n");
        game.ui().cmdSignIn->click();
        game.ui().cmdSignIn->click();
        QCOMPARE(game.services.messages.size(), 2);
        for (const auto &message : game.services.messages) {
            QCOMPARE(message.text, QString("Please enter your first name before continuing."));
            QCOMPARE(message.title, QString("First name needed to continue"));
            QCOMPARE(message.flags, 0);
        }
        QCOMPARE(shownControls(game.ui()), (QStringList{"fraOne", "Canvas1"}));
    }

    void nameOfBlanksLeadsToTheLevelScreen()
    {
        GameFixture game("Cat\r\n");
        game.ui().txtName->setText(" ");
        game.ui().cmdSignIn->click();
        QVERIFY(game.services.messages.isEmpty());
        QCOMPARE(shownControls(game.ui()), (QStringList{"fraTwo", "Canvas1"}));
        game.ui().cmdChild->click();
        game.guess("cat");
        QCOMPARE(game.services.messages.first().title, QString("Congratulations! You Won  !"));
    }

    void levelButtonStartsAGameOfThatLevel_data()
    {
        QTest::addColumn<bool>("adult");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("adult") << true << "Owl"
                               << "The word is: Owl and the definition is: A night bird.";
        QTest::newRow("child") << false << "Bee"
                               << "The word is: Bee.";
    }

    void levelButtonStartsAGameOfThatLevel()
    {
        QFETCH(bool, adult);
        QFETCH(QString, word);
        QFETCH(QString, prompt);
        GameFixture game("*Owl\r\nA night bird\r\nBee\r\n");
        game.startGame("Ann", adult);
        QCOMPARE(shownControls(game.ui()), gameScreen(game.ui()));
        QCOMPARE(shownControls(game.ui()).size(), game.ui().gameScreen().size());
        QCOMPARE(game.visibleLetters(), 26);
        QCOMPARE(game.slotX(1), 302);
        QVERIFY(!game.revealed(1));
        game.guess(word);
        QCOMPARE(game.services.messages.first().text, prompt);
    }

    void letterFoundTwiceIsRevealedTwiceFromLeftToRight()
    {
        GameFixture game("bEEt\r\n");
        game.startGame("Ann", false);
        QStringList seen;
        game.services.onSound = [&](const QString &name) {
            seen << QString("%1 E-hidden:%2 revealed:%3%4%5%6")
                        .arg(name)
                        .arg(game.ui().Letter[4]->isHidden())
                        .arg(game.revealed(1))
                        .arg(game.revealed(2))
                        .arg(game.revealed(3))
                        .arg(game.revealed(4));
        };
        game.guess("e");
        QCOMPARE(seen, (QStringList{"music.wav E-hidden:1 revealed:0000",
                                    "music.wav E-hidden:1 revealed:0100"}));
        QVERIFY(game.revealed(2) && game.revealed(3));
        QCOMPARE(game.ui().WordBox->accessibleDescription(),
                 QString("blank, E, E, blank: 4 letters, 2 found"));
        QCOMPARE(game.ui().Canvas->accessibleDescription(), QString("0 of 6 misses"));
        QCOMPARE(game.services.pauses, 2 * 65);
        QVERIFY(game.services.messages.isEmpty());
    }

    void guessedLetterStandsLargeAndRedInTheLetterBox()
    {
        GameFixture game("Beet\r\n");
        game.startGame("Ann", false);
        game.guess("x");
        const QImage &image = game.ui().picLetter->image();
        int red = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                red += image.pixelColor(x, y) == QColor(200, 10, 10);
        QVERIFY(red > 40);
        QCOMPARE(game.ui().picLetter->Point(0, 0), RGB(192, 255, 255));
    }

    void sixthMissLosesAfterTheLastStage()
    {
        GameFixture game("Cat\r\n");
        game.startGame("Ann", false);
        bool legShownWithMessage = false;
        game.services.onMessage = [&](const ScriptedServices::Message &) {
            legShownWithMessage = hasRightLeg(*game.ui().Canvas);
        };
        game.guess("bdefg");
        QCOMPARE(game.ui().Canvas->accessibleDescription(), QString("5 of 6 misses"));
        QVERIFY(game.services.messages.isEmpty());
        game.guess("h");
        QCOMPARE(game.services.events,
                 (QStringList{"sound: no.wav", "sound: no.wav", "sound: no.wav", "sound: no.wav",
                              "sound: no.wav", "sound: no.wav", "message: You are a Loser Ann!",
                              "sound: scream.wav"}));
        QCOMPARE(game.services.messages.first().text, QString("The word is: Cat."));
        QCOMPARE(game.services.messages.first().flags, 0);
        QVERIFY(legShownWithMessage);
        // The next game has started at once.
        QVERIFY(!hasInk(*game.ui().Canvas));
        QCOMPARE(game.visibleLetters(), 26);
        QCOMPARE(game.ui().Canvas->accessibleDescription(), QString("0 of 6 misses"));
        QCOMPARE(game.ui().WordBox->accessibleDescription(),
                 QString("blank, blank, blank: 3 letters, 0 found"));
    }

    void lastHitWinsEvenAfterFiveMisses()
    {
        GameFixture game("*Cat\r\nA small furry pet\r\n");
        game.startGame("  Al ", true);
        game.guess("bdefgca");
        QVERIFY(game.services.messages.isEmpty());
        game.guess("t");
        QCOMPARE(game.services.messages.size(), 1);
        QCOMPARE(game.services.messages.first().title, QString("Congratulations! You Won   Al !"));
        QCOMPARE(game.services.messages.first().text,
                 QString("The word is: Cat and the definition is: A small furry pet."));
        QCOMPARE(game.services.events.mid(game.services.events.size() - 3),
                 (QStringList{"sound: music.wav", "message: Congratulations! You Won   Al !",
                              "sound: winner.wav"}));
        QCOMPARE(game.ui().WordBox->accessibleDescription(),
                 QString("blank, blank, blank: 3 letters, 0 found"));
        QCOMPARE(game.visibleLetters(), 26);
        QCOMPARE(shownControls(game.ui()), gameScreen(game.ui()));
        QCOMPARE(shownControls(game.ui()).size(), game.ui().gameScreen().size());
        game.guess("cat"); // the new game is of the same level
        QCOMPARE(game.services.messages.last().text,
                 QString("The word is: Cat and the definition is: A small furry pet."));
    }

    void childPromptNeverGivesTheDefinition()
    {
        GameFixture game("Ox\r\n");
        game.startGame("Bo", false);
        game.guess("ox");
        QCOMPARE(game.services.messages.first().text, QString("The word is: Ox."));
        QCOMPARE(game.services.messages.first().title, QString("Congratulations! You Won Bo!"));
    }

    void wordWithALetterNoButtonHasCanOnlyBeLost()
    {
        GameFixture game("ox-bow\r\n");
        game.startGame("Bo", false);
        game.guess("oxbw");
        QCOMPARE(game.ui().WordBox->accessibleDescription(),
                 QString("O, X, blank, B, O, W: 6 letters, 5 found"));
        QVERIFY(game.services.messages.isEmpty());
    }

    // A file with nothing to play is told at start, a level with nothing to play when it is
    // chosen; the empty game itself goes as it always did: a miss, and it is won.
    void nothingToPlayIsToldOnce_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("warning");
        QTest::newRow("no adult word") << QByteArray("Cat\r\n")
                                       << "The word file holds no adult word that can be played: "
                                          "an adult game has an empty word. Add adult words with "
                                          "ADD WORD TO DICTIONARY.";
        QTest::newRow("an empty file") << QByteArray() << "\n\nThe file is empty.";
        QTest::newRow("line feeds alone")
            << QByteArray("Cat\nDog\n") << "\n\nIts lines end with a line feed alone";
    }

    void nothingToPlayIsToldOnce()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, warning);
        GameFixture game(file);
        game.startGame("Bo", true);
        QCOMPARE(game.services.messages.size(), 1);
        QVERIFY2(game.services.messages.first().text.contains(warning),
                 qPrintable(game.services.messages.first().text));
        QCOMPARE(game.services.messages.first().flags, 48);
        QCOMPARE(game.ui().WordBox->accessibleDescription(), QString("0 letters, 0 found"));
        game.services.events.clear();
        game.guess("a");
        QCOMPARE(game.services.events,
                 (QStringList{"sound: no.wav", "message: Congratulations! You Won Bo!",
                              "sound: winner.wav"}));
        QCOMPARE(game.services.messages.last().text,
                 QString("The word is:  and the definition is: ."));
    }

    void resetStartsANewGameWithoutASound()
    {
        GameFixture game("Cat\r\n");
        game.startGame("Ann", false);
        game.guess("cxy");
        QVERIFY(hasInk(*game.ui().Canvas));
        game.services.events.clear();
        game.ui().cmdReset->click();
        QVERIFY(game.services.events.isEmpty());
        QVERIFY(!hasInk(*game.ui().Canvas));
        QVERIFY(!game.revealed(1));
        QCOMPARE(game.visibleLetters(), 26);
        QCOMPARE(game.ui().Canvas->accessibleDescription(), QString("0 of 6 misses"));
        QCOMPARE(game.ui().picLetter->Point(20, 30), RGB(192, 255, 255));
        game.guess("cat");
        QCOMPARE(game.services.messages.first().title, QString("Congratulations! You Won Ann!"));
    }

    void quitPlaysGoodbyeToItsEndThenCloses()
    {
        GameFixture game("Cat\r\n");
        game.startGame("Ann", false);
        bool visibleDuringGoodbye = false;
        game.services.onSound = [&](const QString &) {
            visibleDuringGoodbye = game.window->isVisible();
        };
        game.ui().cmdQuit->click();
        QCOMPARE(game.services.sounds, QStringList{"goodbye.wav"});
        QVERIFY(visibleDuringGoodbye);
        QVERIFY(!game.window->isVisible());
    }

    void startUpErrorsEndTheProgramWithoutAWindow_data()
    {
        QTest::addColumn<QByteArray>("wordFile");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("messageParts");
        QTest::addColumn<bool>("outOfMemory");
        QByteArray tooMany;
        for (int i = 0; i < 1001; ++i)
            tooMany += "Cat\r\n";
        QTest::newRow("missing") << QByteArray() << 1
                                 << QStringList{"The path is not correct, or \r\nthe data file"}
                                 << false;
        QTest::newRow("star line last")
            << QByteArray("Cat\r\n*Owl\r\n") << 2
            << QStringList{"Error 62: Input past end of file.", "Dictionary.txt",
                           "Reading stopped at line 2."}
            << false;
        QTest::newRow("1001 words")
            << tooMany << 2
            << QStringList{"Error 9: Subscript out of range.", "more than 1000 words",
                           "Reading stopped at line 1001."}
            << false;
    }

    void startUpErrorsEndTheProgramWithoutAWindow()
    {
        QFETCH(QByteArray, wordFile);
        QFETCH(int, status);
        QFETCH(QStringList, messageParts);
        QFETCH(bool, outOfMemory);
        QTemporaryDir folder;
        if (!wordFile.isEmpty())
            writeBytes(folder.filePath("Dictionary.txt"), wordFile);
        ScriptedServices services;
        const QByteArray wordPath =
            QFile::encodeName(QDir(folder.path()).filePath("Dictionary.txt"));
        Q_UNUSED(outOfMemory);
        bool windowShown = false;
        services.onMessage = [&](const ScriptedServices::Message &) {
            for (QWidget *w : QApplication::topLevelWidgets())
                windowShown = windowShown || w->isVisible();
        };
        QCOMPARE(runQuillow(services, wordPath), status);
        QCOMPARE(services.messages.size(), 1);
        for (const QString &part : messageParts)
            QVERIFY2(services.messages.first().text.contains(part), qPrintable(part));
        QVERIFY(!windowShown);
    }
};

QTEST_MAIN(TestGameFlow)
#include "tst_gameflow.moc"
