#include "CDicitionaryInterface.h"
#include "CSecretWord.h"
#include "ChildProcess.h"
#include "FaultyReader.h"
#include "FileErrorPrompt.h"
#include "ProgramEnd.h"
#include "RunTimeError.h"
#include "ScriptedServices.h"
#include "SingleRandom.h"
#include "TestFiles.h"
#include "TextFileReader.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

class TestDictionary : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString wordFile(const QByteArray &bytes)
    {
        const QString path = m_dir.filePath("Dictionary.txt");
        writeBytes(path, bytes);
        return path;
    }

    // The message box a failed load shows, or an empty title when the load went through.
    static ScriptedServices::Message onlyMessage(const ScriptedServices &services)
    {
        return services.messages.size() == 1 ? services.messages.first()
                                             : ScriptedServices::Message{};
    }

private Q_SLOTS:
    void findsTheFileInTheProgramFolder()
    {
        wordFile("*Owl\r\nA bird of the night\r\nCat\r\n");
        ScriptedServices services;
        const QByteArray wordPath =
            QFile::encodeName(QDir(m_dir.path()).filePath("Dictionary.txt"));
        CDicitionaryInterface dictionary(services, wordPath);
        const auto adult = dictionary.getWord(1);
        QCOMPARE(adult->Word(), QString("Owl"));
        QCOMPARE(adult->Definition(), QString("A bird of the night"));
        QCOMPARE(dictionary.getWord(0)->Word(), QString("Cat"));
        QVERIFY(services.messages.isEmpty());
    }

    void levelsOtherThanOneAreChild_data()
    {
        QTest::addColumn<int>("level");
        QTest::newRow("0") << 0;
        QTest::newRow("2") << 2;
        QTest::newRow("-1") << -1;
    }

    void levelsOtherThanOneAreChild()
    {
        QFETCH(int, level);
        TextFileReader reader(QFile::encodeName(wordFile("*Owl\r\nA bird\r\nCat\r\n")));
        ScriptedServices services;
        CDicitionaryInterface dictionary(services, reader);
        const auto word = dictionary.getWord(static_cast<qint16>(level));
        QCOMPARE(word->Word(), QString("Cat"));
        QCOMPARE(word->Definition(), QString());
    }

    void emptyLevelGivesAnEmptyWord_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("level");
        QTest::newRow("empty file, adult") << QByteArray() << 1;
        QTest::newRow("empty file, child") << QByteArray() << 0;
        QTest::newRow("only child words, adult") << QByteArray("Cat\r\nDog\r\n") << 1;
        QTest::newRow("only adult words, child") << QByteArray("*Owl\r\nA bird\r\n") << 0;
    }

    void emptyLevelGivesAnEmptyWord()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, level);
        TextFileReader reader(QFile::encodeName(wordFile(bytes)));
        ScriptedServices services;
        CDicitionaryInterface dictionary(services, reader);
        const auto word = dictionary.getWord(static_cast<qint16>(level));
        QCOMPARE(word->Word(), QString());
        QCOMPARE(word->Definition(), QString());
    }

    void everyWordIsADifferentObject()
    {
        TextFileReader reader(QFile::encodeName(wordFile("Cat\r\n")));
        ScriptedServices services;
        CDicitionaryInterface dictionary(services, reader);
        QVERIFY(dictionary.getWord(0) != dictionary.getWord(0));
    }

    void drawPicksSlotsOneToN_data()
    {
        QTest::addColumn<int>("n");
        QTest::newRow("0") << 0;
        QTest::newRow("1") << 1;
        QTest::newRow("7") << 7;
        QTest::newRow("1000") << 1000;
    }

    void drawPicksSlotsOneToN()
    {
        QFETCH(int, n);
        const auto count = static_cast<qint16>(n);
        const float largest = std::nextafter(1.0f, 0.0f);
        QCOMPARE(CDicitionaryInterface::slotForDraw(0.0f, count), 1);
        QCOMPARE(CDicitionaryInterface::slotForDraw(largest, count), std::max(n, 1));
    }

    void generatorNeverReachesOne()
    {
        SingleRandom random;
        random.seed(12345);
        float largest = 0;
        for (int i = 0; i < 1000000; ++i)
            largest = std::max(largest, random.next());
        QVERIFY(largest < 1.0f);
        QVERIFY(largest > 0.999f);
    }

    void everyWordOfALevelIsReached()
    {
        // Slot 0 and slot n + 1 hold empty strings, so an empty word would show a draw outside
        // the level's entries.
        const QByteArray bytes = "One\r\nTwo\r\nThree\r\nFour\r\nFive\r\nSix\r\nSeven\r\n";
        TextFileReader reader(QFile::encodeName(wordFile(bytes)));
        ScriptedServices services;
        SingleRandom random;
        random.seed(2026);
        CDicitionaryInterface dictionary(services, reader, [&random] { return random.next(); });
        QHash<QString, int> seen;
        for (int i = 0; i < 7000; ++i)
            ++seen[dictionary.getWord(0)->Word()];
        QCOMPARE(seen.size(), 7);
        QVERIFY(!seen.contains(QString()));
        for (int times : seen)
            QVERIFY2(times > 850 && times < 1150, "draws far from uniform");
    }

    void missingFileOrFolderEndsTheProgram_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("file missing") << "empty";
        QTest::newRow("folder missing") << "no/such/folder";
    }

    void missingFileOrFolderEndsTheProgram()
    {
        QFETCH(QString, folder);
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("empty");
        ScriptedServices services;
        const QByteArray wordPath =
            QFile::encodeName(QDir(dir.filePath(folder)).filePath("Dictionary.txt"));
        try {
            CDicitionaryInterface dictionary(services, wordPath);
            QFAIL("the load went through");
        } catch (const ProgramEnd &end) {
            QCOMPARE(end.exitStatus(), exitCode(ExitStatus::WordFileMissing));
        }
        const auto message = onlyMessage(services);
        QCOMPARE(message.text, QString("The path is not correct, or \r\n"
                                       "the data file was not found in the project's folder."));
        QCOMPARE(message.title, QString("Error"));
        QCOMPARE(message.flags, 0);
    }

    void diskNotReadyRetriesTheFailedStep_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("call");
        QTest::newRow("open") << "open" << 1;
        QTest::newRow("end-of-file test") << "atEnd" << 2;
        QTest::newRow("reading a word") << "readLine" << 3;
        QTest::newRow("reading a definition") << "readLine" << 2;
        QTest::newRow("close") << "close" << 1;
    }

    void diskNotReadyRetriesTheFailedStep()
    {
        QFETCH(QString, step);
        QFETCH(int, call);
        TextFileReader real(QFile::encodeName(wordFile("*Owl\r\nA bird\r\nCat\r\nDog\r\n")));
        FaultyReader reader(real);
        reader.failStep(step, call, 3, ErrorNumber::DiskNotReady);
        ScriptedServices services;
        services.answers = {MessageBoxAnswer::Retry, MessageBoxAnswer::Retry,
                            MessageBoxAnswer::Retry};
        SingleRandom random;
        CDicitionaryInterface dictionary(services, reader, [&random] { return random.next(); });

        QCOMPARE(services.messages.size(), 3);
        for (const auto &message : services.messages) {
            QCOMPARE(message.text, QString("Diskette not ready.  Retry?"));
            QCOMPARE(message.title, QString("Diskette Error"));
            QCOMPARE(message.flags, 37);
        }
        // Nothing read before the failure is lost and nothing is read twice.
        const auto adult = dictionary.getWord(1);
        QCOMPARE(adult->Word(), QString("Owl"));
        QCOMPARE(adult->Definition(), QString("A bird"));
        QSet<QString> children;
        for (int i = 0; i < 200; ++i)
            children.insert(dictionary.getWord(0)->Word());
        QCOMPARE(children, (QSet<QString>{"Cat", "Dog"}));
    }

    void cancelAtDiskNotReadyEndsTheProgram()
    {
        TextFileReader real(QFile::encodeName(wordFile("Cat\r\n")));
        FaultyReader reader(real);
        reader.failStep("readLine", 1, 5, ErrorNumber::DiskNotReady);
        ScriptedServices services;
        services.answers = {MessageBoxAnswer::Retry, MessageBoxAnswer::Cancel};
        QVERIFY_THROWS_EXCEPTION(ProgramEnd, CDicitionaryInterface(services, reader));
        QCOMPARE(services.messages.size(), 2);
    }

    void otherErrorsArePassedOnWithoutAMessage_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("line");
        QByteArray tooMany;
        for (int i = 0; i < 1001; ++i)
            tooMany += "Cat\r\n";
        QTest::newRow("star line at the end") << QByteArray("Cat\r\n*Owl\r\n") << 62 << 2;
        QTest::newRow("1001st entry") << tooMany << 9 << 1001;
    }

    void otherErrorsArePassedOnWithoutAMessage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, number);
        QFETCH(int, line);
        const QString path = wordFile(bytes);
        ScriptedServices services;
        const QByteArray wordPath =
            QFile::encodeName(QDir(m_dir.path()).filePath("Dictionary.txt"));
        try {
            CDicitionaryInterface dictionary(services, wordPath);
            QFAIL("the load went through");
        } catch (const RunTimeError &error) {
            QCOMPARE(error.number(), number);
            QCOMPARE(error.lineNumber(), line);
            QCOMPARE(error.filePath(), QFile::encodeName(path));
        }
        QVERIFY(services.messages.isEmpty());
    }

    void readErrorOtherThanDiskNotReadyIsPassedOn()
    {
        TextFileReader real(QFile::encodeName(wordFile("Cat\r\nDog\r\n")));
        FaultyReader reader(real);
        reader.failStep("readLine", 2, 1, ErrorNumber::DeviceIOError);
        ScriptedServices services;
        try {
            CDicitionaryInterface dictionary(services, reader);
            QFAIL("the load went through");
        } catch (const RunTimeError &error) {
            QCOMPARE(error.number(), ErrorNumber::DeviceIOError);
            QCOMPARE(error.lineNumber(), 1);
        }
        QVERIFY(services.messages.isEmpty());
    }

    void anyBytesLoadOrStopWithANumberedError_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray binary(64 * 1024, Qt::Uninitialized);
        QRandomGenerator random(7);
        for (char &byte : binary)
            byte = static_cast<char>(random.bounded(256));
        QTest::newRow("binary data") << binary;
        QTest::newRow("only CRs") << QByteArray(5000, '\r');
        QTest::newRow("only LFs") << QByteArray(5000, '\n');
        QTest::newRow("NULs") << QByteArray(300, '\0');
        QTest::newRow("byte-order mark and star") << QByteArray("\xEF\xBB\xBF*");
        QTest::newRow("Latin-1") << QByteArray("*Caf\xE9\r\nUn caf\xE9 cr\xE8"
                                               "me\r\n\xC7"
                                               "a\r\n");
    }

    void anyBytesLoadOrStopWithANumberedError()
    {
        QFETCH(QByteArray, bytes);
        ScriptedServices services;
        const QByteArray wordPath =
            QFile::encodeName(QDir(m_dir.path()).filePath("Dictionary.txt"));
        wordFile(bytes);
        try {
            CDicitionaryInterface dictionary(services, wordPath);
            QVERIFY(dictionary.getWord(0)->numLetters() <= 13);
            QVERIFY(dictionary.getWord(1)->numLetters() <= 13);
        } catch (const RunTimeError &error) {
            QVERIFY2(error.number() == 62 || error.number() == 9, error.what());
        }
        QVERIFY(services.messages.isEmpty());
    }

    void folderInPlaceOfTheFileIsAnAccessError()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("Dictionary.txt");
        ScriptedServices services;
        const QByteArray wordPath = QFile::encodeName(QDir(dir.path()).filePath("Dictionary.txt"));
        try {
            CDicitionaryInterface dictionary(services, wordPath);
            QFAIL("the load went through");
        } catch (const RunTimeError &error) {
            QCOMPARE(error.number(), ErrorNumber::PathFileAccessError);
            QCOMPARE(error.filePath(), QFile::encodeName(dir.filePath("Dictionary.txt")));
        }
    }

    void unreadableFileIsPermissionDenied()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Dictionary.txt");
        writeBytes(path, "Cat\r\n");
        QFile::setPermissions(path, QFile::WriteOwner);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ExeGroup | QFile::ExeOther);
        const ChildResult child = inChild([&](QByteArray &said) {
            if (!becomeOrdinaryUser())
                return 10;
            ScriptedServices services;
            const QByteArray wordPath =
                QFile::encodeName(QDir(dir.path()).filePath("Dictionary.txt"));
            try {
                CDicitionaryInterface dictionary(services, wordPath);
            } catch (const RunTimeError &error) {
                said = QByteArray::number(error.number());
            }
            return 0;
        });
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(child.status, 0);
        QCOMPARE(child.said, QByteArray::number(ErrorNumber::PermissionDenied));
    }
};

QTEST_GUILESS_MAIN(TestDictionary)
#include "tst_dictionary.moc"
