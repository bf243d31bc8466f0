// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarm_timer.h"
#include "config_mini_omikuji.h"
#include "display_blinker.h"
#include "gadget_test.h"
#include "maxim_word.h"
#include "mini_omikuji.h"

#include <climits>
#include <cstdlib>
#include <ctime>

namespace {
QDateTime at(int hour, int minute, int second, int ms = 0, QDate day = {2009, 3, 5})
{
    return QDateTime(day, QTime(hour, minute, second, ms));
}

Date_Time_Screen *clock_after_clicks(int clicks)
{
    auto *screen = new Date_Time_Screen;
    screen->show();
    for (int n = 0; n < clicks; ++n)
        QTest::mouseClick(screen, Qt::LeftButton);
    return screen;
}

// What the clock shows: its text, its tooltip and its size.
QString look(const QLabel *clock)
{
    return QStringLiteral("%1|%2|%3x%4")
        .arg(clock->text(), clock->toolTip())
        .arg(clock->width())
        .arg(clock->height());
}

// Runs the event loop as main does, with steps taken from inside it; 99 if
// the program did not end by itself within five seconds.
int exec_with(const std::function<void()> &steps)
{
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); });
    QTimer::singleShot(0, qApp, steps);
    return QApplication::exec();
}

// The fortune table: for each grade, best first, its name and its study,
// love, money and trouble sayings.
const QStringList grade_rows = QString(R"(
Daikichi|Beleave my self|Take your pick|Lose something get anything|Thinking will work out all right
Chu kichi|feeling achivement|many chances|Only get out|Natural solve the probrem
shoukichi|effort the everyday|you close attention|extra income feel|Wait the help
Kichi|effort the everyday|Brush the my hurt is Kich|escape the suquare|Discretion is the better part of valor
Hankichi|Your efforts will pay off|your effort dipendents having is kichi|A standstill|You have to humility
Suekichi|Your efforts will pay off|you close attention|inconstancy|when calm down is kichi
Sue-shoukichi|Matters took a turn for the worth|It has beleave is kichi|you will bless the penny|pull step
Kyou|you have pure luck|Matters took a turn for the worth|small income,big outgo|when calm down is kichi
Shoukyou|injustice has taboo|you close attention|you will bless the penny|Only get out
Hankyou|survive for your self|it unexpected the encounter|Only get out|Natural solve the probrem
Suekyou|injustice has taboo|you can't be too ambitious|unexpect outgo is carefully|unruly
Daikyou|You need not expect|Lover alarm|outgo at great|Good luck)")
                                   .split('\n', Qt::SkipEmptyParts);

// Grade 1 to 12: its name and sayings.
QStringList grade(int number)
{
    return grade_rows.value(number - 1).split('|');
}

// The result's labels, top to bottom.
const QStringList result {
    "unsei_label", "study_label", "lover_label", "money_label", "trouble_label"};

// Start, a few draws, Stop; returns the slot the printed line names.
int draw(QWidget *drawing, Output_Capture &output, int running_ms = 250)
{
    press(drawing, "start_stop_button");
    QTest::qWait(running_ms);
    press(drawing, "start_stop_button");
    const QStringList lines = output.take_lines().filter(QStringLiteral("buf_r-1="));
    return lines.size() == 1 ? lines[0].mid(8).toInt() + 1 : -1;
}

// The number, heading and text a maxim window shows.
QString shown(QWidget *window)
{
    return texts(window, {"no_label", "heading_label", "heading_edit", "text_edit"});
}

bool enabled(QWidget *window, const char *button)
{
    return window->findChild<QPushButton *>(button)->isEnabled();
}

// Opens the maxim window chosen in the selection menu, reached from the clock.
QWidget *choose(Date_Time_Screen *&screen, const char *kind, const char *method, const char *window)
{
    press(open_menu(screen), "maxim_button");
    QWidget *selection = window_of("Main_Maxim_Screen");
    // On the indicator: a radio reacts to clicks on its mark and its text only.
    for (const char *radio : {kind, method})
        QTest::mouseClick(selection->findChild<QRadioButton *>(radio), Qt::LeftButton, {}, {8, 8});
    press(selection, "select_button");
    return selection->isVisible() ? nullptr : window_of(window);
}
} // namespace

