#pragma once

#include "CommandButton.h"
#include "GameExecutive.h"
#include "GameLauncher.h"
#include "PictureBox.h"
#include "ScriptedServices.h"
#include "TestFiles.h"

#include <QAccessible>
#include <QApplication>
#include <QBackingStore>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

// A game window over a word file of the test's own, with scripted services, played by scripts.
struct GameFixture
{
    explicit GameFixture(const QByteArray &wordFile)
    {
        writeBytes(wordFilePath(), wordFile);
        services.onMessage = [this](const ScriptedServices::Message &m) {
            told(m);
            if (watch)
                met.last() += " / " + ui().Canvas->accessibleDescription();
            if (!pictureAtBox.isEmpty())
                picture(std::exchange(pictureAtBox, {}));
            closeIf("box");
        };
        services.onSound = [this](const QString &name) {
            met << name;
            if (closeAt == "memory")
                throw std::bad_alloc();
        };
        services.onPause = [this] { closeIf("pause"); };
        window =
            std::make_unique<GameExecutive>(services, guard, QFile::encodeName(wordFilePath()));
        startGame(*window, services);
        settle();
    }

    QString wordFilePath() const { return folder.filePath("Dictionary.txt"); }
    const GameExecutiveLayout &ui() const { return window->controls(); }

    // Plays steps separated by "; ": a control of `controls` clicked or typed into ("word Owl"),
    // an action of `actions`, or a look of `looks` (at a control: what a screen reader is told).
    // Returns what the player met, in order: boxes as "[title] text", sounds, looks.
    QString play(const QString &script)
    {
        if (!QTest::qWaitForWindowActive(window.get()))
            return "the window never became active";
        for (const QString &step : script.split("; ", Qt::SkipEmptyParts)) {
            const QString verb = step.section(' ', 0, 0), arg = step.section(' ', 1);
            const QString name = controls.value(step, controls.value(verb));
            QWidget *control = name.isEmpty() ? nullptr : window->findChild<QWidget *>(name);
            if (auto *box = qobject_cast<QLineEdit *>(control)) {
                box->setFocus();
                QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(box, arg);
            } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
                button->click();
            } else if (control) {
                met << step + ' ' + control->accessibleDescription();
            } else if (actions.contains(verb)) {
                actions[verb](arg);
            } else if (looks.contains(step)) {
                met << step + ' ' + looks[step]();
            } else {
                return "unknown step: " + step;
            }
            settle();
        }
        return met.join('\n').replace(wordFilePath(), "FILE");
    }

    // Lets the game run until it waits for the player again (or stays where a close left it).
    void settle()
    {
        do
            QCoreApplication::processEvents();
        while (!window->isIdle() && !guard.isClosing());
    }

    QTemporaryDir folder;
    CloseGuard guard;
    ScriptedServices services{guard};
    std::unique_ptr<GameExecutive> window;

