// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/quit_on_close.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

Quit_On_Close::Quit_On_Close(QWidget *main_window) : QObject(main_window), main_window(main_window)
{
    main_window->installEventFilter(this);
}

bool Quit_On_Close::eventFilter(QObject *watched, QEvent *event)
{
    // Whether the close was accepted shows once it has been handled.
    if (watched == main_window && event->type() == QEvent::Close)
        QMetaObject::invokeMethod(this, &Quit_On_Close::end_if_closed, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}

// The other windows are asked to close, as quit() asks them; one that refuses
// must not keep a program running without its main window, so the event
// loop ends all the same, with status 0.
void Quit_On_Close::end_if_closed()
{
    if (main_window->isVisible())
        return;
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}
