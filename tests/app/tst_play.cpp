// The game played in its window by scripts of clicks and keys, with scripted boxes and sounds:
// what the player met, in order, and the four screens pixel for pixel with their pictures.

#include "GameFixture.h"
#include "GameLauncher.h"

#include <QApplication>
#include <QDir>
#include <QTest>

class TestPlay : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setCursorFlashTime(0); } // a text cursor that stays

    void scripts_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("met");
        const QString nameNeeded =
            "[First name needed to continue] Please enter your first name before continuing.";
        const QString game =
            "screen LetterFrame WordBox Canvas cmdReset picLetter cmdAddWord cmdQuit";
        const QString panel = game + " fraAddWord";
        QTest::newRow("sign in asks for a name")
            << QByteArray("Cat\r\n")
            << "focus; screen; picture sign-in; unnamed; sign in; name  ; sign in; screen; picture "
               "level"
            << "focus txtName\nscreen fraOne Canvas1\nunnamed none\n" + nameNeeded +
                   "\nscreen fraTwo Canvas1";
        QTest::newRow("hits one after another, six misses lose")
            << QByteArray("bEEt\r\n")
            << "name Ann; sign in; child; watch; picture game at box; guess e; guess acdfgh; "
               "board; figure; letters; letter; notices"
            << "music.wav\nmusic.wav\n" + QString("no.wav\n").repeated(6) +
                   "[You are a Loser Ann!] The word is: bEEt. / 6 of 6 misses\nscream.wav\n"
                   "board blank, blank, blank, blank\n"
                   "figure 0 of 6 misses\nletters 26 shown, 26 enabled\nletter \nnotices 8";
        QTest::newRow("the last hit wins after five misses; names and definitions as typed")
            << QByteArray("*Cat\r\nA <b>pet</b>\r\n")
            << "sign in; name  A[*]<i>; sign in; adult; screen; guess bdefgca; figure; letter; "
               "letters; guess t; board"
            << nameNeeded + "\n" + game + "\n" + QString("no.wav\n").repeated(5) +
                   "music.wav\nmusic.wav\nfigure 5 of 6 misses\nletter A\nletters 19 shown, 26 "
                   "enabled\nmusic.wav\n[Congratulations! You Won  A[*]<i>!] The word is: Cat and "
                   "the definition is: A <b>pet</b>.\nwinner.wav\nboard blank, blank, blank";
        QTest::newRow("positions count characters as they are seen")
            << QString("😀Ae\u0301a\r\n").toUtf8() << "name Al; sign in; child; guess a; board"
            << "music.wav\nmusic.wav\nboard blank, A, blank, A";
        QTest::newRow("a letter no button has, reset, quit")
            << QByteArray("ox-bow\r\n")
            << "name Al; sign in; child; guess oxbwz; news; figure; reset; news; figure; "
               "letters; quit; screen"
            << "music.wav\nmusic.wav\nmusic.wav\nmusic.wav\nmusic.wav\nno.wav\nnews Z is not in "
               "the word: 1 of 6 misses. O, X, blank, B, O, W.\nfigure 1 of 6 misses\nnews A new "
               "word of 6 letters: blank, blank, blank, blank, blank, blank.\nfigure 0 of 6 "
               "misses\n"
               "letters 26 shown, 26 enabled\ngoodbye.wav\nscreen closed";
        QTest::newRow("typed letters, either case, once; no digits, Ctrl, Alt")
            << QByteArray("Cat\r\n")
            << "name Al; return; type alt+c; focus; type cC1-; letters; type alt+t; panel; type t"
            << "focus WordBox\nmusic.wav\nletters 25 shown, 26 enabled";
        QTest::newRow("Return and Alt+A add, Alt+Q quits")
            << QByteArray("Cat\r\n")
            << "name Al; sign in; child; panel; child word; word Dog; focus; return; panel; type "
               "alt+a; file; type alt+q; screen"
            << "focus txtWord\nfile Cat|Dog|Dog|\ngoodbye.wav\nscreen closed";
        QTest::newRow("an entry added, the same game goes on")
            << QByteArray("Cat\r\n")
            << "name Al; sign in; child; guess cx; panel; screen; letters; word Owl; definition "
               "kept; picture add-word; child word; definition lost; adult word; add; file; "
               "screen; letters; news; "
               "guess at"
            << "music.wav\nno.wav\n" + panel +
                   "\nletters 24 shown, 0 enabled\n"
                   "file Cat|*Owl|kept|\n" +
                   game +
                   "\nletters 24 shown, 26 enabled\nnews Owl added to the dictionary. The word: "
                   "blank, blank, blank.\n"
                   "music.wav\nmusic.wav\n[Congratulations! You Won Al!] The word is: "
                   "Cat.\nwinner.wav";
        QTest::newRow("refusals keep the panel open, a new game too")
            << QByteArray("Cat\r\n")
            << "name Al; sign in; child; panel; child word; add; focus; word Owl; adult word; add; "
               "focus; reset; letters; file"
            << "[Word needed to continue] Please enter a word to insert in the dictionary.\nfocus "
               "txtWord\n"
               "[Definition needed to continue] Please enter a definition to insert in the "
               "dictionary.\nfocus txtDefinition\n"
               "letters 26 shown, 0 enabled\nfile Cat|";
        QTest::newRow("an add that fails is told, and the panel stays open; a link to nothing")
            << QByteArray("Cat\r\n")
            << "name Al; sign in; child; panel; child word; word Owl; gone; add; screen"
            << "[Error] The word could not be added: The word file is a symbolic link to to, which "
               "does not exist.\n" +
                   panel;
        QTest::newRow("nothing to play, told at start")
            << QByteArray("Cat\nDog\n") << "name Bo; sign in; adult"
            << "[Quillow] The word file holds no word that can be played: every game would have an "
               "empty word.\n\nIts lines end with a line feed alone, as most Linux editors save "
               "them, "
               "but the game needs Windows line ends (CR LF). Save it with Windows line ends, for "
               "example with unix2dos.\n\nFile: FILE (48)";
        QTest::newRow("no adult word, told on choosing")
            << QByteArray("Cat\r\n") << "name Bo; sign in; adult; board; guess a"
            << "[Quillow] The word file holds no adult word that can be played: an adult game has "
               "an empty word. Add adult words with ADD WORD TO DICTIONARY. (48)\n"
               "board no letters\nno.wav\n[Congratulations! You Won Bo!] The word is:  and "
               "the definition is: .\nwinner.wav";
        QTest::newRow("closed during a reveal")
            << QByteArray("A\r\n")
            << "name Al; sign in; child; close at pause; guess a; guess b; screen"
            << "music.wav\nscreen closed";
        QTest::newRow("closed while the win is told")
            << QByteArray("A\r\n")
            << "name Al; sign in; child; close at box; guess a; guess b; screen"
            << "music.wav\n[Congratulations! You Won Al!] The word is: A.\nscreen closed";
        QTest::newRow("memory runs out during a guess")
            << QByteArray("A\r\n") << "name Al; sign in; child; memory runs out; guess a; screen"
            << "music.wav\n[Quillow] Run-time error '7':\n\nOut of memory (16)\nscreen closed";
    }

    void scripts()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, script);
        QFETCH(QString, met);
        const QString transcript = GameFixture(file).play(script);
        if (transcript != met)
            qDebug().noquote() << transcript;
        QCOMPARE(transcript, met);
    }

    // The exit status, the box's kind and its text.
    void startUpErrorsEndTheProgramWithoutAWindow_data()
    {
        QTest::addColumn<QByteArray>("file"); // null: no file
        QTest::addColumn<QString>("told");
        const QString cannot =
            "2 [16] Quillow cannot start: its word file could not be read.\n\nError ";
        QTest::newRow("a missing file, named after the fixed text")
            << QByteArray()
            << "1 [0] The path is not correct, or \r\nthe data file was not found in the "
               "project's folder.\r\n\r\nFile: %1";
        QTest::newRow("a star line last")
            << QByteArray("Cat\r\n*Owl\r\n")
            << cannot + "62: Input past end of file.\nThe last word is marked \"*\" as an adult "
                        "word, but the file ends before its definition line.\n\nFile: %1\nReading "
                        "stopped at line 2.";
    }

    void startUpErrorsEndTheProgramWithoutAWindow()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, told);
        QTemporaryDir dir;
        const QString path = dir.filePath("Dictionary.txt");
        if (!file.isNull())
            writeBytes(path, file);
        CloseGuard guard;
        ScriptedServices services(guard);
        services.onMessage = [](const ScriptedServices::Message &) {
            for (QWidget *w : QApplication::topLevelWidgets())
                QVERIFY(!w->isVisible());
        };
        const int status = launchGame(services, guard, QFile::encodeName(path));
        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(QString("%1 [%2] %3")
                     .arg(status)
                     .arg(services.messages[0].flags)
                     .arg(services.messages[0].text),
                 told.arg(path));
    }
};

QTEST_MAIN(TestPlay)
#include "tst_play.moc"
