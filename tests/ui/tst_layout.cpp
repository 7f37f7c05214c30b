#include "CommandButton.h"
#include "GameExecutiveLayout.h"
#include "PictureBox.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

namespace {

int px(int twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

QString captionOf(QWidget *w)
{
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        return b->text();
    if (auto *l = qobject_cast<QLabel *>(w))
        return l->text();
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e->text();
    return QString();
}

QString kindOf(QWidget *w)
{
    if (qobject_cast<CommandButton *>(w))
        return "button";
    if (qobject_cast<QRadioButton *>(w))
        return "option";
    if (qobject_cast<QGroupBox *>(w))
        return "frame";
    if (qobject_cast<QLabel *>(w))
        return "label";
    if (qobject_cast<QLineEdit *>(w))
        return "text";
    if (qobject_cast<PictureBox *>(w))
        return "picture";
    return "?";
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

private:
    QWidget m_form;
    GameExecutiveLayout ui;

    QWidget *control(const QString &name) { return m_form.findChild<QWidget *>(name); }

private Q_SLOTS:
    void initTestCase() { ui.setupUi(&m_form); }

    void windowHasItsCaptionAndClientSize()
    {
        QCOMPARE(m_form.windowTitle(), QString("Quillow"));
        QCOMPARE(m_form.size(), QSize(792, 424));
    }

    void controlsStandWhereTheLayoutPutsThem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("font");
        QTest::addColumn<bool>("shown");

        auto row = [](const char *name, const char *kind, const char *container,
                      const char *caption, int left, int top, int width, int height,
                      const char *font, bool shown) {
            QTest::newRow(name) << QString(name) << QString(kind) << QString(container)
                                << QString(caption) << QRect(left, top, width, height)
                                << QString(font) << shown;
        };
        row("LetterFrame", "frame", "", "", 600, 120, 8055, 1215, "", false);
        row("WordBox", "picture", "", "", 240, 1560, 11535, 1095, "", false);
        row("Canvas", "picture", "", "", 600, 2880, 4335, 3255, "", false);
        row("cmdReset", "button", "", "&RESET", 9480, 3240, 1335, 615, "", false);
        row("picLetter", "picture", "", "", 10680, 240, 735, 1095, "Arial 36", false);
        row("fraTwo", "frame", "", "", 1800, 0, 7575, 2655, "", false);
        row("cmdAdult", "button", "fraTwo", "&ADULT", 1680, 1080, 1695, 735, "", true);
        row("cmdChild", "button", "fraTwo", "&CHILD", 4320, 1080, 1695, 735, "", true);
        row("Label2", "label", "fraTwo", "Please specify game level:", 2040, 480, 3735, 375,
            "Verdana 12", true);
        row("fraOne", "frame", "", "", 2040, 120, 7575, 2655, "", true);
        row("cmdSignIn", "button", "fraOne", "&ENTER AT YOUR OWN RISK", 3000, 960, 1695, 735, "",
            true);
        row("txtName", "text", "fraOne", "", 3840, 240, 1815, 390, "Verdana 12", true);
        row("Label1", "label", "fraOne", "Please enter your name:", 600, 240, 3135, 375,
            "Verdana 12", true);
        row("cmdAddWord", "button", "", "&ADD WORD TO DICTIONARY", 9480, 4080, 1335, 615, "",
            false);
        row("cmdQuit", "button", "", "&QUIT APPLICATION", 9480, 4920, 1335, 615, "", false);
        // The add-word panel opens lower than it was drawn (-720), so that all of it shows.
        row("fraAddWord", "frame", "", "", 2040, 120, 8052, 4572, "", false);
        row("optChildWord", "option", "fraAddWord", "Child Word", 1680, 2640, 1092, 492, "", false);
        row("optAdultWord", "option", "fraAddWord", "Adult Word", 1680, 2280, 1092, 372, "", false);
        row("txtDefinition", "text", "fraAddWord", "", 3960, 1080, 3855, 960, "Verdana 12", false);
        row("txtWord", "text", "fraAddWord", "", 3960, 480, 3855, 375, "Verdana 12", false);
        row("cmdAddWordtoDicitonary", "button", "fraAddWord", "&ADD TO DICTIONARY", 3360, 3480,
            1815, 735, "", false);
        row("Label3", "label", "fraAddWord", "Definition of word:", 1560, 1080, 2292, 372,
            "Verdana 12", false);
        row("Label4", "label", "fraAddWord", "Word to insert in dictionary:", 360, 480, 3492, 372,
            "Verdana 12", false);
        row("Canvas1", "picture", "", "", 2040, 2760, 7572, 3372, "", false);
    }

    void controlsStandWhereTheLayoutPutsThem()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QString, container);
        QFETCH(QString, caption);
        QFETCH(QRect, twips);
        QFETCH(QString, font);
        QFETCH(bool, shown);

