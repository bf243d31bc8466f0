// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/desktop_notification.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace {
const char program_name[] = "zelvane";
// The installed icon and desktop entry share this name.
const char desktop_id[] = "org.zelvane.Zelvane";
// The notification service's urgency levels: low 0, normal 1, critical 2.
constexpr uchar critical_urgency = 2;
// The service's own choice of how long the notice stays.
constexpr int service_expiry = -1;
} // namespace

void Desktop_Notification::send(const QString &summary)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage notify
        = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
            QStringLiteral("/org/freedesktop/Notifications"),
            QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    const QVariantMap hints {{QStringLiteral("urgency"), QVariant::fromValue(critical_urgency)},
        {QStringLiteral("desktop-entry"), QString::fromLatin1(desktop_id)}};
    notify << QString::fromLatin1(program_name) << uint(0) << QString::fromLatin1(desktop_id)
           << summary << QString() << QStringList() << hints << service_expiry;
    bus.asyncCall(notify);
}
