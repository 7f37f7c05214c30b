// Playing with the keyboard, and what a screen reader is told.

#include "CSecretWord.h"
#include "GameFixture.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

namespace {

QString spoken(QWidget *widget, QAccessible::Text what)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(what) : QString("(none)");
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Letters typed on the game screen, whatever has the focus there, are clicks on their
    // buttons: the same sounds, counts and messages.
    void typedLetterIsHandledLikeAClick_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("sounds");
        QTest::addColumn<int>("visibleLetters");
        QTest::addColumn<int>("messages");
        QTest::newRow("hit, lower case") << "c" << QStringList{"music.wav"} << 25 << 0;
        QTest::newRow("hit, upper case") << "C" << QStringList{"music.wav"} << 25 << 0;
        QTest::newRow("miss") << "z" << QStringList{"no.wav"} << 25 << 0;
        QTest::newRow("a letter already guessed does nothing")
            << "cC" << QStringList{"music.wav"} << 25 << 0;
        QTest::newRow("win") << "cat"
                             << QStringList{"music.wav", "music.wav", "music.wav", "winner.wav"}
                             << 26 << 1;
        QTest::newRow("digits and signs are no guesses") << "1- " << QStringList{} << 26 << 0;
    }

    void typedLetterIsHandledLikeAClick()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, sounds);
        QFETCH(int, visibleLetters);
        QFETCH(int, messages);
        GameFixture game("Cat\r\n");
        game.startGame("Ann", false);
        game.ui().cmdReset->setFocus();
        QTest::keyClicks(game.window.get(), typed);
        QCOMPARE(game.services.sounds, sounds);
        QCOMPARE(game.visibleLetters(), visibleLetters);
        QCOMPARE(game.services.messages.size(), messages);
    }

    void lettersGoIntoAFocusedTextBox()
    {
        GameFixture game("Cat\r\n");
        QTest::keyClicks(game.ui().txtName, "cat"); // the sign-in screen: no game yet
        QCOMPARE(game.ui().txtName->text(), QString("cat"));
        game.startGame("Ann", false);
        game.ui().cmdAddWord->click();
        QTest::keyClicks(game.ui().txtWord, "cat");
        QCOMPARE(game.ui().txtWord->text(), QString("cat"));
        QVERIFY(game.services.sounds.isEmpty());
        QTest::keyClicks(game.ui().optAdultWord, "c"); // letters wait while the panel is open
        QVERIFY(game.services.sounds.isEmpty());
        QCOMPARE(game.visibleLetters(), 26);
    }

    void modifiedLettersAreNoGuesses()
    {
        GameFixture game("Cat\r\n");
        game.startGame("Ann", false);
        QTest::keyClick(game.window.get(), Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(game.window.get(), Qt::Key_C, Qt::AltModifier);
        QVERIFY(game.services.sounds.isEmpty());
    }

    void returnSignsInAndAddsAWord()
    {
        GameFixture game("Cat\r\n");
        QTest::keyClicks(game.ui().txtName, "Ann");
        QTest::keyClick(game.ui().txtName, Qt::Key_Return);
        QVERIFY(game.ui().fraTwo->isVisible());
        game.ui().cmdChild->click();
        // The name box went with its frame; it must not keep the keys typed on the game screen.
        QWidget *focused = game.window->focusWidget();
        QVERIFY(!focused || focused->isVisible());
        game.ui().cmdAddWord->click();
        game.ui().optChildWord->click();
        QTest::keyClicks(game.ui().txtWord, "Dog");
        QTest::keyClick(game.ui().txtWord, Qt::Key_Return);
        QCOMPARE(readBytes(game.wordFilePath()), QByteArray("Cat\r\nDog\r\n"));
        QVERIFY(!game.ui().fraAddWord->isVisible());
        // Alt+A adds, although the button that opened the panel has the same access key.
        game.ui().cmdAddWord->click();
        QVERIFY(QTest::qWaitForWindowActive(game.window.get()));
        QTest::keyClick(game.ui().txtWord, Qt::Key_A, Qt::AltModifier);
        QCOMPARE(readBytes(game.wordFilePath()), QByteArray("Cat\r\nDog\r\nDog\r\n"));
    }

    void everyControlHasAName()
    {
        GameFixture game("Cat\r\n");
        for (QWidget *widget : game.window->findChildren<QWidget *>()) {
            if (qobject_cast<QLabel *>(widget) && !widget->objectName().startsWith("Label"))
                continue; // the text parts inside other controls
            QVERIFY2(!spoken(widget, QAccessible::Name).isEmpty(),
                     qPrintable(widget->objectName()));
        }
        QCOMPARE(spoken(game.ui().Letter[0], QAccessible::Name), QString("Letter A"));
        QCOMPARE(spoken(game.ui().Letter[25], QAccessible::Name), QString("Letter Z"));
        QCOMPARE(spoken(game.ui().cmdQuit, QAccessible::Name), QString("QUIT APPLICATION"));
    }

    // (The offscreen platform has no accessibility bridge, so the change events that announce
    // these are not seen here; the descriptions are what a screen reader reads.)
    void boardFigureAndLetterBoxAreDescribedAsTheGameGoes()
    {
        GameFixture game("Boat\r\n");
        game.startGame("Ann", false);
        QCOMPARE(spoken(game.ui().WordBox, QAccessible::Description),
                 QString("blank, blank, blank, blank: 4 letters, 0 found"));
        QCOMPARE(spoken(game.ui().Canvas, QAccessible::Description), QString("0 of 6 misses"));

        game.guess("B");
        game.guess("T");
        game.guess("Z");
        QCOMPARE(spoken(game.ui().WordBox, QAccessible::Description),
                 QString("B, blank, blank, T: 4 letters, 2 found"));
        QCOMPARE(spoken(game.ui().Canvas, QAccessible::Description), QString("1 of 6 misses"));
        QCOMPARE(spoken(game.ui().picLetter, QAccessible::Description), QString("Z"));

        game.ui().cmdReset->click();
        QCOMPARE(spoken(game.ui().WordBox, QAccessible::Description),
                 QString("blank, blank, blank, blank: 4 letters, 0 found"));
        QCOMPARE(spoken(game.ui().Canvas, QAccessible::Description), QString("0 of 6 misses"));
        QCOMPARE(spoken(game.ui().picLetter, QAccessible::Description), QString());
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