private:
    // clang-format off
    const QHash<QString, QString> controls{
        {"sign in", "cmdSignIn"}, {"adult", "cmdAdult"}, {"child", "cmdChild"},
        {"reset", "cmdReset"}, {"quit", "cmdQuit"}, {"panel", "cmdAddWord"},
        {"add", "cmdAddWordtoDicitonary"}, {"adult word", "optAdultWord"}, {"name", "txtName"},
        {"child word", "optChildWord"}, {"word", "txtWord"}, {"definition", "txtDefinition"},
        {"board", "WordBox"}, {"figure", "Canvas"}, {"letter", "picLetter"}};
    // clang-format on
    const QHash<QString, std::function<void(const QString &)>> actions{
        {"guess", [this](const QString &letters) { guess(letters); }}, // LETTERS, by button
        {"type", [this](const QString &keys) { type(keys); }},         // KEYS or alt+KEY
        {"return", [](auto &&) { QTest::keyClick(focus(), Qt::Key_Return); }},
        {"close", [this](const QString &at) { closeAt = at.section(' ', 1); }}, // at pause|box
        {"memory", [this](auto &&) { closeAt = "memory"; }}, // runs out at the next sound
        {"watch", [this](auto &&) { watch = true; }},        // the figure at each box
        {"gone",
         [this](auto &&) { QFile::remove(wordFilePath()) && QFile::link("to", wordFilePath()); }},
        {"picture", [this](const QString &name) { picture(name); }}}; // NAME [at box]
    const QHash<QString, std::function<QString()>> looks{
        {"screen", [this] { return shown(); }}, // the controls shown, by name
        {"letters", [this] { return letters(); }},
        {"unnamed", [this] { return unnamed(); }}, // what a screen reader has no name for
        {"news", [this] { return window->news().last(); }},
        {"notices",
         [this] { return QString::number(window->findChildren<QWidget *>("News").size()); }},
        {"focus", [] { return focus() ? focus()->objectName() : QString(); }},
        {"file", [this] { return QString(readBytes(wordFilePath()).replace("\r\n", "|")); }}};

    static QWidget *focus() { return QApplication::focusWidget(); }
    void guess(const QString &letters)
    {
        for (const QChar c : letters)
            ui().Letter[size_t(c.toUpper().unicode() - u'A')]->click();
    }
    void type(const QString &keys)
    {
        if (!keys.startsWith("alt+"))
            return QTest::keyClicks(focus(), keys);
        QTest::keyClick(focus(), keys.back().toLatin1(), Qt::AltModifier);
        // An access key presses its button, and Qt lets it go, and clicks, a moment later.
        const QList<QAbstractButton *> buttons = window->findChildren<QAbstractButton *>();
        while (std::any_of(buttons.begin(), buttons.end(), [](auto *b) { return b->isDown(); }))
            QCoreApplication::processEvents();
    }
    QString shown() const
    {
        QStringList names;
        for (QWidget *w : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            names << (w->isVisible() && !w->size().isEmpty() ? w->objectName() : "");
        return guard.isClosing() || window->isHidden() ? "closed" : names.join(' ').simplified();
    }
    QString letters() const
    {
        int shown = 0, enabled = 0;
        for (const QWidget *letter : ui().Letter) {
            shown += !letter->isHidden();
            enabled += letter->isEnabled();
        }
        return QString("%1 shown, %2 enabled").arg(shown).arg(enabled);
    }
    QString unnamed() const
    {
        QStringList names;
        for (QWidget *w : window->findChildren<QWidget *>())
            if (QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty() &&
                !qobject_cast<QLabel *>(w))
                names << w->objectName();
        return names.isEmpty() ? "none" : names.join(' ');
    }
    void told(const ScriptedServices::Message &m)
    {
        met << QString("[%1] %2%3")
                   .arg(m.title, m.text, m.flags ? QString(" (%1)").arg(m.flags) : "");
    }
    // Compares the window as partial repaints left it with the window painted afresh and, at
    // scales 1 and 2, with its picture in tests/app/screens (README: remaking them).
    void picture(const QString &screen)
    {
        if (screen.endsWith(" at box")) { // taken when the next box opens
            pictureAtBox = screen.chopped(7);
            return;
        }
        QCoreApplication::processEvents(); // what the screen has: a drawing never shown is missed
        const qreal ratio = window->devicePixelRatio();
        const QString name = screen + (ratio == 1 ? ".png" : QString("@%1x.png").arg(ratio));
        const QImage got = dynamic_cast<QImage *>(window->backingStore()->paintDevice())
                               ->convertToFormat(QImage::Format_RGB32);
        if (got != window->grab().toImage().convertToFormat(QImage::Format_RGB32))
            return differs(got, name, "the window painted afresh");
        if (ratio != 1 && ratio != 2)
            return;
        const QString kept = QDir(QUILLOW_SCREENS_DIR).filePath(name);
        if (qEnvironmentVariableIsSet("QUILLOW_REMAKE_SCREENS"))
            got.save(kept);
        if (got != QImage(kept).convertToFormat(QImage::Format_RGB32))
            differs(got, name, kept);
    }
    void differs(const QImage &got, const QString &name, const QString &expected)
    {
        const QString out = QDir::temp().filePath("quillow-screens");
        QDir().mkpath(out) && got.save(out + '/' + name);
        met << QString("%1 differs from %2: see %3").arg(name, expected, out);
    }
    void closeIf(const QString &now)
    {
        if (closeAt == now) {
            closeAt.clear();
            guard.request();
        }
    }

    QStringList met;
    QString closeAt, pictureAtBox;
    bool watch = false;
};
