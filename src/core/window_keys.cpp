// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/window_keys.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPen>
#include <QWidget>

namespace {

// Wide enough to be seen at a glance on the clock's large digits.
constexpr int focus_ring_width = 2;

// The style draws a focus ring only in a window whose focus came from the
// keyboard, as it does around buttons.
void show_focus(QWidget *widget)
{
    QWidget *window = widget->window();
    if (window->testAttribute(Qt::WA_KeyboardFocusChange))
        return;
    window->setAttribute(Qt::WA_KeyboardFocusChange);
    widget->update();
}

// The program's own windows; dialogs and popups close on Esc by themselves.
bool closes_on_escape(QObject *object)
{
    auto *window = qobject_cast<QWidget *>(object);
    return window && window->windowType() == Qt::Window && !QApplication::activePopupWidget();
}

} // namespace

Window_Keys::Window_Keys(QObject *parent) : QObject(parent)
{
    qApp->installEventFilter(this);
}

bool Window_Keys::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        keyboard_in_use = true;
        if (QWidget *focus = QApplication::focusWidget())
            show_focus(focus);
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Escape || key->modifiers() != Qt::NoModifier
            || !closes_on_escape(watched))
            break;
        // The window has its say first; only an Esc it leaves alone closes it.
        key->ignore();
        static_cast<QObject *>(watched)->event(key);
        if (!key->isAccepted()) {
            static_cast<QWidget *>(watched)->close();
            key->accept();
        }
        return true;
    }
    case QEvent::MouseButtonPress:
        // The mouse is in use again: the focus is shown no longer.
        if (event->spontaneous() && watched->isWidgetType()) {
            keyboard_in_use = false;
            QWidget *window = static_cast<QWidget *>(watched)->window();
            if (window->testAttribute(Qt::WA_KeyboardFocusChange)) {
                window->setAttribute(Qt::WA_KeyboardFocusChange, false);
                if (QWidget *focus = window->focusWidget())
                    focus->update();
            }
        }
        break;
    case QEvent::WindowActivate:
        // A window that is a control itself (the clock, the countdown) takes
        // the focus when it becomes active, as a window takes it for its
        // first control; the keys go to it anyway, but only then is it shown.
        if (auto *window = qobject_cast<QWidget *>(watched); window && window->isWindow()
            && (window->focusPolicy() & Qt::TabFocus) && !window->focusWidget())
            window->setFocus(Qt::ActiveWindowFocusReason);
        break;
    case QEvent::FocusIn:
        // A window opened from the keyboard shows where its focus is at once.
        if (keyboard_in_use && watched->isWidgetType()
            && static_cast<QFocusEvent *>(event)->reason() == Qt::ActiveWindowFocusReason)
            show_focus(static_cast<QWidget *>(watched));
        break;
    default:
        break;
    }
    return false;
}

void Window_Keys::Paint_Focus_Ring(QWidget *display, QPalette::ColorRole colour)
{
    if (!display->hasFocus() || !display->window()->testAttribute(Qt::WA_KeyboardFocusChange))
        return;
    QPainter painter(display);
    painter.setPen(QPen(display->palette().color(colour), focus_ring_width));
    painter.drawRect(QRectF(display->contentsRect()).adjusted(1.5, 1.5, -1.5, -1.5));
}
