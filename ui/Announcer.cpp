#include "Announcer.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

constexpr char kNotice[] = "News";
constexpr int kKept = 8;

} // namespace

void Announcer::announce(const QString &news)
{
    auto *notice = new QWidget(&m_window);
    notice->setObjectName(QLatin1String(kNotice));
    notice->setAccessibleName(news);
    notice->setGeometry(0, 0, 0, 0);
    notice->show();
    m_told << notice;
    if (m_told.size() > kKept)
        delete m_told.takeFirst();
}

QString Announcer::last() const
{
    return m_told.isEmpty() || !m_told.last() ? QString() : m_told.last()->accessibleName();
}

QAccessibleInterface *accessibleRoleFor(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (widget->objectName() == QLatin1String(kNotice))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    if (widget->isWindow() && !widget->inherits("QDialog"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}
