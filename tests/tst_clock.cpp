// SPDX-License-Identifier: GPL-3.0-or-later
#include "gadget_test.h"

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
} // namespace

// The clock as its user sees and hears it: the four displays with their
// tooltips, the refresh and the hourly chime on the real timers.
class Tst_Clock : public QObject
{
    Q_OBJECT

private slots:
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

        QTest::mouseClick(screen, Qt::MiddleButton);
        QVERIFY(!window_of("Right_Menu"));
        QTest::mouseClick(screen, Qt::RightButton);
        QCOMPARE(placed(window_of("Right_Menu")).topLeft(), QPoint(660, 475));
        QCOMPARE(screen->text(), QStringLiteral("2009.3.5"));
        QCOMPARE(output.take_lines(), QStringList());

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
};

QTEST_MAIN(Tst_Clock)
#include "tst_clock.moc"