        QWidget *w = control(name);
        QVERIFY(w);
        QCOMPARE(kindOf(w), kind);
        QCOMPARE(w->parentWidget()->objectName(), container);
        QCOMPARE(captionOf(w), caption);
        QCOMPARE(w->geometry(),
                 QRect(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height())));
        QCOMPARE(!w->isHidden(), shown);
        QVERIFY(w->isEnabled());
        if (!font.isEmpty()) {
            QCOMPARE(QString("%1 %2").arg(w->font().family()).arg(w->font().pointSize()), font);
        }
    }

    void lettersAreOneArrayFromAToZ()
    {
        for (int i = 0; i < 26; ++i) {
            CommandButton *letter = ui.Letter[i];
            QCOMPARE(letter->parentWidget(), static_cast<QWidget *>(ui.LetterFrame));
            QCOMPARE(letter->Caption(), QString(QChar('A' + i)));
            QCOMPARE(letter->geometry(),
                     QRect(px(240 + 600 * (i % 13)), px(240 + 480 * (i / 13)), 25, 25));
            QVERIFY(letter->isHidden());
        }
        QCOMPARE(ui.Letter[12]->pos(), QPoint(px(7440), px(240)));
        QCOMPARE(ui.Letter[13]->pos(), QPoint(px(240), px(720)));
    }

    void fontsResolveToInstalledFaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("family");
        QTest::newRow("Verdana") << "txtName"
                                 << "DejaVu Sans";
        QTest::newRow("Arial") << "picLetter"
                               << "Liberation Sans";
    }

    void fontsResolveToInstalledFaces()
    {
        QFETCH(QString, name);
        QFETCH(QString, family);
        QCOMPARE(QFontInfo(control(name)->font()).family(), family);
    }

    void optAdultWordIsSelected()
    {
        QVERIFY(ui.optAdultWord->isChecked());
        QVERIFY(!ui.optChildWord->isChecked());
    }

    void tabOrderFollowsTheTabIndex()
    {
        QStringList expected;
        for (int i = 0; i < 26; ++i)
            expected << QString("Letter(%1)").arg(i);
        expected << "cmdReset"
                 << "cmdAdult"
                 << "cmdChild"
                 << "cmdSignIn"
                 << "txtName"
                 << "cmdAddWord"
                 << "cmdQuit"
                 << "optChildWord"
                 << "optAdultWord"
                 << "txtDefinition"
                 << "txtWord"
                 << "cmdAddWordtoDicitonary";
        QStringList chain;
        QWidget *w = ui.Letter[0];
        for (qsizetype i = 0; i < expected.size(); ++i, w = w->nextInFocusChain()) {
            while (w->focusPolicy() == Qt::NoFocus)
                w = w->nextInFocusChain();
            chain << w->objectName();
        }
        QCOMPARE(chain, expected);
    }

    void stackingOrderPutsCanvas1OnTop()
    {
        QStringList bottomUp;
        for (QObject *child : m_form.children())
            if (auto *w = qobject_cast<QWidget *>(child))
                bottomUp << w->objectName();
        QCOMPARE(bottomUp,
                 (QStringList{"LetterFrame", "WordBox", "Canvas", "cmdReset", "picLetter", "fraTwo",
                              "fraOne", "cmdAddWord", "cmdQuit", "fraAddWord", "Canvas1"}));
    }

    void pictureBoxesHaveTheBoardBackgroundAndASunkenBorder()
    {
        QCOMPARE(ui.WordBox->innerSize(), QSize(765, 69));
        for (PictureBox *box : {ui.WordBox, ui.Canvas, ui.Canvas1, ui.picLetter}) {
            QCOMPARE(box->BackColor(), RGB(192, 255, 255));
            QCOMPARE(box->Point(0, 0), RGB(192, 255, 255));
        }
        QCOMPARE(ui.Canvas->ScaleWidth(), (289 - 4) * 15.0);
        QCOMPARE(ui.WordBox->ScaleWidth(), 765.0);
    }

    void resizingMovesNothing()
    {
        QWidget form;
        GameExecutiveLayout layout;
        layout.setupUi(&form);
        QList<QRect> before;
        for (QWidget *w : form.findChildren<QWidget *>())
            before << w->geometry();
        form.resize(1200, 800);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QList<QRect> after;
        for (QWidget *w : form.findChildren<QWidget *>())
            after << w->geometry();
        QCOMPARE(after, before);
    }

    void accessKeysPressTheirButtons()
    {
        QWidget form;
        GameExecutiveLayout layout;
        layout.setupUi(&form);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QSignalSpy signIn(layout.cmdSignIn, &QAbstractButton::clicked);
        QSignalSpy adult(layout.cmdAdult, &QAbstractButton::clicked);
        QTest::keyClick(form.windowHandle(), Qt::Key_E, Qt::AltModifier);
        QTRY_COMPARE(signIn.count(), 1);
        // A hidden button's access key does nothing.
        QTest::keyClick(form.windowHandle(), Qt::Key_A, Qt::AltModifier);
        QTest::qWait(300);
        QCOMPARE(adult.count(), 0);
        layout.fraOne->hide();
        layout.fraTwo->show();
        QTest::keyClick(form.windowHandle(), Qt::Key_A, Qt::AltModifier);
        QTRY_COMPARE(adult.count(), 1);
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
