// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/alarm_timer.h"
#include "core/chime_bank.h"
#include "core/desktop_notification.h"
#include "core/window_keys.h"
#include "tools/display_blinker.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <cstdio>

namespace {
// Shared by the whole process and never reset, so the preset and the action
// cycles carry on where they were after the window is closed and shown again.
int buf_click_flag = 0;
int mode_flag = 0;

constexpr int preset_seconds[3] = {60, 180, 300};
// The preset the latest accepted left click applied (300 before any).
constexpr int reset_seconds[3] = {300, 60, 180};
// The chime bank's one-stroke bell tells the user the time is up.
constexpr int bell_sound = 1;
} // namespace

int Alarm_Timer::tick_interval_ms = 1000;

Alarm_Timer::Alarm_Timer(QWidget *parent) : QLCDNumber(parent)
{
    setFixedSize(200, 60);
    setSegmentStyle(QLCDNumber::Flat);
    setCursor(Qt::PointingHandCursor);
    // Worked from the keyboard too: Enter as a left click, Space as a right one.
    setFocusPolicy(Qt::StrongFocus);
    setWindowFlags(Qt::WindowStaysOnTopHint | Qt::WindowSystemMenuHint);
    setWindowTitle(tr("Alrm Timer screen"));
    move(660, 545);
    display(60);

    tick_timer = new QTimer(this);
    tick_timer->setObjectName(QStringLiteral("tick_timer"));
    // A coarse timer runs a few percent fast; a countdown must not.
    tick_timer->setTimerType(Qt::PreciseTimer);
    buf_time = 60;
    buf_mode = 0;

    connect(tick_timer, &QTimer::timeout, this, &Alarm_Timer::Change_time);

    blinker = new Display_Blinker(this);
    setAccessibleDescription(tr("Enter chooses the next time: 60, 180 or 300 seconds. Space "
                                "starts, stops and resets the count in turn."));
    Tell_Seconds();
}

void Alarm_Timer::mousePressEvent(QMouseEvent *event)
{
    switch (event->button()) {
    case Qt::LeftButton:
        Left_Click();
        break;
    case Qt::RightButton:
        Right_Click();
        break;
    default:
        break;
    }
}

// The keys are the same in every language. A key held down acts once, as a
// click does.
void Alarm_Timer::keyPressEvent(QKeyEvent *event)
{
    const bool repeat = event->isAutoRepeat();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!repeat) {
            blinker->stop();
            Left_Click();
        }
        break;
    case Qt::Key_Space:
        if (!repeat) {
            blinker->stop();
            Right_Click();
        }
        break;
    default:
        QLCDNumber::keyPressEvent(event);
        break;
    }
}

void Alarm_Timer::Left_Click()
{
    std::printf("buf_click_flag=%d\n", buf_click_flag % 3);
    std::printf("mousePressEvent,buf_time=%d\n", buf_time);
    if (buf_mode != 0)
        return;
    buf_time = preset_seconds[buf_click_flag % 3];
    display(buf_time);
    ++buf_click_flag;
    Tell_Seconds();
}

void Alarm_Timer::Right_Click()
{
    switch (mode_flag % 3) {
    case 0:
        tick_timer->start(tick_interval_ms);
        buf_mode = 1;
        break;
    case 1:
        tick_timer->stop();
        display(buf_time);
        buf_mode = 0;
        break;
    case 2:
        buf_time = reset_seconds[buf_click_flag % 3];
        std::printf("Select function case 2 buf_mode=%d,buf_time=%d,mode_flag=%d\n", buf_mode,
            buf_time, mode_flag % 3);
        display(buf_time);
        break;
    }
    std::printf("mode_flag=%d\n", mode_flag % 3);
    std::printf("mousePressEvent,buf_time=%d\n", buf_time);
    ++mode_flag;
    Tell_Seconds();
}

void Alarm_Timer::Change_time()
{
    if (buf_time == 0) {
        display(0);
        buf_mode = 0;
        Tell_Seconds();
        return;
    }
    --buf_time;
    display(buf_time);
    std::printf("change time ONE MINUTE buf_time = %d,mode_flag = %d\n", buf_time, mode_flag % 3);
    Tell_Seconds();
    if (buf_time == 0) {
        Chime_Bank::ring(bell_sound);
        blinker->start();
        // For a user looking at another window, or away from a silent desk.
        Desktop_Notification::send(tr("Time is up"));
    }
}

// The seconds left and what they are doing, as a screen reader says them.
void Alarm_Timer::Tell_Seconds()
{
    QString state;
    if (buf_time == 0)
        state = tr("time is up");
    else if (tick_timer->isActive())
        state = tr("counting");
    else if (mode_flag % 3 == 2) // a reset comes next: the count was stopped
        state = tr("stopped");
    else
        state = tr("set");
    const QString name = buf_time == 1 ? tr("1 second, %1").arg(state)
                                       : tr("%1 seconds, %2").arg(buf_time).arg(state);
    if (name != accessibleName())
        setAccessibleName(name);
}

// Closing stops the count and locks the presets until the next stop.
void Alarm_Timer::closeEvent(QCloseEvent *event)
{
    tick_timer->stop();
    blinker->stop();
    buf_time = 60;
    display(60);
    buf_mode = 1;
    Tell_Seconds();
    event->accept();
}

void Alarm_Timer::paintEvent(QPaintEvent *event)
{
    QLCDNumber::paintEvent(event);
    Window_Keys::Paint_Focus_Ring(this);
}
