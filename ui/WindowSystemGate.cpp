#include "WindowSystemGate.h"

#include "CloseGuard.h"

#include <QAbstractEventDispatcher>
#include <QWindow>

#include <utility>

namespace {

using Qpa = QWindowSystemInterfacePrivate;

template <class Event>
Qpa::WindowSystemEvent *copy(const Qpa::WindowSystemEvent &event)
{
    return new Event(static_cast<const Event &>(event));
}

// A copy to give back later (Qt deletes the event once it has been sent); nothing for kinds of
// input that X11 and Wayland never send, which a hold drops.
Qpa::WindowSystemEvent *copyOfInput(const Qpa::WindowSystemEvent &event)
{
    switch (event.type) {
    case Qpa::Key:
        return copy<Qpa::KeyEvent>(event);
    case Qpa::Mouse:
        return copy<Qpa::MouseEvent>(event);
    case Qpa::Wheel:
        return copy<Qpa::WheelEvent>(event);
    case Qpa::Enter:
        return copy<Qpa::EnterEvent>(event);
    case Qpa::Leave:
        return copy<Qpa::LeaveEvent>(event);
    case Qpa::Touch:
        return copy<Qpa::TouchEvent>(event);
    case Qpa::Tablet:
        return copy<Qpa::TabletEvent>(event);
    case Qpa::TabletEnterProximity:
        return copy<Qpa::TabletEnterProximityEvent>(event);
    case Qpa::TabletLeaveProximity:
        return copy<Qpa::TabletLeaveProximityEvent>(event);
    case Qpa::ContextMenu:
        return copy<Qpa::ContextMenuEvent>(event);
    case Qpa::Gesture:
        return copy<Qpa::GestureEvent>(event);
    default:
        return nullptr;
    }
}

} // namespace

WindowSystemGate::WindowSystemGate(CloseGuard &guard) : m_guard(guard)
{
    Qpa::installWindowSystemEventHandler(this);
}

WindowSystemGate::~WindowSystemGate()
{
    Qpa::removeWindowSystemEventhandler(this);
    qDeleteAll(m_held);
}

bool WindowSystemGate::sendEvent(Qpa::WindowSystemEvent *event)
{
    if (event->type == Qpa::Close) {
        const QWindow *window = static_cast<Qpa::CloseEvent *>(event)->window;
        if (window && window->type() != Qt::Dialog) {
            m_guard.request();
            return true;
        }
    } else if (event->type & Qpa::UserInputEvent) {
        if (m_guard.isClosing()) // nothing follows a close
            return true;
        if (m_holds > 0) {
            if (Qpa::WindowSystemEvent *held = copyOfInput(*event))
                m_held.append(held);
            return true;
        }
    }
    return QWindowSystemEventHandler::sendEvent(event);
}

WindowSystemGate::Hold::~Hold()
{
    if (--m_gate.m_holds == 0)
        m_gate.giveBack();
}

void WindowSystemGate::giveBack()
{
    if (m_guard.isClosing())
        qDeleteAll(std::exchange(m_held, {}));
    if (m_held.isEmpty())
        return;
    while (!m_held.isEmpty())
        Qpa::windowSystemEventQueue.prepend(m_held.takeLast());
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->wakeUp();
}
