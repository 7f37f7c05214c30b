#include "DesktopServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <sys/stat.h>

namespace {

// Answers the next message box by pressing the given button, once it is on the screen, and
// records what the box showed.
struct BoxAnswerer
{
    QMessageBox::StandardButton press = QMessageBox::NoButton;
    bool escape = false;
    QList<QMessageBox::StandardButton> buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString shownTitle;
    QString text;
    Qt::TextFormat format = Qt::AutoText;

    void arm()
    {
        QTimer::singleShot(50, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return arm();
            for (QAbstractButton *b : box->buttons())
                buttons << box->standardButton(b);
            icon = box->icon();
            title = box->windowTitle();
            shownTitle = box->windowHandle() ? box->windowHandle()->title() : QString();
            text = box->text();
            format = box->textFormat();
            if (escape)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->button(press)->click();
        });
    }
};

} // namespace

class TestDesktopServices : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void messageBoxShowsTheButtonsOfItsFlags_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<QList<QMessageBox::StandardButton>>("buttons");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("pressed");
        QTest::addColumn<bool>("escape");
        QTest::addColumn<int>("answer");
        using B = QMessageBox;
        QTest::newRow("OK only") << 0 << QList<B::StandardButton>{B::Ok} << int(B::NoIcon)
                                 << int(B::Ok) << false << 1;
        QTest::newRow("Retry") << 37 << QList<B::StandardButton>{B::Retry, B::Cancel}
                               << int(B::Question) << int(B::Retry) << false << 4;
        QTest::newRow("Cancel") << 37 << QList<B::StandardButton>{B::Retry, B::Cancel}
                                << int(B::Question) << int(B::Cancel) << false << 2;
        QTest::newRow("Escape is Cancel") << 37 << QList<B::StandardButton>{B::Retry, B::Cancel}
                                          << int(B::Question) << 0 << true << 2;
    }

    void messageBoxShowsTheButtonsOfItsFlags()
    {
        QFETCH(int, flags);
        QFETCH(QList<QMessageBox::StandardButton>, buttons);
        QFETCH(int, icon);
        QFETCH(int, pressed);
        QFETCH(bool, escape);
        QFETCH(int, answer);
        DesktopServices services;
        BoxAnswerer answerer;
        answerer.press = static_cast<QMessageBox::StandardButton>(pressed);
        answerer.escape = escape;
        answerer.arm();
        const auto got = services.showMessage(QStringLiteral("The path is not correct, or \r\nthe "
                                                             "data file was not found."),
                                              QStringLiteral("Error"), MessageBoxKind(flags));
        QCOMPARE(int(got), answer);
        std::sort(answerer.buttons.begin(), answerer.buttons.end());
        std::sort(buttons.begin(), buttons.end());
        QCOMPARE(answerer.buttons, buttons);
        QCOMPARE(int(answerer.icon), icon);
        QCOMPARE(answerer.title, QString("Error"));
        QCOMPARE(answerer.text,
                 QString("The path is not correct, or \nthe data file was not found."));
    }

    // Names and definitions come from the player and the word file: shown as typed, never
    // as markup (an image of a FIFO would block the game for good).
    void textAndTitleAreShownAsPlainText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("markup in a name") << "Well done."
                                          << "<b>Ann</b>, you have won";
        QTest::newRow("window-modified mark in a name") << "Well done."
                                                        << "Ann[*], you have won";
        QTest::newRow("doubled mark") << "Well done."
                                      << "Ann[*][*]";
        QTest::newRow("image of a FIFO in a definition")
            << "OWL: night bird<img src=\"" + m_fifo + "\">"
            << "Ann";
        QTest::newRow("link and font")
            << "<a href=\"https://example.org\">x</a><font size=7 color=red>big</font>"
            << "Ann";
    }

    void textAndTitleAreShownAsPlainText()
    {
        QFETCH(QString, text);
        QFETCH(QString, title);
        DesktopServices services;
        BoxAnswerer answerer;
        answerer.press = QMessageBox::Ok;
        answerer.arm();
        QCOMPARE(services.showMessage(text, title, MessageBoxKind::Ok), MessageBoxAnswer::Ok);
        QCOMPARE(answerer.format, Qt::PlainText);
        QCOMPARE(answerer.text, text);
        QCOMPARE(answerer.shownTitle, title);
    }

    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_fifo = m_dir.filePath("fifo");
        QCOMPARE(::mkfifo(m_fifo.toLocal8Bit().constData(), 0600), 0);
    }

private:
    QTemporaryDir m_dir;
    QString m_fifo;
};

QTEST_MAIN(TestDesktopServices)
#include "tst_desktopservices.moc"
