// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/focus_link_guard.h"

#include <QGuiApplication>
#include <QPlatformSurfaceEvent>
#include <QWindow>

Focus_Link_Guard::Focus_Link_Guard(QObject *parent) : QObject(parent)
{
    // Only the window with the focus has the connection; watching it alone
    // keeps the guard off the path of every other event.
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow *window) {
        if (window)
            window->installEventFilter(this); // once: installed again, it only moves up
    });
}

bool Focus_Link_Guard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::PlatformSurface // only windows are watched
        && static_cast<QPlatformSurfaceEvent *>(event)->surfaceEventType()
            == QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed)
        disconnect(static_cast<QWindow *>(watched), &QWindow::focusObjectChanged, qApp, nullptr);
    return false;
}
