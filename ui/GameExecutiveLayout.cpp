#include "GameExecutiveLayout.h"

#include "Announcer.h"
#include "CommandButton.h"
#include "PictureBox.h"
#include "TextBox.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include <cmath>

namespace {

// The layout was drawn for an 8-point interface font; the captions of the narrow buttons and
// options fit only at that size.
constexpr int kInterfacePointSize = 8;

// The add-word panel was drawn with its top edge 720 twips above the window, which hides the
// word box. It opens lower, with the same top as the sign-in panel, so all of it can be seen.
constexpr int kAddWordPanelTop = 120;

int pixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / PictureBox::TwipsPerPixel));
}

void place(QWidget *widget, const char *name, int left, int top, int width, int height)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(pixels(left), pixels(top), pixels(width), pixels(height));
}

QGroupBox *frame(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    auto *box = new QGroupBox(parent);
    place(box, name, left, top, width, height);
    box->setAutoFillBackground(true); // a panel hides what lies under it
    return box;
}

CommandButton *button(QWidget *parent, const char *name, const QString &caption, int left, int top,
                      int width, int height)
{
    auto *b = new CommandButton(caption, parent);
    place(b, name, left, top, width, height);
    return b;
}

const QFont &verdana12()
{
    static const QFont font(QStringLiteral("Verdana"), 12);
    return font;
}

QLabel *label(QWidget *parent, const char *name, const QString &caption, Qt::Alignment alignment,
              int left, int top, int width, int height)
{
    auto *l = new QLabel(caption, parent);
    l->setAlignment(alignment | Qt::AlignTop);
    l->setFont(verdana12());
    place(l, name, left, top, width, height);
    return l;
}

TextBox *textBox(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    auto *edit = new TextBox(parent);
    edit->setFont(verdana12());
    place(edit, name, left, top, width, height);
    return edit;
}

PictureBox *pictureBox(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    auto *box = new PictureBox(parent);
    place(box, name, left, top, width, height);
    box->setBackColor(GameExecutiveLayout::BoardBackground);
    return box;
}

QRadioButton *option(QWidget *parent, const char *name, const QString &caption, int left, int top,
                     int width, int height)
{
    auto *o = new QRadioButton(caption, parent);
    place(o, name, left, top, width, height);
    return o;
}

} // namespace

void GameExecutiveLayout::setupUi(QWidget *form)
{
    QAccessible::installFactory(accessibleRoleFor);
    form->setWindowTitle(QStringLiteral("Quillow"));
    form->setFont(QFont(QStringLiteral("Arial"), kInterfacePointSize));
    form->resize(ClientWidth, ClientHeight);

    // Built in the order of the drawn layout, which is also the first stacking order.
    buildLetters(form);
    buildBoard(form);
    buildLevelPanel(form);
    buildSignInPanel(form);
    buildGameButtons(form);
    buildAddWordPanel(form);
    Canvas1 = pictureBox(form, "Canvas1", 2040, 2760, 7572, 3372);
    Canvas1->setScaleMode(PictureBox::ScaleMode::Twips);

    // Shown as the layout is built: only the sign-in panel (its controls are shown inside it).
    for (const QList<QWidget *> &hidden :
         {gameScreen(), QList<QWidget *>{fraTwo, Canvas1}, addWordPanel()})
        for (QWidget *control : hidden)
            control->hide();
    for (CommandButton *letter : Letter)
        letter->hide();

    setTabOrder();
    setStacking();
    nameForScreenReaders();
}

QList<QWidget *> GameExecutiveLayout::gameScreen() const
{
    return {picLetter, LetterFrame, WordBox, Canvas, cmdReset, cmdAddWord, cmdQuit};
}

QList<QWidget *> GameExecutiveLayout::addWordPanel() const
{
    return {fraAddWord,    Label4,       Label3,       txtWord,
            txtDefinition, optAdultWord, optChildWord, cmdAddWordtoDicitonary};
}

void GameExecutiveLayout::buildLetters(QWidget *form)
{
    LetterFrame = frame(form, "LetterFrame", 600, 120, 8055, 1215);
    for (int i = 0; i < LetterCount; ++i) {
        const int column = i % 13;
        const int row = i / 13;
        Letter[i] = button(LetterFrame, "Letter", QString(QChar(u'A' + i)), 240 + 600 * column,
                           240 + 480 * row, 375, 375);
        Letter[i]->setObjectName(QStringLiteral("Letter(%1)").arg(i));
    }
}

void GameExecutiveLayout::buildBoard(QWidget *form)
{
    WordBox = pictureBox(form, "WordBox", 240, 1560, 11535, 1095);
    WordBox->setFocusPolicy(Qt::StrongFocus); // it holds the focus during play
    Canvas = pictureBox(form, "Canvas", 600, 2880, 4335, 3255);
    Canvas->setScaleMode(PictureBox::ScaleMode::Twips);
    cmdReset = button(form, "cmdReset", QStringLiteral("&RESET"), 9480, 3240, 1335, 615);
    picLetter = pictureBox(form, "picLetter", 10680, 240, 735, 1095);
    picLetter->setFont(QFont(QStringLiteral("Arial"), 36));
    picLetter->setForeColor(
        PictureBox::toColorNumber(picLetter->palette().color(QPalette::WindowText)));
}

