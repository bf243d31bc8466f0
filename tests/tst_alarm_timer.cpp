// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarm_timer.h"
#include "output_capture.h"

#include <QTimer>
#include <QtTest>

// The preset and action cycles belong to the whole process and are never
// reset, so the states are walked in one run from a fresh process, each step
// checked by its trace lines.
class Tst_Alarm_Timer : public QObject
{
    Q_OBJECT

private slots:
    void walk_through_the_states();

private:
    void press(Qt::MouseButton button)
    {
        QTest::mousePress(timer, button, Qt::NoModifier, QPoint(20, 20));
    }
    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            timer->Change_time();
    }

    Alarm_Timer *timer = nullptr;
};

void Tst_Alarm_Timer::walk_through_the_states()
{
    Output_Capture output;
    Alarm_Timer window;
    timer = &window;
    auto *tick_timer = window.findChild<QTimer *>(QStringLiteral("tick_timer"));
    QCOMPARE(window.intValue(), 60);

    press(Qt::MiddleButton);
    QCOMPARE(output.take_lines(), QStringList());
    QCOMPARE(window.intValue(), 60);

    // Start, stop, reset with no preset chosen: 300.
    press(Qt::RightButton);
    QVERIFY(tick_timer->isActive());
    QCOMPARE(tick_timer->interval(), 1000);
    ticks(1);
    press(Qt::RightButton);
    QVERIFY(!tick_timer->isActive());
    QCOMPARE(window.intValue(), 59);
    press(Qt::RightButton);
    QCOMPARE(window.intValue(), 300);
    QCOMPARE(output.take_lines(),
        (QStringList {"mode_flag=0", "mousePressEvent,buf_time=60",
            "change time ONE MINUTE buf_time = 59,mode_flag = 1", "mode_flag=1",
            "mousePressEvent,buf_time=59",
            "Select function case 2 buf_mode=0,buf_time=300,mode_flag=2", "mode_flag=2",
            "mousePressEvent,buf_time=300"}));

    // Left clicks cycle the presets.
    for (int preset : {60, 180, 300, 60, 180}) {
        press(Qt::LeftButton);
        QCOMPARE(window.intValue(), preset);
    }
    QCOMPARE(output.take_lines().mid(0, 6),
        (QStringList {"buf_click_flag=0", "mousePressEvent,buf_time=300", "buf_click_flag=1",
            "mousePressEvent,buf_time=60", "buf_click_flag=2", "mousePressEvent,buf_time=180"}));

    // 180 chosen and started: a left click while counting changes nothing,
    // and the reset after the stop gives 180 again.
    press(Qt::RightButton);
    ticks(3);
    QCOMPARE(output.take_lines().last(),
        QStringLiteral("change time ONE MINUTE buf_time = 177,mode_flag = 1"));
    press(Qt::LeftButton);
    QCOMPARE(window.intValue(), 177);
    press(Qt::RightButton);
    QVERIFY(!tick_timer->isActive());
    press(Qt::RightButton);
    QCOMPARE(window.intValue(), 180);
    QCOMPARE(output.take_lines(),
        (QStringList {"buf_click_flag=2", "mousePressEvent,buf_time=177", "mode_flag=1",
            "mousePressEvent,buf_time=177",
            "Select function case 2 buf_mode=0,buf_time=180,mode_flag=2", "mode_flag=2",
            "mousePressEvent,buf_time=180"}));

    // At 0 the count stays locked for one more tick, then a left click
    // applies the next preset and counting goes on at once.
    press(Qt::RightButton);
    ticks(180);
    QCOMPARE(output.take_lines().last(),
        QStringLiteral("change time ONE MINUTE buf_time = 0,mode_flag = 1"));
    press(Qt::LeftButton);
    QCOMPARE(window.intValue(), 0);
    ticks(1);
    QVERIFY(tick_timer->isActive());
    press(Qt::LeftButton);
    QCOMPARE(window.intValue(), 300);
    ticks(1);
    QCOMPARE(output.take_lines(),
        (QStringList {"buf_click_flag=2", "mousePressEvent,buf_time=0", "buf_click_flag=2",
            "mousePressEvent,buf_time=0", "change time ONE MINUTE buf_time = 299,mode_flag = 1"}));

    // Stopped, reset and set to 60, then closed while counting: shown again
    // at 60 with the presets locked until the first right click, a stop.
    press(Qt::RightButton);
    press(Qt::RightButton);
    press(Qt::LeftButton);
    window.show();
    press(Qt::RightButton);
    ticks(2);
    QCOMPARE(window.intValue(), 58);
    QVERIFY(window.close());
    QVERIFY(!tick_timer->isActive());
    output.take_lines();
    window.show();
    QCOMPARE(window.intValue(), 60);
    press(Qt::LeftButton);
    QCOMPARE(window.intValue(), 60);
    press(Qt::RightButton);
    QVERIFY(!tick_timer->isActive());
    press(Qt::LeftButton);
    QCOMPARE(window.intValue(), 180);
    QCOMPARE(output.take_lines(),
        (QStringList {"buf_click_flag=1", "mousePressEvent,buf_time=60", "mode_flag=1",
            "mousePressEvent,buf_time=60", "buf_click_flag=1", "mousePressEvent,buf_time=60"}));
}

QTEST_MAIN(Tst_Alarm_Timer)
#include "tst_alarm_timer.moc"
