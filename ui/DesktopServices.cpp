#include "DesktopServices.h"

#include "CloseGuard.h"
#include "WindowSystemGate.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

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

} // namespace

DesktopServices::DesktopServices(CloseGuard &guard, bool muted)
    : m_guard(guard), m_gate(std::make_unique<WindowSystemGate>(guard)),
      m_sound([this](int ms) { pause(ms); })
{
    m_sound.setMuted(muted);
}

DesktopServices::~DesktopServices() = default;

MessageBoxAnswer DesktopServices::showMessage(const QString &text, const QString &title,
                                              MessageBoxKind kind)
{
    m_guard.endIfClosing();
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // Words, definitions and the player's name come from the player or the word file: they are
    // shown as they are, never as markup (an <img> could open any file, even a FIFO that never
    // answers), and a "[*]" in a title is not the window-modified placeholder.
    QString plainTitle = title;
    plainTitle.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    QMessageBox box(iconFor(kind), plainTitle, QString(), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setText(shown);
    const QList<ButtonAnswer> buttons = buttonsFor(kind);
    for (const auto &b : buttons)
        box.addButton(b.button);
    box.setDefaultButton(buttons.first().button);
    QObject::connect(&m_guard, &CloseGuard::closingStarted, &box, &QMessageBox::reject);
    const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
    m_guard.endIfClosing();
    for (const auto &b : buttons)
        if (b.button == pressed)
            return b.answer;
    // Closed without a button: the escape answer, Cancel where there is one.
    for (const auto &b : buttons)
        if (b.answer == MessageBoxAnswer::Cancel)
            return b.answer;
    return buttons.last().answer;
}

void DesktopServices::playSound(const QString &name)
{
    m_guard.endIfClosing();
    m_sound.play(name);
}

void DesktopServices::pause(int milliseconds)
{
    m_guard.endIfClosing();
    if (milliseconds <= 0)
        return;
    {
        const WindowSystemGate::Hold hold(*m_gate);
        QEventLoop loop;
        QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        QObject::connect(&m_guard, &CloseGuard::closingStarted, &loop, &QEventLoop::quit);
        loop.exec();
    }
    m_guard.endIfClosing();
}