// The gadget as its user sees and hears it, through real clicks and the real
// timers: the clock's four displays and its hourly chime, the feature menu
// and the windows it opens: the countdown, the calendar, the help, the
// version screen, the fortune drawing and the maxims.
class Tst_Gadget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QDir::setCurrent(QStringLiteral(ZELVANE_RUN_DIR)); }
    void cleanup() { delete_program_windows(); }

    void four_displays_step_on_left_clicks()
    {
        Fake_Clock clock(at(9, 5, 7));
        Output_Capture output;
        Date_Time_Screen *screen = clock_after_clicks(0);
        QVERIFY(screen->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        output.take_lines();
        QStringList shown {look(screen)};
        for (int click = 0; click < 4; ++click) {
            QTest::mouseClick(screen, Qt::LeftButton);
            shown << look(screen);
        }
        QCOMPARE(shown.join(' '),
            "2009.3.5|U no Tuki|220x40 U no Tuki|March|220x40 9:5:07|Me no koku|200x40 Me no "
            "koku|9:5|160x40 2009.3.5|U no Tuki|220x40");
        QCOMPARE(output.take_lines().join(' '),
            "buf_click_flag=1 buf_click_flag=2 buf_click_flag=3 buf_click_flag=0");

        // The other buttons never step the display.
        QTest::mouseClick(screen, Qt::MiddleButton);
        QTest::mouseClick(screen, Qt::RightButton);
        QCOMPARE(screen->text() + output.take_lines().join(' '), QStringLiteral("2009.3.5"));

        // The names of the months and of the two-hour periods.
        const auto month = [](int m) { return at(12, 0, 0, 0, QDate(2010, m, 9)); };
        const struct
        {
            QDateTime moment;
            int clicks;
            const char *shown;
        } rows[] = {{month(1), 1, "Usi no Tuki|January"}, {month(7), 1, "Hituji no Tuki|July"},
            {month(8), 1, "Saru no Tuki|August "}, {month(10), 0, "2010.10.9|inu no Tuki"},
            {month(11), 1, "I no Tuki|November"}, {month(12), 1, "Ne no Tuki|December"},
            {at(23, 0, 0), 3, "Ne no koku|23:0"}, {at(0, 30, 0), 3, "Ne no koku|0:30"},
            {at(1, 0, 0), 3, "Ushi no koku|1:0"}, {at(5, 0, 0), 2, "5:0:00|U no koku"},
            {at(12, 59, 59), 3, "Uma no koku|12:59"}, {at(14, 10, 3), 2, "14:10:03|Hituji no koku"},
            {at(19, 0, 0), 3, "Inu no koku|19:0"}, {at(22, 59, 59), 3, "i no koku|22:59"}};
        for (const auto &row : rows) {
            clock.set(row.moment);
            QCOMPARE(look(clock_after_clicks(row.clicks)).section('|', 0, 1), row.shown);
        }
    }

    void reads_the_local_time()
    {
        qputenv("TZ", "Asia/Tokyo");
        tzset();
        const QString shown = clock_after_clicks(2)->text();
        QVERIFY2(qAbs(QTime::fromString(shown, "h:m:ss").secsTo(QTime::currentTime())) <= 1,
            qPrintable(shown));
    }

    // The wall clock is the system's plus an offset, stepped back and forth
    // across full hours as a user or NTP might. Once the time was shown, each
    // display strikes every hour once, in its first seconds.
    void every_hour_shown_strikes_once_whatever_the_clock_does()
    {
        qint64 offset_ms = 0;
        Time_Source::set_reader([&] { return QDateTime::currentDateTime().addMSecs(offset_ms); });
        Output_Capture output;
        Chime_Bank chimes;
        QSignalSpy rung(&chimes, &Chime_Bank::chime_requested);
        Date_Time_Screen *screen = clock_after_clicks(0);
        QStringList seen;
        QTimer watch; // what the clock shows, as it changes
        connect(&watch, &QTimer::timeout, [&] { seen << screen->text(); });
        watch.start(5);
        // Steps the clock to hh:59:59 on a day of March 2009, on a whole
        // second; returns the full hour to come.
        const auto step_to = [&](int hour, int day = 5) {
            seen = QStringList {screen->text()};
            const QDateTime real = QDateTime::currentDateTime(),
                            end(QDate(2009, 3, day), QTime(hour, 59, 59));
            offset_ms = real.msecsTo(end) + real.time().msec();
            return end.addSecs(1);
        };
        const auto wait_past = [](const QDateTime &moment, int ms = 300) {
            QTRY_VERIFY_WITH_TIMEOUT(Time_Source::now() >= moment.addMSecs(ms), 4000);
        };

        wait_past(step_to(11)); // noon passes before the time was ever shown: silent
        // Midnight with this clock turned to the time display and three new
        // ones in the period, date and month displays.
        const QDateTime midnight = step_to(23, 4);
        QTest::mouseClick(screen, Qt::LeftButton);
        QTest::mouseClick(screen, Qt::LeftButton);
        const QList<Date_Time_Screen *> others {
            clock_after_clicks(3), clock_after_clicks(4), clock_after_clicks(5)};
        QCOMPARE(others[1]->text(), QStringLiteral("2009.3.4"));
        wait_past(midnight, 2300); // every second shown once, from the first of the day
        seen.removeDuplicates();
        QCOMPARE(seen.mid(seen.indexOf("0:0:00")), QStringList({"0:0:00", "0:0:01", "0:0:02"}));
        QCOMPARE(others[1]->text(), QStringLiteral("2009.3.5"));
        qDeleteAll(others);
        wait_past(step_to(12)); // 13:00
        wait_past(step_to(12)); // set back: 13:00 again
        wait_past(step_to(10)); // further back: 11:00, never struck yet
        wait_past(step_to(12)); // forward again: 13:00 once more
        wait_past(step_to(23, 4)); // a day back: midnight once more
        QCOMPARE(rung, QList<QVariantList>({{12}, {12}, {12}, {12}, {1}, {11}}));
        QCOMPARE(output.take_lines().count("jiho check ok"), 6);
        Time_Source::set_reader({});
    }

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

    void fortune_drawn_from_the_clock()
    {
        Output_Capture output;
        Date_Time_Screen *screen = nullptr;
        press(open_menu(screen), "omikuji_button");
        QWidget *config = window_of("Config_Mini_Omikuji");
        QCOMPARE(output.take_lines().filter("buf_uranai_result").join(' '),
            "buf_uranai_result[0]=0 buf_uranai_result[1]=0 buf_uranai_result[2]=0 "
            "buf_uranai_result[3]=0 buf_uranai_result[4]=0");

        // Rows labelled 5 down to 1 fill slots 4 down to 0; the top row's
        // list is left as it opens, on the best grade.
        const int chosen[5] = {3, 2, 8, 12, 1}; // grade per slot
        auto *top_list = config->findChild<QComboBox *>("row_combo_5");
        for (int row = 0; row < 12; ++row)
            QCOMPARE(top_list->itemText(row), grade(row + 1)[0]);
        for (int digit = 5; digit >= 1; --digit) {
            auto *list = config->findChild<QComboBox *>(QStringLiteral("row_combo_%1").arg(digit));
            for (int step = 1; step < chosen[digit - 1]; ++step)
                QTest::keyClick(list, Qt::Key_Down);
            QVERIFY(!config->findChild<QPushButton *>("check_button")->isEnabled());
            press(config, QStringLiteral("row_input_button_%1").arg(digit));
            QVERIFY(!list->isEnabled());
            QCOMPARE(texts(config, {QStringLiteral("row_label_%1").arg(digit)}),
                grade(chosen[digit - 1])[0]);
            QCOMPARE(output.take_lines().join(' '),
                QStringLiteral("buf_uranai_result[%1]=%2 click_count = %3")
                    .arg(digit - 1)
                    .arg(chosen[digit - 1])
                    .arg(6 - digit));
        }
        press(config, "check_button");
        press(config, "next_button");
        QWidget *drawing = window_of("Mini_Omikuji");
        QVERIFY(drawing && !config->isVisible());
        QCOMPARE(placed(drawing), QRect(500, 520, 100, 120));

        const int slot = draw(drawing, output);
        QVERIFY2(slot >= 0 && slot <= 4, qPrintable(QString::number(slot)));
        const QStringList drawn = grade(chosen[slot]);
        QCOMPARE(placed(drawing), QRect(500, 460, 280, 200));
        QCOMPARE(texts(drawing, result),
            QStringLiteral("%1|Study:%2|lover:%3|money:%4|trouble:%5")
                .arg(drawn[0], drawn[1], drawn[2], drawn[3], drawn[4]));
        press(drawing, "close_button");
        QVERIFY(!drawing->isVisible());
        QCOMPARE(placed(drawing), QRect(500, 520, 120, 130));

        // A slot that holds no grade has no fortune to show.
        for (int &grade_in_slot : static_cast<Mini_Omikuji *>(drawing)->buf_uranai_result)
            grade_in_slot = 13;
        // Stopped before the first tick, the drawing takes the digit drawn at
        // the start: the first of the generator's sequence, 0 to 4.
        std::srand(7);
        const int digit = std::rand() % 5;
        std::srand(7);
        drawing->show();
        QCOMPARE(draw(drawing, output, 0), digit);
        QCOMPARE(texts(drawing, result), QStringLiteral("No fortune set||||"));
    }

    // The whole table, and grades outside it, which have no fortune.
    void table_by_grade()
    {
        const auto row_of = [](int grade) {
            return QStringList({Mini_Omikuji::Unsei_Name(grade), Mini_Omikuji::Study_Text(grade),
                Mini_Omikuji::Lover_Text(grade), Mini_Omikuji::Money_Text(grade),
                Mini_Omikuji::Trouble_Text(grade)});
        };
        for (int row = 0; row < 12; ++row) {
            QCOMPARE(row_of(row), grade(row + 1));
            QCOMPARE(Config_Mini_Omikuji::Unsei_Number(grade(row + 1)[0]), row + 1);
        }
        for (int outside : {INT_MIN, -1, 12, INT_MAX})
            QCOMPARE(row_of(outside).join(""), QString());
    }

    void chinese_maxims_read_forward_and_back()
    {
        Date_Time_Screen *screen = nullptr;
        QWidget *browser = choose(screen, "chinese_radio", "numeric_radio", "Maxim_Word");
        QCOMPARE(placed(browser), QRect(480, 360, 760, 280));
        QCOMPARE(browser->windowTitle(), QStringLiteral("Todays maxim"));
        Output_Capture output;
        QStringList read {shown(browser)};
        for (int n = 1; enabled(browser, "next_button"); ++n) {
            QCOMPARE(enabled(browser, "back_button"), n > 1);
            press(browser, "next_button");
            read << shown(browser);
            const QStringList lines = output.take_lines();
            const quint64 address = lines.value(0).section('=', 3).toULongLong();
            QCOMPARE(lines.join('|'),
                QStringLiteral("1.i=%1,i=%1,maxim+i=%2|2.i=%1,i=%1,maxim+i=%2|i=%1")
                    .arg(n)
                    .arg(address));
        }
        QCOMPARE(read.size(), 64);
        for (const char *entry : {"No=0|Hijyouhatokunomotonari|Kenjyou koso Toku no kihon de aru",
                 "No=20|Fuuki ni site kokyou ni kaerazaru ha syuu wo kite yoruikugagotosi|31seikou "
                 "nisite",
                 "No=27|Syakuroku no yo rutokoro hasonnbou no ki nari|43.syakuroku ha syakui to "
                 "houroku",
                 "No=61|syunnsyuu ni gisenn nasi|95 syuusyuujidaini seigino tatakaihanakatta",
                 "No=63|taiki ha bannseisu|97.kane ya kanae noyouna"})
            QCOMPARE(read[QString(entry).section('|', 0, 0).mid(3).toInt()], entry);
        // Headings and texts keep their line breaks.
        QCOMPARE(read[3].section('|', 1, 1).count('\n'), 1);
        QVERIFY(read[17].section('|', 1, 1).startsWith("Syou ni  kyu"));
        QVERIFY(read[2].section('|', 2).count("\n\n") == 2 && read[2].contains("\n\n sinjituno"));

        for (int n = 62; n >= 0; --n) {
            press(browser, "back_button");
            QCOMPARE(shown(browser), read[n]);
            QVERIFY(enabled(browser, "back_button") == (n > 0) && enabled(browser, "next_button"));
            QCOMPARE(output.take_lines().size(), 2);
        }
        press(browser, "next_button");
        press(browser, "close_button");
        QVERIFY(!browser->isVisible());
        QCOMPARE(choose(screen, "chinese_radio", "numeric_radio", "Maxim_Word"), browser);
        QCOMPARE(shown(browser), read[0]);
        QVERIFY(!enabled(browser, "back_button") && enabled(browser, "next_button"));
        QVERIFY(!choose(screen, "close_radio", "random_radio", "Maxim_Word_Rand"));
        QVERIFY(!window_of("Main_Maxim_Screen"));
    }

    void japanese_maxims_keep_their_place()
    {
        Date_Time_Screen *screen = nullptr;
        QWidget *browser = choose(screen, "japanese_radio", "numeric_radio", "Maxim_Word_Ja");
        QCOMPARE(placed(browser), QRect(630, 220, 500, 380));
        QCOMPARE(shown(browser), "No=0|1.Omoitukuhito|Hitto gaderuto");
        Output_Capture output;
        for (int n = 1; n < 40; ++n)
            press(browser, "next_button");
        QCOMPARE(shown(browser), "No=39|40Hito ga jibunn kara|Seikousiteru hito ha");
        QVERIFY(!enabled(browser, "next_button"));
        output.take_lines();
        press(browser, "back_button");
        QCOMPARE(output.take_lines().mid(2), QStringList({"i2=38"}));
        QCOMPARE(shown(browser).section('|', 1, 1), "39Sippai sitemo");
        press(browser, "close_button");
        QCOMPARE(choose(screen, "japanese_radio", "numeric_radio", "Maxim_Word_Ja"), browser);
        QVERIFY(shown(browser).startsWith("No=38|"));
    }

    // The Japanese window seeds from the time and draws first, the Chinese
    // window draws next from the same sequence; Close seeds again.
    void random_maxims_drawn_from_the_time()
    {
        const QDateTime moment(QDate(2009, 3, 5), QTime(9, 5, 8));
        Fake_Clock clock(moment);
        std::srand(unsigned(moment.toSecsSinceEpoch()));
        const int japanese = std::rand() % 40, chinese = std::rand() % 64;
        std::srand(unsigned(moment.toSecsSinceEpoch()));
        const int after_close = std::rand() % 64;

        Date_Time_Screen *screen = nullptr;
        QWidget *window = choose(screen, "chinese_radio", "random_radio", "Maxim_Word_Rand");
        QCOMPARE(placed(window), QRect(480, 360, 760, 280));
        Maxim_Word catalogue;
        for (int number : {chinese, after_close}) {
            QCOMPARE(shown(window),
                QStringLiteral("No=%1|%2|%3")
                    .arg(number)
                    .arg(catalogue.Get_Maxim_Text(number, 0), catalogue.Get_Maxim_Text(number, 1)));
            press(window, "close_button");
            QVERIFY(!window->isVisible());
            QCOMPARE(choose(screen, "chinese_radio", "random_radio", "Maxim_Word_Rand"), window);
        }
        window = choose(screen, "japanese_radio", "random_radio", "Maxim_Word_Rand_Ja");
        QCOMPARE(window->size(), QSize(500, 380));
        QVERIFY(shown(window).startsWith(QStringLiteral("No=%1|").arg(japanese)));
    }
};

QTEST_MAIN(Tst_Gadget)
#include "tst_gadget.moc"
