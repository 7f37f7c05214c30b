#include "GameExecutiveLayout.h"

#include "Announcer.h"
#include "CommandButton.h"
#include "PictureBox.h"
#include "TextBox.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace {

// The layout was drawn for an 8-point interface font; the captions of the narrow buttons and
// options fit only at that size.
constexpr int kInterfacePointSize = 8;

// The add-word panel was drawn with its top edge 48 pixels above the window, which hides the
// word box. It opens lower, with the same top as the sign-in panel, so all of it can be seen.
constexpr int kAddWordPanelTop = 8;

void place(QWidget *widget, const char *name, int left, int top, int width, int height)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(left, top, width, height);
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
    Canvas1 = pictureBox(form, "Canvas1", 136, 184, 505, 225);
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
    LetterFrame = frame(form, "LetterFrame", 40, 8, 537, 81);
    for (int i = 0; i < LetterCount; ++i) {
        const int column = i % 13;
        const int row = i / 13;
        Letter[i] = button(LetterFrame, "Letter", QString(QChar(u'A' + i)), 16 + 40 * column,
                           16 + 32 * row, 25, 25);
        Letter[i]->setObjectName(QStringLiteral("Letter(%1)").arg(i));
    }
}

void GameExecutiveLayout::buildBoard(QWidget *form)
{
    WordBox = pictureBox(form, "WordBox", 16, 104, 769, 73);
    WordBox->setFocusPolicy(Qt::StrongFocus); // it holds the focus during play
    Canvas = pictureBox(form, "Canvas", 40, 192, 289, 217);
    Canvas->setScaleMode(PictureBox::ScaleMode::Twips);
    cmdReset = button(form, "cmdReset", QStringLiteral("&RESET"), 632, 216, 89, 41);
    picLetter = pictureBox(form, "picLetter", 712, 16, 49, 73);
    picLetter->setFont(QFont(QStringLiteral("Arial"), 36));
    picLetter->setForeColor(
        PictureBox::toColorNumber(picLetter->palette().color(QPalette::WindowText)));
}

void GameExecutiveLayout::buildLevelPanel(QWidget *form)
{
    fraTwo = frame(form, "fraTwo", 120, 0, 505, 177);
    cmdAdult = button(fraTwo, "cmdAdult", QStringLiteral("&ADULT"), 112, 72, 113, 49);
    cmdChild = button(fraTwo, "cmdChild", QStringLiteral("&CHILD"), 288, 72, 113, 49);
    Label2 = label(fraTwo, "Label2", QStringLiteral("Please specify game level:"), Qt::AlignHCenter,
                   136, 32, 249, 25);
}

void GameExecutiveLayout::buildSignInPanel(QWidget *form)
{
    fraOne = frame(form, "fraOne", 136, 8, 505, 177);
    cmdSignIn =
        button(fraOne, "cmdSignIn", QStringLiteral("&ENTER AT YOUR OWN RISK"), 200, 64, 113, 49);
    txtName = textBox(fraOne, "txtName", 256, 16, 121, 26);
    Label1 = label(fraOne, "Label1", QStringLiteral("Please enter your name:"), Qt::AlignRight, 40,
                   16, 209, 25);
}

void GameExecutiveLayout::buildGameButtons(QWidget *form)
{
    cmdAddWord =
        button(form, "cmdAddWord", QStringLiteral("&ADD WORD TO DICTIONARY"), 632, 272, 89, 41);
    cmdQuit = button(form, "cmdQuit", QStringLiteral("&QUIT APPLICATION"), 632, 328, 89, 41);
}

void GameExecutiveLayout::buildAddWordPanel(QWidget *form)
{
    fraAddWord = frame(form, "fraAddWord", 136, kAddWordPanelTop, 537, 305);
    optChildWord =
        option(fraAddWord, "optChildWord", QStringLiteral("Child Word"), 112, 176, 73, 33);
    optAdultWord =
        option(fraAddWord, "optAdultWord", QStringLiteral("Adult Word"), 112, 152, 73, 25);
    optAdultWord->setChecked(true);
    txtDefinition = textBox(fraAddWord, "txtDefinition", 264, 72, 257, 64);
    txtWord = textBox(fraAddWord, "txtWord", 264, 32, 257, 25);
    cmdAddWordtoDicitonary = button(fraAddWord, "cmdAddWordtoDicitonary",
                                    QStringLiteral("&ADD TO DICTIONARY"), 224, 232, 121, 49);
    Label3 = label(fraAddWord, "Label3", QStringLiteral("Definition of word:"), Qt::AlignRight, 104,
                   72, 153, 25);
    Label4 = label(fraAddWord, "Label4", QStringLiteral("Word to insert in dictionary:"),
                   Qt::AlignRight, 24, 32, 233, 25);
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
    for (CommandButton *letter : Letter)
        letter->setAccessibleName(QStringLiteral("Letter ") + letter->text());
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
