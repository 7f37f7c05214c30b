#pragma once

#include "CommandButton.h"
#include "GameExecutive.h"
#include "PictureBox.h"
#include "ScriptedServices.h"
#include "TestFiles.h"

#include <QAccessible>
#include <QApplication>
#include <QBackingStore>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

// A game window over a word file of the test's own, with scripted services, played by scripts.
struct GameFixture
{
    explicit GameFixture(const QByteArray &wordFile)
    {
        writeBytes(wordFilePath(), wordFile);
        services.guard = &guard;
        window =
            std::make_unique<GameExecutive>(services, guard, QFile::encodeName(wordFilePath()));
        window->Form_Load();
        window->show();
        for (const auto &m : services.messages) // at start
            told(m);
        services.onMessage = [this](const ScriptedServices::Message &m) {
            told(m);
            met.last() += watch ? " / " + describe("Canvas") : "";
            if (!pictureAtBox.isEmpty())
                picture(std::exchange(pictureAtBox, {}));
            closeIf("box");
        };
        services.onSound = [this](const QString &name) {
            met << name + (watch ? " / " + window->news().last() : "");
            if (closeAt == "memory")
                throw std::bad_alloc();
        };
        services.onPause = [this] { closeIf("pause"); };
    }

    QString wordFilePath() const { return folder.filePath("Dictionary.txt"); }
    const GameExecutiveLayout &ui() const { return window->controls(); }

    // Plays steps separated by "; ": name TEXT, word TEXT, definition TEXT (typed over what the
    // box holds), a button's or option's name (sign in, adult, child, reset, quit, panel, add,
    // adult word, child word), guess LETTERS (their buttons), type KEYS or alt+KEY (at the focus),
    // return, close at pause|box, out of memory, watch (the news at each sound, the figure at each
    // box), picture NAME [at box], and what the window shows: screen, board, figure, letter,
    // letters, news, focus, unnamed, file. Returns what the player met, in order: boxes as "[title]
    // text", sounds by name, and those looks.
    QString play(const QString &script)
    {
        // clang-format off
        static const QHash<QString, QString> controls{
            {"sign in", "cmdSignIn"}, {"adult", "cmdAdult"}, {"child", "cmdChild"},
            {"reset", "cmdReset"}, {"quit", "cmdQuit"}, {"panel", "cmdAddWord"},
            {"add", "cmdAddWordtoDicitonary"}, {"adult word", "optAdultWord"}, {"name", "txtName"},
            {"child word", "optChildWord"}, {"word", "txtWord"}, {"definition", "txtDefinition"},
            {"board", "WordBox"}, {"figure", "Canvas"}, {"letter", "picLetter"}};
        // clang-format on
        if (!QTest::qWaitForWindowActive(window.get()))
            return "the window never became active";
        for (const QString &step : script.split("; ", Qt::SkipEmptyParts)) {
            const QString verb = step.section(' ', 0, 0), arg = step.section(' ', 1);
            const QString name = controls.value(step, controls.value(verb));
            QWidget *control = name.isEmpty() ? nullptr : window->findChild<QWidget *>(name);
            QWidget *focus = QApplication::focusWidget();
            if (auto *box = qobject_cast<QLineEdit *>(control)) // typed over, unless disabled
                box->setFocus(), QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier),
                    QTest::keyClicks(box, arg);
            else if (auto *button = qobject_cast<QAbstractButton *>(control))
                button->click();
            else if (control)
                met << step + ' ' + describe(name);
            else if (verb == "guess")
                for (QChar c : arg)
                    ui().Letter[size_t(c.toUpper().unicode() - u'A')]->click();
            else if (step.startsWith("type alt+")) // access keys work after a moment
                QTest::keyClick(focus, arg.back().toLatin1(), Qt::AltModifier), QTest::qWait(200);
            else if (verb == "type" || verb == "return")
                verb == "type" ? QTest::keyClicks(focus, arg)
                               : QTest::keyClick(focus, Qt::Key_Return);
            else if (verb == "close" || step == "out of memory")
                closeAt = verb == "close" ? step.section(' ', 2) : "memory";
            else if (step == "watch")
                watch = true;
            else if (verb == "picture")
                arg.endsWith(" at box") ? void(pictureAtBox = arg.chopped(7)) : picture(arg);
            else if (step == "screen") {
                QStringList shown;
                for (QWidget *w : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                    shown << (w->isVisible() && !w->size().isEmpty() ? w->objectName() : "");
                met << "screen " + (window->isHidden() ? "closed" : shown.join(' ').simplified());
            } else if (step == "letters") {
                int shown = 0, enabled = 0;
                for (QWidget *letter : ui().Letter)
                    shown += !letter->isHidden(), enabled += letter->isEnabled();
                met << QString("letters %1 shown, %2 enabled").arg(shown).arg(enabled);
            } else if (step == "unnamed") { // what a screen reader has no name for
                QStringList unnamed{"unnamed:"};
                for (QWidget *w : window->findChildren<QWidget *>()) {
                    const auto *about = QAccessible::queryAccessibleInterface(w);
                    if (about->text(QAccessible::Name).isEmpty() && !qobject_cast<QLabel *>(w))
                        unnamed << w->objectName();
                }
                met << unnamed.join(' ');
            } else if (step == "news")
                met << "news " + window->news().last();
            else if (step == "focus")
                met << "focus " + (focus ? focus->objectName() : "");
            else if (step == "file")
                met << "file " + readBytes(wordFilePath()).replace("\r\n", "|");
            else
                return "unknown step: " + step;
            QTest::qWait(0);
        }
        return met.join('\n').replace(wordFilePath(), "FILE");
    }

