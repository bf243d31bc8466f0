// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chime_bank.h"
#include "support/zelvane_test.h"

static Date_Time_Screen *clock_after_clicks(int clicks)
{
    auto *clock = new Date_Time_Screen;
    for (clock->show(); clicks > 0; --clicks)
        QTest::mouseClick(clock, Qt::LeftButton);
    return clock;
}

// What the clock shows: its text, its tooltip and its size.
static QString look(const QLabel *clock)
{
    const auto number = [](int n) { return QString::number(n); };
    return QStringLiteral("%1|%2|%3x%4")
        .arg(clock->text(), clock->toolTip(), number(clock->width()), number(clock->height()));
}

// The clock's four displays and its hourly chime, through real clicks and the
// real refresh and chime timers.
class Tst_Clock : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { take_down_clocks(); }

    void four_displays_step_on_left_clicks()
    {
        stand_clock_at(QDateTime(QDate(2009, 3, 5), QTime(9, 5, 7)));
        Date_Time_Screen *clock = clock_after_clicks(0);
        QVERIFY(clock->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        Output_Capture output;
        QStringList shown {look(clock)};
        for (int click = 0; click < 4; ++click) {
            QTest::mouseClick(clock, Qt::LeftButton);
            shown << look(clock);
        }
        QCOMPARE(shown.join(' '),
            "2009.3.5|U no Tuki|220x40 U no Tuki|March|220x40 9:5:07|Me no koku|200x40 Me no "
            "koku|9:5|160x40 2009.3.5|U no Tuki|220x40");
        QCOMPARE(output.take_lines().join(' '),
            "buf_click_flag=1 buf_click_flag=2 buf_click_flag=3 buf_click_flag=0");
    }

    // The names of the months and of the two-hour periods: after so many
    // clicks at that moment, the text and the tooltip.
    void names_of_months_and_periods_data()
    {
        table_data(R"(
January|1|Usi no Tuki|January|2010-01-09T12:00
August|1|Saru no Tuki|August |2010-08-09T12:00
October|0|2010.10.9|inu no Tuki|2010-10-09T12:00
December|1|Ne no Tuki|December|2010-12-09T12:00
23:00|3|Ne no koku|23:0|2009-03-05T23:00
0:30|3|Ne no koku|0:30|2009-03-05T00:30
1:00|3|Ushi no koku|1:0|2009-03-05T01:00
5:00|2|5:0:00|U no koku|2009-03-05T05:00
12:59:59|3|Uma no koku|12:59|2009-03-05T12:59:59
14:10:03|2|14:10:03|Hituji no koku|2009-03-05T14:10:03
19:00|3|Inu no koku|19:0|2009-03-05T19:00
22:59:59|3|i no koku|22:59|2009-03-05T22:59:59)");
    }
    void names_of_months_and_periods()
    {
        QFETCH(QStringList, row);
        stand_clock_at(QDateTime::fromString(row[4], Qt::ISODate));
        QCOMPARE(
            look(clock_after_clicks(row[1].toInt())).section('|', 0, 1), row[2] + '|' + row[3]);
    }

    // The wall clock is the system's plus an offset, stepped back and forth
    // across full hours as a user or NTP might. Once the time was shown, each
    // display strikes every hour once, in its first seconds.
    void every_hour_shown_strikes_once_whatever_the_clock_does()
    {
        // Left to itself, the clock shows the local time (CTest runs this in Tokyo).
        Date_Time_Screen *local = clock_after_clicks(2);
        QVERIFY2(qAbs(QTime::fromString(local->text(), "h:m:ss").secsTo(QTime::currentTime())) <= 1,
            qPrintable(local->text()));
        delete local;
        qint64 offset_ms = 0;
        Time_Source::set_reader([&] { return QDateTime::currentDateTime().addMSecs(offset_ms); });
        Output_Capture output;
        Chime_Bank chimes;
        QSignalSpy rung(&chimes, &Chime_Bank::chime_requested);
        Date_Time_Screen *clock = clock_after_clicks(0);
        QStringList seen;
        QTimer watch; // what the clock shows, as it changes
        connect(&watch, &QTimer::timeout, [&] { seen << clock->text(); });
        watch.start(5);
        // Steps the clock to hh:59:59 (or that second of the hour) on a day
        // of March 2009, on a whole second; returns the second to come.
        const auto step_to = [&](int hour, int day = 5, int second = 3599) {
            seen = QStringList {clock->text()};
            const QDateTime real = QDateTime::currentDateTime(),
                            end(QDate(2009, 3, day), QTime(hour, 0).addSecs(second));
            offset_ms = real.msecsTo(end) + real.time().msec();
            return end.addSecs(1);
        };
        const auto wait_past = [](const QDateTime &moment, int ms = 300) {
            WAIT_FOR(Time_Source::now() >= moment.addMSecs(ms));
        };

        wait_past(step_to(11)); // noon passes before the time was ever shown: silent
        // Midnight with this clock turned to the time display and three new
        // ones in the period, date and month displays.
        const QDateTime midnight = step_to(23, 4);
        QTest::mouseClick(clock, Qt::LeftButton);
        QTest::mouseClick(clock, Qt::LeftButton);
        const QList<Date_Time_Screen *> others {
            clock_after_clicks(3), clock_after_clicks(4), clock_after_clicks(5)};
        QCOMPARE(others[1]->text(), QStringLiteral("2009.3.4"));
        wait_past(midnight, 2500); // every second shown once, from the first of the day
        seen.removeDuplicates();
        QCOMPARE(seen.mid(seen.indexOf("0:0:00"), 3), QStringList({"0:0:00", "0:0:01", "0:0:02"}));
        QCOMPARE(others[1]->text(), QStringLiteral("2009.3.5"));
        qDeleteAll(others);
        wait_past(step_to(12)); // 13:00
        wait_past(step_to(12)); // set back: 13:00 again
        wait_past(step_to(10)); // further back: 11:00, never struck yet
        wait_past(step_to(12)); // forward again: 13:00 once more
        wait_past(step_to(23, 4)); // a day back: midnight once more
        wait_past(step_to(16, 5, 30)); // into 16:00:30, past the hour's first seconds: silent
        wait_past(step_to(16, 5, 59)); // and into 16:01
        QCOMPARE(rung, QList<QVariantList>({{12}, {12}, {12}, {12}, {1}, {11}}));
        QCOMPARE(output.take_lines().count("jiho check ok"), 6);
    }
};

QTEST_MAIN(Tst_Clock)
#include "tst_clock.moc"
