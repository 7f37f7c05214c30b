#include "CSecretWord.h"
#include "GameFixture.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace {

QStringList panelControls(const GameExecutiveLayout &ui, bool shown)
{
    QStringList names;
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui.fraAddWord, ui.Label4, ui.Label3, ui.txtWord, ui.txtDefinition, ui.optAdultWord,
             ui.optChildWord, ui.cmdAddWordtoDicitonary})
        if (w->isHidden() != shown)
            names << w->objectName();
    return names;
}

int enabledLetters(const GameExecutiveLayout &ui)
{
    int count = 0;
    for (auto *letter : ui.Letter)
        count += letter->isEnabled();
    return count;
}

} // namespace

class TestAddWord : public QObject
{
    Q_OBJECT

private:
    // A game of "Cat" at the child level with the add-word panel open.
    std::unique_ptr<GameFixture> openPanel(const QByteArray &wordFile = "Cat\r\n")
    {
        auto game = std::make_unique<GameFixture>(wordFile);
        game->startGame("Ann", false);
        game->ui().cmdAddWord->click();
        return game;
    }

    void add(GameFixture &game, const QString &word, const QString &definition, bool adult)
    {
        game.ui().txtWord->setText(word);
        game.ui().txtDefinition->setText(definition);
        (adult ? game.ui().optAdultWord : game.ui().optChildWord)->click();
        game.ui().cmdAddWordtoDicitonary->click();
    }

private Q_SLOTS:
    void panelOpensOverTheGameAndHoldsTheLetters()
    {
        auto game = openPanel();
        const auto &ui = game->ui();
        QCOMPARE(panelControls(ui, false), QStringList());
        QCOMPARE(enabledLetters(ui), 0);
        QVERIFY(ui.optAdultWord->isChecked());
        QVERIFY(ui.txtDefinition->isEnabled());
        // The panel stands over the board, entirely inside the window.
        QVERIFY(game->window->rect().contains(ui.fraAddWord->geometry()));
        QVERIFY(ui.fraAddWord->geometry().intersects(ui.WordBox->geometry()));
        const QImage shown = game->window->grab().toImage();
        const QColor underPanel = shown.pixelColor(150, 120); // over the cyan board
        QVERIFY2(qAbs(underPanel.red() - underPanel.green()) < 8, "the board shows through");
    }

    void childOptionDisablesTheDefinitionAndKeepsItsText()
    {
        auto game = openPanel();
        const auto &ui = game->ui();
        ui.txtDefinition->setText("kept");
        ui.optChildWord->click();
        QVERIFY(!ui.txtDefinition->isEnabled());
        QCOMPARE(ui.txtDefinition->text(), QString("kept"));
        ui.optAdultWord->click();
        QVERIFY(ui.txtDefinition->isEnabled());
    }

    void refusedEntriesWriteNothing_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("definition");
        QTest::addColumn<bool>("adult");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("focus");

