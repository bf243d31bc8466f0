// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DESKTOP_NOTIFICATION_H
#define DESKTOP_NOTIFICATION_H

class QString;

// A notice in the desktop's notification area, through the freedesktop
// notification service on the session bus.
class Desktop_Notification
{
public:
    // Sends an urgent notice and returns at once: the reply is not waited
    // for. Without a session bus nothing is sent; without a notification
    // service the bus answers with an error that no one reads.
    static void send(const QString &summary);
};

#endif // DESKTOP_NOTIFICATION_H
