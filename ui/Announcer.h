#pragma once

#include <QList>
#include <QPointer>

class QAccessibleInterface;
class QObject;
class QString;
class QWidget;

// News for a screen reader, spoken as soon as it is told, whichever control has the focus: each
// piece of news is a notification of its own that shows (Orca speaks a notification as it shows,
// and reads its text then; one whose text changed might be read as it was). Notifications have
// no size: nothing of them is ever drawn.
class Announcer
{
public:
    explicit Announcer(QWidget &window) : m_window(window) {}

    void announce(const QString &news);
    // The news told last.
    QString last() const;

private:
    QWidget &m_window;
    QList<QPointer<QWidget>> m_told; // the last few, kept while a screen reader may read them
};

// The roles a screen reader is told for widgets whose Qt role says too little: a notification
// for the announcer's, a frame (named by its title) for a top-level window.
QAccessibleInterface *accessibleRoleFor(const QString &className, QObject *object);