void GameExecutiveLayout::buildLevelPanel(QWidget *form)
{
    fraTwo = frame(form, "fraTwo", 1800, 0, 7575, 2655);
    cmdAdult = button(fraTwo, "cmdAdult", QStringLiteral("&ADULT"), 1680, 1080, 1695, 735);
    cmdChild = button(fraTwo, "cmdChild", QStringLiteral("&CHILD"), 4320, 1080, 1695, 735);
    Label2 = label(fraTwo, "Label2", QStringLiteral("Please specify game level:"), Qt::AlignHCenter,
                   2040, 480, 3735, 375);
}

void GameExecutiveLayout::buildSignInPanel(QWidget *form)
{
    fraOne = frame(form, "fraOne", 2040, 120, 7575, 2655);
    cmdSignIn = button(fraOne, "cmdSignIn", QStringLiteral("&ENTER AT YOUR OWN RISK"), 3000, 960,
                       1695, 735);
    txtName = textBox(fraOne, "txtName", 3840, 240, 1815, 390);
    Label1 = label(fraOne, "Label1", QStringLiteral("Please enter your name:"), Qt::AlignRight, 600,
                   240, 3135, 375);
}

void GameExecutiveLayout::buildGameButtons(QWidget *form)
{
    cmdAddWord = button(form, "cmdAddWord", QStringLiteral("&ADD WORD TO DICTIONARY"), 9480, 4080,
                        1335, 615);
    cmdQuit = button(form, "cmdQuit", QStringLiteral("&QUIT APPLICATION"), 9480, 4920, 1335, 615);
}

void GameExecutiveLayout::buildAddWordPanel(QWidget *form)
{
    fraAddWord = frame(form, "fraAddWord", 2040, kAddWordPanelTop, 8052, 4572);
    optChildWord =
        option(fraAddWord, "optChildWord", QStringLiteral("Child Word"), 1680, 2640, 1092, 492);
    optAdultWord =
        option(fraAddWord, "optAdultWord", QStringLiteral("Adult Word"), 1680, 2280, 1092, 372);
    optAdultWord->setChecked(true);
    txtDefinition = textBox(fraAddWord, "txtDefinition", 3960, 1080, 3855, 960);
    txtWord = textBox(fraAddWord, "txtWord", 3960, 480, 3855, 375);
    cmdAddWordtoDicitonary = button(fraAddWord, "cmdAddWordtoDicitonary",
                                    QStringLiteral("&ADD TO DICTIONARY"), 3360, 3480, 1815, 735);
    Label3 = label(fraAddWord, "Label3", QStringLiteral("Definition of word:"), Qt::AlignRight,
                   1560, 1080, 2292, 372);
    Label4 = label(fraAddWord, "Label4", QStringLiteral("Word to insert in dictionary:"),
                   Qt::AlignRight, 360, 480, 3492, 372);
}

void GameExecutiveLayout::setTabOrder()
{
    // As they stand on the screen; controls that take no focus are left out.
    QList<QWidget *> order(Letter.begin(), Letter.end());
    order << WordBox << cmdReset << cmdAdult << cmdChild << cmdSignIn << txtName << cmdAddWord
          << cmdQuit << txtWord << txtDefinition << optAdultWord << optChildWord
          << cmdAddWordtoDicitonary;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void GameExecutiveLayout::setStacking()
{
    // From the bottom up.
    for (QWidget *control :
         std::initializer_list<QWidget *>{LetterFrame, WordBox, Canvas, cmdReset, picLetter, fraTwo,
                                          fraOne, cmdAddWord, cmdQuit, fraAddWord, Canvas1})
        control->raise();
}

void GameExecutiveLayout::nameForScreenReaders()
{
    // What a screen reader says of the controls that have no text of their own. Buttons and
    // labels speak their captions.
    for (int i = 0; i < LetterCount; ++i)
        Letter[i]->setAccessibleName(QStringLiteral("Letter %1").arg(QChar(u'A' + i)));
    LetterFrame->setAccessibleName(QStringLiteral("Letters"));
    WordBox->setAccessibleName(QStringLiteral("Word board"));
    Canvas->setAccessibleName(QStringLiteral("Gallows figure"));
    Canvas1->setAccessibleName(QStringLiteral("Gallows figure"));
    picLetter->setAccessibleName(QStringLiteral("Last letter guessed"));
    fraOne->setAccessibleName(QStringLiteral("Sign in"));
    txtName->setAccessibleName(QStringLiteral("Your first name"));
    fraTwo->setAccessibleName(QStringLiteral("Game level"));
    fraAddWord->setAccessibleName(QStringLiteral("Add a word to the dictionary"));
    txtWord->setAccessibleName(QStringLiteral("Word to insert in dictionary"));
    txtDefinition->setAccessibleName(QStringLiteral("Definition of word"));
}
