// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chime_bank.h"
#include "support/zelvane_test.h"
#include "tools/alarm_timer.h"

// The feature menu and the windows it opens, first and again: the countdown,
// the calendar, the help and the version screen; and the ways the program ends.
class Tst_Menu_Tools : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QDir::setCurrent(QStringLiteral(ZELVANE_RUN_DIR)); }
    void cleanup() { take_down_clocks(); }

    // Close menu opens nothing, and the menu opens again where it was left;
    // the calendar keeps the day it was first opened on, and the month the
    // user went to; the help goes back to its index when closed; the version
    // screen shows the same lines after OK or the title bar, and a button
    // whose window is open leaves it open.
    void menu_and_information_windows_opened_again()
    {
        stand_clock_at(QDateTime(QDate(2009, 3, 5), QTime(23, 59, 59)));
        Date_Time_Screen *clock = nullptr;
        QWidget *menu = open_menu(clock);
        menu->move(100, 300); // dragged by its title bar
        press(menu, "close_menu_button");
        QWidgetList shown = QApplication::topLevelWidgets();
        shown.removeIf([](QWidget *window) { return !window->isVisible(); });
        QCOMPARE(shown, QWidgetList {clock});
        QCOMPARE(open_menu(clock)->pos(), QPoint(100, 300));

        press(menu, "calender_button");
        auto *calendar = qobject_cast<QCalendarWidget *>(window_of("Calender_Show"));
        QVERIFY(calendar->isGridVisible() && calendar->isNavigationBarVisible());
        QCOMPARE(calendar->selectedDate(), QDate(2009, 3, 5));
        press(calendar, "qt_calendar_nextmonth");
        calendar->close();
        stand_clock_at(QDateTime(QDate(2009, 3, 6), QTime(0, 0, 1)));
        press(open_menu(clock), "calender_button");
        QCOMPARE(calendar->selectedDate(), QDate(2009, 3, 5));
        QCOMPARE(calendar->monthShown(), 4);

        press(open_menu(clock), "help_button");
        auto *help = qobject_cast<QTextBrowser *>(window_of("Help_Screen"));
        for (int opening = 1; opening <= 2; ++opening) {
            QCOMPARE(help->source().fileName(), QStringLiteral("index.html"));
            QVERIFY(help->toPlainText().size() > 100);
            QTest::keyClick(help, Qt::Key_Tab);
            QTest::keyClick(help, Qt::Key_Return);
            QCOMPARE(help->source().fileName(), QStringLiteral("clock.html"));
            help->close();
            press(open_menu(clock), "help_button");
        }

        for (const QString how : {"ok_button", "title bar", ""}) {
            press(open_menu(clock), "version_button");
            QWidget *version = window_of("Version_Screen");
            QVERIFY(version && !menu->isVisible());
            QCOMPARE(in_layout_order(version, "QLabel"),
                "name_label version_label author_label url_label mail_label rights_label");
            const int centre = version->findChild<QWidget *>("ok_button")->geometry().center().x();
            QVERIFY2(qAbs(centre - version->width() / 2) <= 2, "OK is centred");
            if (how.isEmpty()) { // opened once more while it is open: it stays
                press(open_menu(clock), "version_button");
                QVERIFY(version->isVisible() && !menu->isVisible());
                break;
            }
            how == "title bar" ? (void)version->close() : press(version, how);
            QVERIFY(!version->isVisible());
        }
    }

    // The countdown worked by clicks as its user works it, step by step: a
    // number is the number shown after the step, '=' the number before it.
    // L, R, M: a left, right or middle click. t: ticks until the number is
    // below the one given. z: ticks down to 0, where the bell rings once and
    // the number blinks. u: left clicks until one is taken, at 0 once the
    // next tick unlocks the presets. x: closed by its title bar, then opened
    // again from the menu. Every click ends a blinking.
    void countdown_runs_its_cycle_twice()
    {
        Date_Time_Screen *clock = nullptr;
        press(open_menu(clock), "timer_button");
        auto *countdown = qobject_cast<QLCDNumber *>(window_of("Alarm_Timer"));
        auto *ticks = countdown->findChild<QTimer *>("tick_timer");
        auto *blinking = countdown->findChild<QTimer *>("blink_timer");
        auto *blink_limit = countdown->findChild<QTimer *>("blink_limit_timer");
        const QColor face = countdown->palette().color(QPalette::Window);
        const auto inverted
            = [&] { return countdown->palette().color(QPalette::WindowText) == face; };
        Chime_Bank chimes;
        QList<QPoint> bells; // (sound, number shown when it was asked for)
        connect(&chimes, &Chime_Bank::chime_requested, countdown,
            [&](int sound) { bells.append(QPoint(sound, countdown->intValue())); });
        Output_Capture output;
        const auto run = [&](const QString &steps) {
            for (const QString &step : steps.split(' ')) {
                const int before = countdown->intValue(), shown = step.mid(1).toInt(),
                          bells_before = bells.size();
                const QChar action = step[0];
                if (QString("LRM").contains(action))
                    QTest::mouseClick(
                        countdown, Qt::MouseButton(1 << QString("LRM").indexOf(action)));
                else if (action == 't')
                    WAIT_FOR(countdown->intValue() < shown);
                else if (action == 'z')
                    WAIT_COMPARE(bells.size(), bells_before + 1);
                int taken = -1; // clicked until one is taken, and no more
                if (action == 'u')
                    WAIT_FOR(taken == shown
                        || (QTest::mouseClick(countdown, Qt::LeftButton),
                               taken = countdown->intValue())
                            == shown);
                if (action == 'x') {
                    countdown->close();
                    QVERIFY(!ticks->isActive());
                    press(open_menu(clock), "timer_button");
                }
                if (action == 'z') {
                    QCOMPARE(bells.last(), QPoint(1, 0));
                    QVERIFY(blinking->isActive() && blinking->interval() == 500);
                    QVERIFY(blink_limit->isActive() && blink_limit->interval() == 30000);
                    WAIT_FOR(!inverted());
                    WAIT_FOR(inverted());
                } else if (action != 't') {
                    QVERIFY2(!blinking->isActive() && !inverted(), qPrintable(step));
                    QCOMPARE(countdown->intValue(), step.endsWith('=') ? before : shown);
                }
            }
        };
        // At the designed second: presets, start, a locked click, stop, reset.
        run("L60 L180 L300 L60 R60");
        QVERIFY(ticks->isActive() && ticks->interval() == 1000);
        run("t60 L= R=");
        const int left = countdown->intValue();
        QVERIFY(!ticks->isActive());
        run("R60 M60");
        QStringList counted;
        for (int second = 59; second >= left; --second)
            counted
                << QStringLiteral("change time ONE MINUTE buf_time = %1,mode_flag = 1").arg(second);
        QCOMPARE(output.take_lines().join('|'),
            "buf_click_flag=0|mousePressEvent,buf_time=60|buf_click_flag=1|mousePressEvent,buf_"
            "time=60|buf_click_flag=2|mousePressEvent,buf_time=180|buf_click_flag=0|"
            "mousePressEvent,buf_time=300|mode_flag=0|mousePressEvent,buf_time=60|"
                + counted.join('|')
                + QStringLiteral("|buf_click_flag=1|mousePressEvent,buf_time=%1|mode_flag=1|"
                                 "mousePressEvent,buf_time=%1|Select function case 2 "
                                 "buf_mode=0,buf_time=60,mode_flag=2|mode_flag=2|"
                                 "mousePressEvent,buf_time=60")
                      .arg(left));
        // Shortened ticks: twice down to 0, set again there, stopped, reset;
        // then closed while counting, it opens locked at 60 until a stop.
        const int second_ms = std::exchange(Alarm_Timer::tick_interval_ms, 10);
        const auto restore = qScopeGuard([=] { Alarm_Timer::tick_interval_ms = second_ms; });
        run("L180 R180 z u300 t300 R= R300 L60 R60 z R0 R60 R60 t60 x60 L60 R60 L180 R180");
    }

    // Quit ends the program whatever is open. So does closing the last
    // window: the clock, then the version screen, which shows again once closed.
    void quit_or_the_last_window_closed_ends_the_program()
    {
        Date_Time_Screen *clock = nullptr;
        const auto exec_with = [](const std::function<void()> &steps) {
            QTimer::singleShot(patience_ms, qApp, [] { QCoreApplication::exit(99); });
            QTimer::singleShot(0, qApp, steps);
            return QApplication::exec(); // 99 if the program did not end by itself
        };
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
