// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FOCUS_LINK_GUARD_H
#define FOCUS_LINK_GUARD_H

#include <QObject>

// Closing a window that has the focus makes Qt 6.4 drop the window's native
// handle and forget that it had the focus, without taking back the connection
// it made from the window to the application when the window was activated.
// Activated again, the window gets one more. A window opened and closed a few
// times a day for weeks would gather thousands of them, each run on every
// focus change inside it. Watching each window that has had the focus, this
// guard takes the connection back as the native handle goes; the next
// activation makes it anew, once.
class Focus_Link_Guard : public QObject
{
    Q_OBJECT

public:
    explicit Focus_Link_Guard(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

#endif // FOCUS_LINK_GUARD_H
