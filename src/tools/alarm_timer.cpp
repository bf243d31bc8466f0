// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/alarm_timer.h"
#include "core/chime_bank.h"
#include "core/desktop_notification.h"
#include "tools/display_blinker.h"

#include <QCloseEvent>
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
}

void Alarm_Timer::Change_time()
{
    if (buf_time == 0) {
        display(0);
        buf_mode = 0;
        return;
    }
    --buf_time;
    display(buf_time);
    std::printf("change time ONE MINUTE buf_time = %d,mode_flag = %d\n", buf_time, mode_flag % 3);
    if (buf_time == 0) {
        Chime_Bank::ring(bell_sound);
        blinker->start();
        // For a user looking at another window, or away from a silent desk.
        Desktop_Notification::send(tr("Time is up"));
    }
}

void Alarm_Timer::mousePressEvent(QMouseEvent *event)
{
    switch (event->button()) {
    case Qt::LeftButton:
        std::printf("buf_click_flag=%d\n", buf_click_flag % 3);
        std::printf("mousePressEvent,buf_time=%d\n", buf_time);
        if (buf_mode != 0)
            return;
        buf_time = preset_seconds[buf_click_flag % 3];
        display(buf_time);
        ++buf_click_flag;
        break;
    case Qt::RightButton:
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
        break;
    default:
        break;
    }
}

// Closing stops the count and locks the presets until the next stop.
void Alarm_Timer::closeEvent(QCloseEvent *event)
{
    tick_timer->stop();
    blinker->stop();
    buf_time = 60;
    display(60);
    buf_mode = 1;
    event->accept();
}
