// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ALARM_TIMER_H
#define ALARM_TIMER_H

#include <QLCDNumber>

class Display_Blinker;
class QCloseEvent;
class QKeyEvent;
class QMouseEvent;
class QPaintEvent;
class QTimer;

// A countdown worked by clicks on its number: a left click (or Enter) picks
// the next preset (60, 180, 300 s), a right click (or Space) steps through
// start, stop and reset. When the count reaches 0 a bell rings once, the
// number blinks and the desktop shows a notice. A screen reader hears the
// seconds left and whether they are set, counting, stopped or up.
class Alarm_Timer : public QLCDNumber
{
    Q_OBJECT

public:
    explicit Alarm_Timer(QWidget *parent = nullptr);

    // One second in the program; tests shorten it to count down quickly.
    static int tick_interval_ms;

public slots:
    void Change_time();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void Left_Click();
    void Right_Click();
    void Tell_Seconds();

    QTimer *tick_timer = nullptr;
    int buf_time = 60;
    int buf_mode = 0;
    Display_Blinker *blinker = nullptr;
};

#endif // ALARM_TIMER_H
