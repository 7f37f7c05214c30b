#include "DesktopServices.h"

#include "Clock.h"
#include "CloseGuard.h"
#include "Pending.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QWindow>

namespace {

// How often the end of a sound is looked for once its length has passed and the device still
// plays it.
constexpr int kSoundPollMs = 2;

struct ButtonAnswer
{
    QMessageBox::StandardButton button;
    MessageBoxAnswer answer;
};

QList<ButtonAnswer> buttonsFor(MessageBoxKind kind)
{
    using B = QMessageBox;
    if (kind == MessageBoxKind::RetryCancelQuestion)
        return {{B::Retry, MessageBoxAnswer::Retry}, {B::Cancel, MessageBoxAnswer::Cancel}};
    return {{B::Ok, MessageBoxAnswer::Ok}};
}

QMessageBox::Icon iconFor(MessageBoxKind kind)
{
    switch (kind) {
    case MessageBoxKind::Ok:
        return QMessageBox::NoIcon;
    case MessageBoxKind::RetryCancelQuestion:
        return QMessageBox::Question;
    case MessageBoxKind::OkError:
        return QMessageBox::Critical;
    case MessageBoxKind::OkWarning:
        return QMessageBox::Warning;
    }
    return QMessageBox::NoIcon;
}

// While it lives, clicks and keys reach only the box: those for the game's other windows are
// dropped, as a modal box would have them, while the window system's requests (a close) pass.
class InputForTheBoxOnly : public QObject
{
public:
    explicit InputForTheBoxOnly(const QWidget &box) : m_box(box)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            break;
        default:
            return false;
        }
        if (const auto *window = qobject_cast<const QWindow *>(watched))
            return window != m_box.windowHandle();
        const auto *widget = qobject_cast<const QWidget *>(watched);
        return widget && widget->window() != &m_box;
    }

private:
    const QWidget &m_box;
};

} // namespace

DesktopServices::DesktopServices(CloseGuard &guard, Clock &clock, bool muted)
    : m_guard(guard), m_clock(clock)
{
    m_sound.setMuted(muted);
}

Task<MessageBoxAnswer> DesktopServices::showMessage(QString text, QString title,
                                                    MessageBoxKind kind)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // Words, definitions and the player's name come from the player or the word file: they are
    // shown as they are, never as markup (an <img> could open any file, even a FIFO that never
    // answers), and a "[*]" in a title is not the window-modified placeholder.
    title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    Pending<> answered(m_guard); // before the box, so that it outlives the box
    QMessageBox box(iconFor(kind), title, QString(), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    const QList<ButtonAnswer> buttons = buttonsFor(kind);
    for (const auto &b : buttons)
        box.addButton(b.button);
    box.setDefaultButton(buttons.first().button);
    // Qt drops the window system's close for a window that a modal box blocks.
    box.setWindowModality(Qt::NonModal);
    const InputForTheBoxOnly modal(box);
    QObject::connect(&box, &QDialog::finished, [&answered] { answered.finish(); });
    QObject::connect(&m_guard, &CloseGuard::closingStarted, &box, &QWidget::hide);
    box.show();
    box.activateWindow();
    co_await answered;

    const auto pressed = box.standardButton(box.clickedButton());
    for (const auto &b : buttons)
        if (b.button == pressed)
            co_return b.answer;
    // Closed without a button: the escape answer, Cancel where there is one.
    for (const auto &b : buttons)
        if (b.answer == MessageBoxAnswer::Cancel)
            co_return b.answer;
    co_return buttons.last().answer;
}

Task<> DesktopServices::playSound(QString name)
{
    const SoundPlayer::Playing sound = m_sound.play(name);
    co_await m_clock.sleep(sound.milliseconds());
    while (sound.isQueued())
        co_await m_clock.sleep(kSoundPollMs);
    co_await m_clock.sleep(sound.lastBufferMs());
}

Task<> DesktopServices::pause(int milliseconds)
{
    co_await m_clock.sleep(milliseconds);
}
