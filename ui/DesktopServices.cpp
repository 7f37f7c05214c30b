#include "DesktopServices.h"

#include "WordFileFormat.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

struct ButtonAnswer
{
    QMessageBox::StandardButton button;
    int answer;
};

QList<ButtonAnswer> buttonsFor(int flags)
{
    using B = QMessageBox;
    if ((flags & 7) == MessageBoxFlags::RetryCancel)
        return {{B::Retry, MessageBoxAnswer::Retry}, {B::Cancel, MessageBoxAnswer::Cancel}};
    return {{B::Ok, MessageBoxAnswer::Ok}};
}

QMessageBox::Icon iconFor(int flags)
{
    switch (flags & 0x70) {
    case MessageBoxFlags::Critical:
        return QMessageBox::Critical;
    case MessageBoxFlags::Question:
        return QMessageBox::Question;
    case MessageBoxFlags::Exclamation:
        return QMessageBox::Warning;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

DesktopServices::DesktopServices() : DesktopServices(Options())
{}

DesktopServices::DesktopServices(Options options)
    : m_options(std::move(options)), m_sound([this](int ms) { pause(ms); })
{
    m_sound.setMuted(m_options.muted);
}

int DesktopServices::showMessage(const QString &text, const QString &title, int flags)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // Words, definitions and the player's name come from the player or the word file: they are
    // shown as they are, never as markup (an <img> could open any file, even a FIFO that never
    // answers), and a "[*]" in a title is not the window-modified placeholder.
    QString plainTitle = title;
    plainTitle.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    QMessageBox box(iconFor(flags), plainTitle, QString(), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setText(shown);
    const QList<ButtonAnswer> buttons = buttonsFor(flags);
    for (const auto &b : buttons)
        box.addButton(b.button);
    box.setDefaultButton(buttons.first().button);
    const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
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
    m_sound.play(name);
}

void DesktopServices::pause(int milliseconds)
{
    if (milliseconds <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

QString DesktopServices::programFolder() const
{
    return QCoreApplication::applicationDirPath();
}

QString DesktopServices::wordFilePath() const
{
    return m_options.wordFile.isEmpty() ? WordFileFormat::pathInFolder(programFolder())
                                        : m_options.wordFile;
}
