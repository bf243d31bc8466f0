// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/display_blinker.h"

#include <QEvent>
#include <QPalette>
#include <QTimer>
#include <QWidget>

// Colours swap twice a second: the display shows inverted once a second.
int Display_Blinker::swap_interval_ms = 500;
int Display_Blinker::limit_ms = 30000;

Display_Blinker::Display_Blinker(QWidget *display) : QObject(display), display(display)
{
    setObjectName(QStringLiteral("display_blinker"));
    blink_timer = new QTimer(this);
    blink_timer->setObjectName(QStringLiteral("blink_timer"));
    limit_timer = new QTimer(this);
    limit_timer->setObjectName(QStringLiteral("blink_limit_timer"));
    limit_timer->setSingleShot(true);
    connect(blink_timer, &QTimer::timeout, this, &Display_Blinker::swap_colours);
    connect(limit_timer, &QTimer::timeout, this, &Display_Blinker::stop);
    display->installEventFilter(this);
}

void Display_Blinker::start()
{
    if (!inverted)
        swap_colours();
    blink_timer->start(swap_interval_ms);
    limit_timer->start(limit_ms);
}

void Display_Blinker::stop()
{
    blink_timer->stop();
    limit_timer->stop();
    if (inverted)
        swap_colours();
}

bool Display_Blinker::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == display && event->type() == QEvent::MouseButtonPress)
        stop();
    return QObject::eventFilter(watched, event);
}

// Swapping twice gives back exactly the colours the display had.
void Display_Blinker::swap_colours()
{
    QPalette palette = display->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor background = palette.color(group, QPalette::Window);
        palette.setColor(group, QPalette::Window, palette.color(group, QPalette::WindowText));
        palette.setColor(group, QPalette::WindowText, background);
    }
    display->setPalette(palette);
    inverted = !inverted;
}
