// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chime_bank.h"
#include "support/zelvane_test.h"
#include "tools/alarm_timer.h"

// Runs the event loop as main does, with steps taken from inside it; 99 if
// the program did not end by itself.
static int exec_with(const std::function<void()> &steps)
{
    QTimer::singleShot(patience_ms, qApp, [] { QCoreApplication::exit(99); });
    QTimer::singleShot(0, qApp, steps);
    return QApplication::exec();
}

// The feature menu and the tools it opens: the version screen, the calendar,
// the help and the countdown, each opened again after a close; and Quit or
// the last window closed, which end the program.
class Tst_Menu_Tools : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { take_down_clocks(); }

    // The calendar marks the day it was first opened on, and keeps it; the
    // help opens on its index, and goes back there when opened again.
    void version_calendar_and_help_opened_twice()
    {
        stand_clock_at(QDateTime(QDate(2009, 3, 5), QTime(23, 59, 59)));
        Date_Time_Screen *clock = nullptr;
        press(open_menu(clock), "close_menu_button");
        QVERIFY(!window_of("Right_Menu"));
        for (const char *button : {"calender_button", "help_button", "version_button"})
            press(open_menu(clock), button);
        QWidget *version = window_of("Version_Screen");
        QCOMPARE(texts(version, {"name_label", "version_label", "author_label", "mail_label"}),
            "Soft name:Zelvane|Version:version 1.00|Author:The Zelvane developers|E-mail: "
            "zelvane@example.org");

        auto *calendar = qobject_cast<QCalendarWidget *>(window_of("Calender_Show"));
        QVERIFY(calendar->isGridVisible() && calendar->isNavigationBarVisible());
        QCOMPARE(calendar->selectedDate(), QDate(2009, 3, 5));
        calendar->close();
        stand_clock_at(QDateTime(QDate(2009, 3, 6), QTime(0, 0, 1)));
        press(open_menu(clock), "calender_button");
        QCOMPARE(calendar->selectedDate(), QDate(2009, 3, 5));
        auto *help = qobject_cast<QTextBrowser *>(window_of("Help_Screen"));
        QCOMPARE(help->source().fileName(), QStringLiteral("index.html"));
        QTest::keyClick(help, Qt::Key_Tab);
        QTest::keyClick(help, Qt::Key_Return);
        QCOMPARE(help->source().fileName(), QStringLiteral("clock.html"));
        help->close();
        press(open_menu(clock), "help_button");
        QCOMPARE(help->source().fileName(), QStringLiteral("index.html"));
    }

    // Presets and start, stop and reset by clicks; at 0 the bell and the
    // blinking. The ticks run on the real timer, shortened.
    void countdown_through_its_cycle()
    {
        Alarm_Timer::tick_interval_ms = 1000;
        Date_Time_Screen *clock = nullptr;
        press(open_menu(clock), "timer_button");
        auto *countdown = qobject_cast<QLCDNumber *>(window_of("Alarm_Timer"));
        QCOMPARE(countdown->intValue(), 60);
        Output_Capture output;
        const auto click = [countdown](Qt::MouseButton button, int shown) {
            QTest::mouseClick(countdown, button);
            QCOMPARE(countdown->intValue(), shown);
        };
        for (int preset : {60, 180, 300, 60})
            click(Qt::LeftButton, preset);
        click(Qt::RightButton, 60);
        WAIT_COMPARE(countdown->intValue(), 58);
        click(Qt::LeftButton, 58); // locked while counting
        click(Qt::RightButton, 58);
        QTest::qWait(1200);
        click(Qt::RightButton, 60);
        click(Qt::MiddleButton, 60);
        QCOMPARE(output.take_lines().join('|'),
            "buf_click_flag=0|mousePressEvent,buf_time=60|buf_click_flag=1|mousePressEvent,buf_"
            "time=60|buf_click_flag=2|mousePressEvent,buf_time=180|buf_click_flag=0|"
            "mousePressEvent,buf_time=300|mode_flag=0|mousePressEvent,buf_time=60|change time ONE "
            "MINUTE buf_time = 59,mode_flag = 1|change time ONE MINUTE buf_time = 58,mode_flag = "
            "1|buf_click_flag=1|mousePressEvent,buf_time=58|mode_flag=1|mousePressEvent,buf_time="
            "58|Select function case 2 buf_mode=0,buf_time=60,mode_flag=2|mode_flag=2|"
            "mousePressEvent,buf_time=60");

        // 60 s chosen again (180, 300, 60) and started: one bell, sound 1, on
        // the tick that shows 0, then the display blinks.
        Alarm_Timer::tick_interval_ms = 5;
        Chime_Bank chimes;
        QList<QPoint> bells; // (sound, number shown when it was asked for)
        connect(&chimes, &Chime_Bank::chime_requested, countdown,
            [&](int sound) { bells.append(QPoint(sound, countdown->intValue())); });
        const QColor face = countdown->palette().color(QPalette::Window);
        const auto inverted
            = [&] { return countdown->palette().color(QPalette::WindowText) == face; };
        auto *blinking = countdown->findChild<QTimer *>(QStringLiteral("blink_timer"));
        for (int preset = 0; preset < 3; ++preset)
            QTest::mouseClick(countdown, Qt::LeftButton);
        QCOMPARE(countdown->intValue(), 60);
        QVERIFY(bells.isEmpty() && !blinking->isActive() && !inverted());
        QTest::mouseClick(countdown, Qt::RightButton);
        WAIT_COMPARE(bells, QList<QPoint>({QPoint(1, 0)}));
        const QStringList counted = output.take_lines();
        QVERIFY(counted.contains("mode_flag=0")); // started by the fourth right click
        QCOMPARE(counted.filter(QStringLiteral("change time")).last(),
            QStringLiteral("change time ONE MINUTE buf_time = 0,mode_flag = 1"));
        QTRY_VERIFY(!inverted());
        QTRY_VERIFY(inverted());
        // A click ends the blinking and does what it always does: this one stops.
        QTest::mouseClick(countdown, Qt::RightButton);
        QVERIFY(!blinking->isActive() && !inverted());
    }

    // Quit ends the program whatever is open. So does closing the last
    // window: the clock, then the version screen, which shows again once closed.
    void quit_or_the_last_window_closed_ends_the_program()
    {
        Date_Time_Screen *clock = nullptr;
        QCOMPARE(exec_with([&clock] {
            for (const char *button : {"calender_button", "maxim_button", "timer_button",
                     "omikuji_button", "help_button", "version_button", "quit_button"})
                press(open_menu(clock), button);
        }),
            0);
        delete std::exchange(clock, nullptr);
        QCOMPARE(exec_with([&clock] {
            press(open_menu(clock), "version_button");
            window_of("Version_Screen")->close();
            press(open_menu(clock), "version_button");
            clock->close();
            press(window_of("Version_Screen"), "ok_button");
        }),
            0);
    }
};

QTEST_MAIN(Tst_Menu_Tools)
#include "tst_menu_tools.moc"
