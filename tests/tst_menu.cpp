// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarm_timer.h"
#include "display_blinker.h"
#include "gadget_test.h"

namespace {
// Runs the event loop as main does, with steps taken from inside it; 99 if
// the program did not end by itself within five seconds.
int exec_with(const std::function<void()> &steps)
{
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); });
    QTimer::singleShot(0, qApp, steps);
    return QApplication::exec();
}
} // namespace

// The feature menu and the windows it opens, through real clicks.
class Tst_Menu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QDir::setCurrent(QStringLiteral(ZELVANE_RUN_DIR)); }
    void cleanup() { delete_program_windows(); }

    void every_button_opens_its_window_in_place()
    {
        const struct
        {
            const char *button, *window, *title;
            QPoint place; // null: where the window system puts it
            QSize size; // invalid: the window's own
            bool on_top;
        } rows[] = {
            {"calender_button", "Calender_Show", "", {900, 120}, {}, true},
            {"maxim_button", "Main_Maxim_Screen", "Select maxim menu", {560, 400}, {}, false},
            {"timer_button", "Alarm_Timer", "Alrm Timer screen", {660, 545}, {200, 60}, true},
            {"omikuji_button", "Config_Mini_Omikuji", "Zelvane Uranai Config", {500, 420},
                {400, 200}, false},
            {"help_button", "Help_Screen", "How to use screen", {}, {460, 560}, true},
            {"version_button", "Version_Screen", "Version screen", {530, 460}, {400, 210}, false},
        };
        Date_Time_Screen *screen = nullptr;
        QWidget *menu = open_menu(screen);
        QCOMPARE(placed(menu), QRect(660, 475, 260, 150));
        QCOMPARE(menu->windowTitle(), QStringLiteral("Right click menu"));
        QMap<int, QString> labels; // top to bottom
        for (QPushButton *button : menu->findChildren<QPushButton *>())
            labels.insert(button->y(), button->text());
        QCOMPARE(labels.values().join('|'),
            "Calender|maxim Today|Known Timer|mini omikuji|Help|Version|Close menu|Quit");
        for (const auto &row : rows) {
            press(open_menu(screen), row.button);
            QWidget *window = window_of(row.window);
            QVERIFY2(window && !window_of("Right_Menu"), row.window);
            QCOMPARE(window->windowTitle(), QString::fromUtf8(row.title));
            QCOMPARE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint), row.on_top);
            QVERIFY(row.place.isNull() || window->pos() == row.place);
            QVERIFY(!row.size.isValid() || window->size() == row.size);
        }
        press(open_menu(screen), "close_menu_button");
        QVERIFY(!window_of("Right_Menu"));

        QWidget *version = window_of("Version_Screen");
        QMap<int, QString> lines; // top to bottom
        for (QLabel *line : version->findChildren<QLabel *>())
            lines.insert(line->mapTo(version, QPoint()).y(), line->text());
        QCOMPARE(lines.values().mid(0, 3).join('|'),
            "Soft name:Zelvane|Version:version 1.00|Author:The Zelvane developers");
        QCOMPARE(lines.values().at(4), QStringLiteral("E-mail: zelvane@example.org"));
        press(version, "ok_button");
        QVERIFY(!version->isVisible());
    }

    // Presets and start, stop and reset by clicks; at 0 the bell and the
    // blinking. The ticks run on the real timer, shortened.
    void countdown_through_its_cycle()
    {
        Alarm_Timer::tick_interval_ms = 300;
        Date_Time_Screen *screen = nullptr;
        press(open_menu(screen), "timer_button");
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
        QTRY_COMPARE_WITH_TIMEOUT(countdown->intValue(), 58, 1000);
        click(Qt::LeftButton, 58); // locked while counting
        click(Qt::RightButton, 58);
        QTest::qWait(400);
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

        // Closed while counting: shown again it holds 60, locked until a stop.
        click(Qt::RightButton, 60);
        QTRY_COMPARE_WITH_TIMEOUT(countdown->intValue(), 59, 1000);
        countdown->close();
        countdown->show();
        click(Qt::LeftButton, 60);
        click(Qt::RightButton, 60);
        click(Qt::LeftButton, 180);
        QCOMPARE(output.take_lines().filter("mode_flag=").join(' '), "mode_flag=0 mode_flag=1");

        // Reset, 60 s chosen and started: one bell, sound 1, on the tick that
        // shows 0, then the display blinks.
        Alarm_Timer::tick_interval_ms = 5;
        Chime_Bank chimes;
        QList<QPoint> bells; // (sound, number shown when it was asked for)
        connect(&chimes, &Chime_Bank::chime_requested, countdown,
            [&](int sound) { bells.append(QPoint(sound, countdown->intValue())); });
        const QColor face = countdown->palette().color(QPalette::Window);
        const auto inverted
            = [&] { return countdown->palette().color(QPalette::WindowText) == face; };
        auto *blinking = countdown->findChild<QTimer *>(QStringLiteral("blink_timer"));
        for (auto button : {Qt::RightButton, Qt::LeftButton, Qt::LeftButton})
            QTest::mouseClick(countdown, button);
        QCOMPARE(countdown->intValue(), 60);
        QVERIFY(bells.isEmpty() && !blinking->isActive() && !inverted());
        QTest::mouseClick(countdown, Qt::RightButton);
        QTRY_COMPARE(bells, QList<QPoint>({QPoint(1, 0)}));
        QCOMPARE(output.take_lines().filter(QStringLiteral("change time")).last(),
            QStringLiteral("change time ONE MINUTE buf_time = 0,mode_flag = 1"));
        QTRY_VERIFY(!inverted());
        QTRY_VERIFY(inverted());
        // A click ends the blinking and does what it always does: this one stops.
        QTest::mouseClick(countdown, Qt::RightButton);
        QVERIFY(!blinking->isActive() && !inverted());
        // Left alone, the blinking ends by itself; the count stays expired at 0.
        Display_Blinker::limit_ms = 400;
        QTest::mouseClick(countdown, Qt::RightButton);
        QTest::mouseClick(countdown, Qt::RightButton);
        QTRY_COMPARE(bells, QList<QPoint>({QPoint(1, 0), QPoint(1, 0)}));
        QTRY_VERIFY(!blinking->isActive());
        QVERIFY(!inverted() && countdown->intValue() == 0);
    }

    void quit_ends_the_program_whatever_is_open()
    {
        Date_Time_Screen *screen = nullptr;
        QCOMPARE(exec_with([&screen] {
            for (const char *button : {"calender_button", "maxim_button", "timer_button",
                     "omikuji_button", "help_button", "version_button", "quit_button"})
                press(open_menu(screen), button);
        }),
            0);
    }

    // Closed, the version screen shows again; closing the clock and then it
    // (with OK), the last window, ends the program.
    void closing_the_last_window_ends_the_program()
    {
        Date_Time_Screen *screen = nullptr;
        QCOMPARE(exec_with([&screen] {
            press(open_menu(screen), "version_button");
            window_of("Version_Screen")->close();
            press(open_menu(screen), "version_button");
            screen->close();
            press(window_of("Version_Screen"), "ok_button");
        }),
            0);
    }

    void calendar_and_help_keep_their_ways()
    {
        Fake_Clock clock(QDateTime(QDate(2009, 3, 5), QTime(23, 59, 59)));
        Date_Time_Screen *screen = nullptr;
        press(open_menu(screen), "calender_button");
        auto *calendar = qobject_cast<QCalendarWidget *>(window_of("Calender_Show"));
        QVERIFY(calendar->isGridVisible() && calendar->isNavigationBarVisible());
        QCOMPARE(calendar->selectedDate(), QDate(2009, 3, 5));
        QTest::mouseClick(
            calendar->findChild<QToolButton *>("qt_calendar_nextmonth"), Qt::LeftButton);
        calendar->close();
        clock.set(QDateTime(QDate(2009, 3, 6), QTime(0, 0, 1)));
        press(open_menu(screen), "calender_button");
        QCOMPARE(calendar->selectedDate(), QDate(2009, 3, 5));
        QCOMPARE(calendar->monthShown(), 4);

        press(open_menu(screen), "help_button");
        auto *help = qobject_cast<QTextBrowser *>(window_of("Help_Screen"));
        QCOMPARE(help->source().fileName(), QStringLiteral("index.html"));
        QVERIFY(help->toPlainText().size() > 100);
        QTest::keyClick(help, Qt::Key_Tab);
        QTest::keyClick(help, Qt::Key_Return);
        QCOMPARE(help->source().fileName(), QStringLiteral("clock.html"));
        help->close();
        press(open_menu(screen), "help_button");
        QCOMPARE(help->source().fileName(), QStringLiteral("index.html"));
    }
};

QTEST_MAIN(Tst_Menu)
#include "tst_menu.moc"
