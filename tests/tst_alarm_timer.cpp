// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarm_timer.h"
#include "output_capture.h"

#include <QTimer>
#include <QtTest>

namespace {

void left(Alarm_Timer &timer)
{
    QTest::mousePress(&timer, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
}

void right(Alarm_Timer &timer)
{
    QTest::mousePress(&timer, Qt::RightButton, Qt::NoModifier, QPoint(20, 20));
}

QTimer *tick_timer(Alarm_Timer &timer)
{
    return timer.findChild<QTimer *>(QStringLiteral("tick_timer"));
}

// The preset and action counters belong to the whole process and are never
// reset, so each case first walks a fresh window to the head of both cycles,
// reading where they stand from the trace lines.
void bring_to_start_of_cycles(Alarm_Timer &timer, Output_Capture &output)
{
    for (int guard = 0; guard < 3; ++guard) {
        right(timer);
        const QStringList lines = output.take_lines();
        if (lines.contains(QStringLiteral("mode_flag=2")))
            break;
    }
    tick_timer(timer)->stop();
    for (int guard = 0; guard < 3; ++guard) {
        left(timer);
        if (output.take_lines().value(0) == QStringLiteral("buf_click_flag=2"))
            break;
    }
}

} // namespace

class Tst_Alarm_Timer : public QObject
{
    Q_OBJECT

private slots:
    void window_set_up();
    void left_clicks_cycle_the_presets();
    void start_stop_reset_without_a_preset_gives_300();
    void reset_restores_the_chosen_preset_and_counting_locks_it();
    void after_zero_a_left_click_counts_on_at_once();
    void closing_while_counting_locks_until_a_stop();
    void other_buttons_do_nothing();
};

void Tst_Alarm_Timer::window_set_up()
{
    Alarm_Timer timer;
    QCOMPARE(timer.size(), QSize(200, 60));
    QCOMPARE(timer.pos(), QPoint(660, 545));
    QCOMPARE(timer.windowTitle(), QStringLiteral("Alrm Timer screen"));
    QVERIFY(timer.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(timer.windowFlags().testFlag(Qt::WindowSystemMenuHint));
    QCOMPARE(timer.segmentStyle(), QLCDNumber::Flat);
    QCOMPARE(timer.cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(timer.digitCount(), 5);
    QCOMPARE(timer.intValue(), 60);
    QVERIFY(tick_timer(timer));
    QVERIFY(!tick_timer(timer)->isActive());
    QCOMPARE(tick_timer(timer)->timerType(), Qt::PreciseTimer);
}

void Tst_Alarm_Timer::left_clicks_cycle_the_presets()
{
    Output_Capture output;
    Alarm_Timer timer;
    bring_to_start_of_cycles(timer, output);
    left(timer);
    QCOMPARE(timer.intValue(), 60);
    left(timer);
    QCOMPARE(timer.intValue(), 180);
    left(timer);
    QCOMPARE(timer.intValue(), 300);
    left(timer);
    QCOMPARE(timer.intValue(), 60);
    QCOMPARE(output.take_lines(),
        (QStringList {"buf_click_flag=0", "mousePressEvent,buf_time=300", "buf_click_flag=1",
            "mousePressEvent,buf_time=60", "buf_click_flag=2", "mousePressEvent,buf_time=180",
            "buf_click_flag=0", "mousePressEvent,buf_time=300"}));
    QVERIFY(!tick_timer(timer)->isActive());
}

void Tst_Alarm_Timer::start_stop_reset_without_a_preset_gives_300()
{
    Output_Capture output;
    Alarm_Timer timer;
    bring_to_start_of_cycles(timer, output);
    QCOMPARE(timer.intValue(), 300);

    right(timer);
    QVERIFY(tick_timer(timer)->isActive());
    QCOMPARE(tick_timer(timer)->interval(), 1000);
    QCOMPARE(timer.intValue(), 300);
    QCOMPARE(output.take_lines(), (QStringList {"mode_flag=0", "mousePressEvent,buf_time=300"}));

    timer.Change_time();
    QCOMPARE(timer.intValue(), 299);
    QCOMPARE(
        output.take_lines(), QStringList {"change time ONE MINUTE buf_time = 299,mode_flag = 1"});

    right(timer);
    QVERIFY(!tick_timer(timer)->isActive());
    QCOMPARE(timer.intValue(), 299);
    QCOMPARE(output.take_lines(), (QStringList {"mode_flag=1", "mousePressEvent,buf_time=299"}));

    // The stopped seconds cannot be resumed: the reset replaces them.
    right(timer);
    QCOMPARE(timer.intValue(), 300);
    QVERIFY(!tick_timer(timer)->isActive());
    QCOMPARE(output.take_lines(),
        (QStringList {"Select function case 2 buf_mode=0,buf_time=300,mode_flag=2", "mode_flag=2",
            "mousePressEvent,buf_time=300"}));

    // Ready again: the next right click starts from 300.
    right(timer);
    timer.Change_time();
    QCOMPARE(timer.intValue(), 299);
    right(timer);
    QVERIFY(!tick_timer(timer)->isActive());
}

void Tst_Alarm_Timer::reset_restores_the_chosen_preset_and_counting_locks_it()
{
    Output_Capture output;
    Alarm_Timer timer;
    bring_to_start_of_cycles(timer, output);
    left(timer);
    left(timer);
    QCOMPARE(timer.intValue(), 180);
    output.take_lines();

    right(timer);
    for (int i = 0; i < 3; ++i)
        timer.Change_time();
    QCOMPARE(timer.intValue(), 177);
    output.take_lines();

    left(timer);
    QCOMPARE(timer.intValue(), 177);
    QCOMPARE(
        output.take_lines(), (QStringList {"buf_click_flag=2", "mousePressEvent,buf_time=177"}));
    timer.Change_time();
    QCOMPARE(timer.intValue(), 176);

    right(timer);
    QCOMPARE(timer.intValue(), 176);
    right(timer);
    // Had the locked click counted, the reset would give 300.
    QCOMPARE(timer.intValue(), 180);
    const QStringList lines = output.take_lines();
    QVERIFY(lines.contains(
        QStringLiteral("Select function case 2 buf_mode=0,buf_time=180,mode_flag=2")));
}

void Tst_Alarm_Timer::after_zero_a_left_click_counts_on_at_once()
{
    Output_Capture output;
    Alarm_Timer timer;
    bring_to_start_of_cycles(timer, output);
    left(timer);
    right(timer);
    output.take_lines();
    for (int i = 0; i < 60; ++i)
        timer.Change_time();
    QCOMPARE(timer.intValue(), 0);
    QCOMPARE(output.take_lines().last(),
        QStringLiteral("change time ONE MINUTE buf_time = 0,mode_flag = 1"));

    // Still locked on the tick that reached 0.
    left(timer);
    QCOMPARE(timer.intValue(), 0);
    output.take_lines();

    timer.Change_time();
    QCOMPARE(timer.intValue(), 0);
    QCOMPARE(output.take_lines(), QStringList());
    QVERIFY(tick_timer(timer)->isActive());

    left(timer);
    QCOMPARE(timer.intValue(), 180);
    QCOMPARE(output.take_lines(), (QStringList {"buf_click_flag=1", "mousePressEvent,buf_time=0"}));
    timer.Change_time();
    QCOMPARE(timer.intValue(), 179);
    QCOMPARE(
        output.take_lines(), QStringList {"change time ONE MINUTE buf_time = 179,mode_flag = 1"});

    right(timer);
    QVERIFY(!tick_timer(timer)->isActive());
    QCOMPARE(output.take_lines(), (QStringList {"mode_flag=1", "mousePressEvent,buf_time=179"}));
}

void Tst_Alarm_Timer::closing_while_counting_locks_until_a_stop()
{
    Output_Capture output;
    Alarm_Timer timer;
    bring_to_start_of_cycles(timer, output);
    left(timer);
    left(timer);
    timer.show();
    right(timer);
    timer.Change_time();
    timer.Change_time();
    QCOMPARE(timer.intValue(), 178);
    output.take_lines();

    QVERIFY(timer.close());
    QVERIFY(!timer.isVisible());
    QVERIFY(!tick_timer(timer)->isActive());
    QCOMPARE(timer.intValue(), 60);

    timer.show();
    QCOMPARE(timer.intValue(), 60);
    left(timer);
    QCOMPARE(timer.intValue(), 60);
    QCOMPARE(
        output.take_lines(), (QStringList {"buf_click_flag=2", "mousePressEvent,buf_time=60"}));

    right(timer);
    QVERIFY(!tick_timer(timer)->isActive());
    QCOMPARE(timer.intValue(), 60);
    QCOMPARE(output.take_lines(), (QStringList {"mode_flag=1", "mousePressEvent,buf_time=60"}));

    // The stop released the lock.
    left(timer);
    QCOMPARE(timer.intValue(), 300);
    right(timer);
    QCOMPARE(output.take_lines(),
        (QStringList {"buf_click_flag=2", "mousePressEvent,buf_time=60",
            "Select function case 2 buf_mode=0,buf_time=300,mode_flag=2", "mode_flag=2",
            "mousePressEvent,buf_time=300"}));
    timer.close();
}

void Tst_Alarm_Timer::other_buttons_do_nothing()
{
    Output_Capture output;
    Alarm_Timer timer;
    QTest::mousePress(&timer, Qt::MiddleButton, Qt::NoModifier, QPoint(20, 20));
    QTest::mousePress(&timer, Qt::BackButton, Qt::NoModifier, QPoint(20, 20));
    QCOMPARE(output.take_lines(), QStringList());
    QCOMPARE(timer.intValue(), 60);
    QVERIFY(!tick_timer(timer)->isActive());
}

QTEST_MAIN(Tst_Alarm_Timer)
#include "tst_alarm_timer.moc"
