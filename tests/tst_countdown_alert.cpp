// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarm_timer.h"
#include "chime_bank.h"
#include "display_blinker.h"
#include "output_capture.h"
#include "platform_choice.h"

#include <QtTest>

class Tst_Countdown_Alert : public QObject
{
    Q_OBJECT

private slots:
    // The real tick and blink timers run, shortened: 60 ticks take a moment.
    void bell_and_blinking_when_the_count_reaches_zero()
    {
        Alarm_Timer::tick_interval_ms = 5;
        Output_Capture output;
        Chime_Bank chimes;
        Alarm_Timer window;
        QList<QPoint> bells; // (sound, number shown when it was asked for)
        connect(&chimes, &Chime_Bank::chime_requested, &window,
            [&](int sound) { bells.append(QPoint(sound, window.intValue())); });
        const QColor face = window.palette().color(QPalette::Window);
        const auto inverted = [&] { return window.palette().color(QPalette::WindowText) == face; };
        const auto press = [&](std::initializer_list<Qt::MouseButton> buttons) {
            for (Qt::MouseButton button : buttons)
                QTest::mousePress(&window, button, Qt::NoModifier, QPoint(20, 20));
        };
        auto *blinking = window.findChild<QTimer *>(QStringLiteral("blink_timer"));

        // Started, stopped before 0 and reset: silent, still.
        press({Qt::RightButton});
        QTRY_VERIFY(window.intValue() < 60);
        press({Qt::RightButton, Qt::RightButton});
        QVERIFY(bells.isEmpty() && !blinking->isActive() && !inverted());

        // 60 s chosen and started: one bell, sound 1, on the tick that shows 0.
        press({Qt::LeftButton, Qt::RightButton});
        QTRY_COMPARE(bells, QList<QPoint>({QPoint(1, 0)}));
        QCOMPARE(output.take_lines().filter(QStringLiteral("change time")).last(),
            QStringLiteral("change time ONE MINUTE buf_time = 0,mode_flag = 1"));
        QTRY_VERIFY(!inverted());
        QTRY_VERIFY(inverted());

        // A click ends the blinking and does what it always does: this one stops.
        press({Qt::RightButton});
        QVERIFY(!blinking->isActive() && !inverted());

        // Left alone, the blinking ends by itself; the count stays expired at 0.
        Display_Blinker::limit_ms = 400;
        press({Qt::RightButton, Qt::RightButton});
        QTRY_COMPARE(bells, QList<QPoint>({QPoint(1, 0), QPoint(1, 0)}));
        QTRY_VERIFY(!blinking->isActive());
        QVERIFY(!inverted() && window.intValue() == 0);
    }

    void platform_choice()
    {
        const auto choice = [](const QStringList &variables) {
            QProcessEnvironment environment;
            for (const QString &variable : variables)
                environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
            return choose_platform(environment);
        };
        QCOMPARE(choice({"WAYLAND_DISPLAY=w0", "DISPLAY=:0"}), QByteArray("xcb;wayland"));
        QCOMPARE(choice({"WAYLAND_DISPLAY=w0"}), QByteArray());
        QCOMPARE(choice({"WAYLAND_DISPLAY=w0", "DISPLAY=:0", "QT_QPA_PLATFORM=w"}), QByteArray());
        QCOMPARE(choice({"DISPLAY=:0"}), QByteArray());
    }
};

QTEST_MAIN(Tst_Countdown_Alert)
#include "tst_countdown_alert.moc"
