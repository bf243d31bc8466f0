// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarm_timer.h"
#include "chime_bank.h"
#include "display_blinker.h"
#include "output_capture.h"
#include "platform_choice.h"

#include <QProcessEnvironment>
#include <QtTest>

class Tst_Countdown_Alert : public QObject
{
    Q_OBJECT

private slots:
    void bell_and_blinking_when_the_count_reaches_zero();
    void platform_choice_data();
    void platform_choice();
};

// The real tick and blink timers run, shortened: 60 ticks take a moment.
void Tst_Countdown_Alert::bell_and_blinking_when_the_count_reaches_zero()
{
    Alarm_Timer::tick_interval_ms = 5;
    Display_Blinker::swap_interval_ms = 100;
    Output_Capture output;
    Chime_Bank chimes;
    Alarm_Timer window;
    window.show();
    QList<QPoint> bells; // (sound, number shown when it was asked for)
    connect(&chimes, &Chime_Bank::chime_requested, &window,
        [&](int sound) { bells.append(QPoint(sound, window.intValue())); });
    const QPalette normal = window.palette();
    const auto inverted = [&] {
        return window.palette().color(QPalette::Window) == normal.color(QPalette::WindowText)
            && window.palette().color(QPalette::WindowText) == normal.color(QPalette::Window);
    };
    const auto press = [&](Qt::MouseButton button) {
        QTest::mousePress(&window, button, Qt::NoModifier, QPoint(20, 20));
    };
    auto *blinking = window.findChild<QTimer *>(QStringLiteral("blink_timer"));

    // Started, stopped before 0 and reset: silent, still.
    press(Qt::RightButton);
    QTRY_VERIFY(window.intValue() < 60);
    press(Qt::RightButton);
    press(Qt::RightButton);
    QCOMPARE(window.intValue(), 300);
    QVERIFY(bells.isEmpty() && !blinking->isActive() && !inverted());
    output.take_lines();

    // 60 s chosen and started: one bell, sound 1, on the tick that shows 0.
    press(Qt::LeftButton);
    press(Qt::RightButton);
    QTRY_COMPARE(bells, QList<QPoint>({QPoint(1, 0)}));
    const QStringList ticks = output.take_lines().filter(QStringLiteral("change time"));
    QCOMPARE(ticks.size(), 60);
    QCOMPARE(ticks.last(), QStringLiteral("change time ONE MINUTE buf_time = 0,mode_flag = 1"));
    QTRY_VERIFY(!inverted());
    QTRY_VERIFY(inverted());

    // A click ends the blinking and does what it always does: this one stops.
    press(Qt::RightButton);
    QVERIFY(!blinking->isActive() && !inverted());
    QCOMPARE(window.findChild<QTimer *>(QStringLiteral("tick_timer"))->isActive(), false);

    // Left alone, the blinking ends by itself; the count stays expired at 0.
    Display_Blinker::limit_ms = 400;
    press(Qt::RightButton);
    QCOMPARE(window.intValue(), 60);
    press(Qt::RightButton);
    QTRY_COMPARE(bells.size(), 2);
    QVERIFY(blinking->isActive());
    QTRY_VERIFY(!blinking->isActive());
    QVERIFY(!inverted());
    QCOMPARE(bells.last(), QPoint(1, 0));
    QCOMPARE(window.intValue(), 0);
}

void Tst_Countdown_Alert::platform_choice_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QByteArray>("platform");
    const QStringList xwayland = {"WAYLAND_DISPLAY=wayland-0", "DISPLAY=:0"};
    QTest::newRow("Wayland with an X display") << xwayland << QByteArray("xcb;wayland");
    QTest::newRow("Wayland alone") << QStringList {"WAYLAND_DISPLAY=wayland-0"} << QByteArray();
    QTest::newRow("user's choice")
        << xwayland + QStringList {"QT_QPA_PLATFORM=wayland"} << QByteArray();
    QTest::newRow("plain X11") << QStringList {"DISPLAY=:0"} << QByteArray();
}

void Tst_Countdown_Alert::platform_choice()
{
    QFETCH(QStringList, environment);
    QFETCH(QByteArray, platform);
    QProcessEnvironment variables;
    for (const QString &variable : environment)
        variables.insert(variable.section(QLatin1Char('='), 0, 0), variable.section('=', 1));
    QCOMPARE(choose_platform(variables), platform);
}

QTEST_MAIN(Tst_Countdown_Alert)
#include "tst_countdown_alert.moc"
