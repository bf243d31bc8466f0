// SPDX-License-Identifier: GPL-3.0-or-later
#include "focus_link_guard.h"

#include <QGuiApplication>
#include <QPlatformSurfaceEvent>
#include <QWindow>

Focus_Link_Guard::Focus_Link_Guard(QObject *parent) : QObject(parent)
{
    qApp->installEventFilter(this);
}

bool Focus_Link_Guard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::PlatformSurface && watched->isWindowType()
        && static_cast<QPlatformSurfaceEvent *>(event)->surfaceEventType()
            == QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed)
        QObject::disconnect(
            static_cast<QWindow *>(watched), &QWindow::focusObjectChanged, qApp, nullptr);
    return false;
}