        QTest::newRow("empty word, empty definition")
            << ""
            << "" << true << "Please enter a word to insert in the dictionary."
            << "Word needed to continue"
            << "txtWord";
        QTest::newRow("empty word, child")
            << ""
            << "x" << false << "Please enter a word to insert in the dictionary."
            << "Word needed to continue"
            << "txtWord";
        QTest::newRow("line break in the word")
            << "Ca\nt"
            << "A pet" << true << "The word and its definition must each fit on one line."
            << "Word not accepted"
            << "txtWord";
        QTest::newRow("line break in the definition")
            << "Cat"
            << "A pet\r\nthat purrs" << true
            << "The word and its definition must each fit on one line."
            << "Word not accepted"
            << "txtDefinition";
        QTest::newRow("fourteen characters")
            << "Abcdefghijklmn"
            << "" << false << "A word can have at most 13 characters."
            << "Word too long"
            << "txtWord";
        QTest::newRow("fourteen emoji") << QString::fromUtf8("\U0001F600").repeated(14) << ""
                                        << false << "A word can have at most 13 characters."
                                        << "Word too long"
                                        << "txtWord";
        QTest::newRow("escape sequence in the word")
            << "Ca\x1b[2Jt"
            << "" << false
            << "The word and its definition cannot hold control characters (such as a tab or an "
               "escape), which no one can see."
            << "Word not accepted"
            << "txtWord";
        QTest::newRow("NUL in the definition")
            << "Owl" << QString::fromUtf8("night\0bird", 10) << true
            << "The word and its definition cannot hold control characters (such as a tab or an "
               "escape), which no one can see."
            << "Word not accepted"
            << "txtDefinition";
        QTest::newRow("child word with a star")
            << "*Star"
            << "" << false << "A child word cannot begin with \"*\"."
            << "Word not accepted"
            << "txtWord";
        QTest::newRow("adult word without definition")
            << "Owl"
            << "" << true << "Please enter a definition to insert in the dictionary."
            << "Definition needed to continue"
            << "txtDefinition";
    }

    void refusedEntriesWriteNothing()
    {
        QFETCH(QString, word);
        QFETCH(QString, definition);
        QFETCH(bool, adult);
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(QString, focus);
        auto game = openPanel();
        QVERIFY(QTest::qWaitForWindowActive(game->window.get()));
        add(*game, word, definition, adult);
        QCOMPARE(game->services.messages.size(), 1);
        QCOMPARE(game->services.messages.first().text, text);
        QCOMPARE(game->services.messages.first().title, title);
        QCOMPARE(game->services.messages.first().flags, 0);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(readBytes(game->wordFilePath()), QByteArray("Cat\r\n"));
        QCOMPARE(panelControls(game->ui(), false), QStringList());
        QCOMPARE(enabledLetters(game->ui()), 0);
    }

    void entriesAreAppendedInTheFileFormat_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("definition");
        QTest::addColumn<bool>("adult");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("adult") << QByteArray("Cat\r\n") << "Owl"
                               << "A night bird" << true
                               << QByteArray("Cat\r\n*Owl\r\nA night bird\r\n");
        QTest::newRow("child, definition ignored")
            << QByteArray("Cat\r\n") << "Dog"
            << "not written" << false << QByteArray("Cat\r\nDog\r\n");
        QTest::newRow("blanks as typed") << QByteArray("Cat\r\n") << "   "
                                         << "" << false << QByteArray("Cat\r\n   \r\n");
        QTest::newRow("line break in an unused definition")
            << QByteArray("Cat\r\n") << "Dog"
            << "two\nlines" << false << QByteArray("Cat\r\nDog\r\n");
        QTest::newRow("thirteen emoji")
            << QByteArray("Cat\r\n") << QString::fromUtf8("\U0001F600").repeated(13) << "" << false
            << QByteArray("Cat\r\n") + QString::fromUtf8("\U0001F600").repeated(13).toUtf8() +
                   "\r\n";
        QTest::newRow("unterminated last line is ended first")
            << QByteArray("Cat") << "Dog"
            << "" << false << QByteArray("Cat\r\nDog\r\n");
    }

    void entriesAreAppendedInTheFileFormat()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, word);
        QFETCH(QString, definition);
        QFETCH(bool, adult);
        QFETCH(QByteArray, after);
        auto game = openPanel(before);
        add(*game, word, definition, adult);
        QVERIFY(game->services.messages.isEmpty());
        QCOMPARE(readBytes(game->wordFilePath()), after);
        QCOMPARE(panelControls(game->ui(), true), QStringList());
        QCOMPARE(enabledLetters(game->ui()), 26);
    }

    void addingTwiceAppendsTwiceAndKeepsTheTexts()
    {
        auto game = openPanel();
        add(*game, "Dog", "", false);
        QCOMPARE(game->ui().txtWord->text(), QString("Dog"));
        QVERIFY(game->ui().optChildWord->isChecked());
        game->ui().cmdAddWord->click();
        QVERIFY(game->ui().optChildWord->isChecked());
        game->ui().cmdAddWordtoDicitonary->click();
        QCOMPARE(readBytes(game->wordFilePath()), QByteArray("Cat\r\nDog\r\nDog\r\n"));
    }

    void missingFileIsCreated()
    {
        auto game = openPanel();
        QFile::remove(game->wordFilePath());
        add(*game, "Dog", "", false);
        QCOMPARE(readBytes(game->wordFilePath()), QByteArray("Dog\r\n"));
    }

    void boardEmptiesButTheGameGoesOnAndCanBeWon()
    {
        auto game = std::make_unique<GameFixture>("Cat\r\n");
        game->startGame("Ann", false);
        game->guess("cx");
        QVERIFY(game->revealed(1));
        game->ui().cmdAddWord->click();
        add(*game, "Dog", "", false);
        QVERIFY(!game->revealed(1));
        QCOMPARE(game->ui().Canvas->accessibleDescription(), QString("1 of 6 misses"));
        QVERIFY(game->ui().Letter[2]->isHidden()); // guessed letters stay hidden
        game->guess("at");
        QCOMPARE(game->services.messages.size(), 1);
        QCOMPARE(game->services.messages.first().title, QString("Congratulations! You Won Ann!"));
        QCOMPARE(game->services.messages.first().text, QString("The word is: Cat."));
    }

    void resetWhileThePanelIsOpenKeepsItOpen()
    {
        auto game = openPanel();
        game->ui().cmdReset->click();
        QCOMPARE(panelControls(game->ui(), false), QStringList());
        QCOMPARE(enabledLetters(game->ui()), 0);
        QCOMPARE(game->visibleLetters(), 26);
    }

    void fileErrorsKeepThePanelOpenAndTheGameRunning_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("text");
        QTest::newRow("folder gone")
            << "folder"
            << "The path is not correct, or \r\nthe data file was not found in the "
               "project's folder.";
        QTest::newRow("word file replaced by a folder")
            << "file"
            << "The word could not be added: Is a directory.";
    }

    void fileErrorsKeepThePanelOpenAndTheGameRunning()
    {
        QFETCH(QString, damage);
        QFETCH(QString, text);
        auto game = openPanel();
        const QString gone = game->folder.path() + "-gone";
        if (damage == "folder") {
            QVERIFY(QDir().rename(game->folder.path(), gone));
        } else {
            QFile::remove(game->wordFilePath());
            QDir(game->folder.path()).mkdir("Dictionary.txt");
        }
        add(*game, "Dog", "", false);
        if (damage == "folder")
            QDir().rename(gone, game->folder.path());
        QCOMPARE(game->services.messages.size(), 1);
        QCOMPARE(game->services.messages.first().text, text);
        QCOMPARE(game->services.messages.first().title, QString("Error"));
        QCOMPARE(panelControls(game->ui(), false), QStringList());
        QCOMPARE(enabledLetters(game->ui()), 0);
        QVERIFY(game->window->isVisible());
    }

    void addedWordsLoadAtTheNextStartAsTyped()
    {
        auto game = openPanel(QByteArray());
        add(*game, " Sun ", "Our own star, seen by day", true);
        game->ui().cmdAddWord->click();
        add(*game, "ice Cream", "", false);
        GameFixture next(readBytes(game->wordFilePath()));
        next.startGame("Ann", true);
        next.guess("bcdfgh");
        QCOMPARE(next.services.messages.first().text,
                 QString("The word is:  Sun  and the definition is: Our own star, seen by day."));
        GameFixture child(readBytes(game->wordFilePath()));
        child.startGame("Ann", false);
        child.guess("bdfghj");
        QCOMPARE(child.services.messages.first().text, QString("The word is: ice Cream."));
    }
};

QTEST_MAIN(TestAddWord)
#include "tst_addword.moc"