    QTemporaryDir folder;
    CloseGuard guard;
    ScriptedServices services;
    std::unique_ptr<GameExecutive> window;

private:
    // What a screen reader is told of the control.
    QString describe(const QString &name) const
    {
        return window->findChild<QWidget *>(name)->accessibleDescription();
    }
    void told(const ScriptedServices::Message &m)
    {
        met << QString("[%1] %2%3")
                   .arg(m.title, m.text, m.flags ? QString(" (%1)").arg(m.flags) : "");
    }
    // Compares the window, pixel for pixel, with its picture in tests/app/screens (@2x at scale 2);
    // a difference is told, and leaves what it got and a diff in red (README: remaking them).
    void picture(const QString &screen)
    {
        // What the screen has, so that a drawing never shown is missed; at 2x the window drawn
        // afresh, as Qt shades a panel's edge apart when only part of it is repainted.
        QCoreApplication::processEvents();
        const bool dense = window->devicePixelRatio() > 1;
        const QImage got = (dense ? window->grab().toImage()
                                  : *dynamic_cast<QImage *>(window->backingStore()->paintDevice()))
                               .convertToFormat(QImage::Format_RGB32);
        const QString name = screen + (dense ? "@2x.png" : ".png");
        const QString kept = QDir(QUILLOW_SCREENS_DIR).filePath(name);
        if (qEnvironmentVariableIsSet("QUILLOW_REMAKE_SCREENS"))
            got.save(kept);
        const QImage expected = QImage(kept).convertToFormat(QImage::Format_RGB32);
        if (got == expected)
            return;
        const QString out = QDir::temp().filePath("quillow-screens");
        QImage diff = expected.isNull() ? got : expected;
        QPainter(&diff).fillRect(diff.rect(), QColor(255, 255, 255, 160));
        for (int y = 0; y < std::min(got.height(), expected.height()); ++y)
            for (int x = 0; x < std::min(got.width(), expected.width()); ++x)
                if (got.pixel(x, y) != expected.pixel(x, y))
                    diff.setPixel(x, y, qRgb(255, 0, 0));
        QDir().mkpath(out) && got.save(out + '/' + name) && diff.save(out + "/diff-" + name);
        met << QString("%1 differs from %2: see %3").arg(name, kept, out);
    }
    void closeIf(const QString &now)
    {
        if (closeAt == now)
            closeAt.clear(), guard.request();
    }

    QStringList met;
    QString closeAt, pictureAtBox;
    bool watch = false;
};
