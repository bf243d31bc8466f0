// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chime_bank.h"
#include "core/time_source.h"
#include "support/zelvane_test.h"

#include <ctime>

namespace {
// What the clock shows: its text, its tooltip, its place and size.
QString shown(const QLabel *clock)
{
    return clock->text() + '|' + clock->toolTip() + '|' + look(clock);
}

Date_Time_Screen *clock_after_clicks(int clicks)
{
    auto *clock = new Date_Time_Screen;
    clock->show();
    while (clicks-- > 0)
        QTest::mouseClick(clock, Qt::LeftButton);
    return clock;
}
} // namespace

// The clock as its user sees and hears it: its four displays stepped by real
// clicks, and its hourly chime struck by its own timers. The names of the
// months and periods are the languages' walk's.
class Tst_Clock : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { take_down_clocks(); }

    // Left presses step through the displays; the other buttons change none.
    void four_displays_step_on_left_clicks()
    {
        stand_clock_at(QDateTime(QDate(2009, 3, 5), QTime(9, 5, 7)));
        Output_Capture output;
        Date_Time_Screen *clock = clock_after_clicks(0);
        QStringList seen {shown(clock)};
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::MiddleButton, Qt::RightButton,
                 Qt::LeftButton, Qt::LeftButton, Qt::LeftButton})
            QTest::mouseClick(clock, button), seen << shown(clock);
        QCOMPARE(seen.join('\n'), R"(2009.3.5|U no Tuki|790,640 220x40 on top
U no Tuki|March|790,640 220x40 on top
U no Tuki|March|790,640 220x40 on top
U no Tuki|March|790,640 220x40 on top
9:5:07|Me no koku|790,640 200x40 on top
Me no koku|9:5|790,640 160x40 on top
2009.3.5|U no Tuki|790,640 220x40 on top)");
        QCOMPARE(output.take_lines().join(' '),
            "buf_click_flag=1 buf_click_flag=2 buf_click_flag=3 buf_click_flag=0");
        QVERIFY(window_of("Right_Menu"));
    }

    // The wall clock is the system's plus an offset, stepped back and forth
    // across full hours as a user or NTP might. Once the time was shown, each
    // display strikes every hour once, in its first seconds.
    void every_hour_shown_strikes_once_whatever_the_clock_does()
    {
        // Left to itself, the clock shows the local time.
        const std::optional<QByteArray> zone
            = qEnvironmentVariableIsSet("TZ") ? std::optional(qgetenv("TZ")) : std::nullopt;
        const auto restore_zone = qScopeGuard([&] {
            zone ? qputenv("TZ", *zone) : qunsetenv("TZ");
            tzset();
        });
        qputenv("TZ", "Asia/Tokyo");
        tzset();
        const QTime before = QTime::currentTime();
        const QTime local = QTime::fromString(clock_after_clicks(2)->text(), "h:m:ss");
        QVERIFY(local >= before.addMSecs(-before.msec()) && local <= QTime::currentTime());
        take_down_clocks();

        qint64 offset_ms = 0;
        Time_Source::set_reader([&] { return QDateTime::currentDateTime().addMSecs(offset_ms); });
        Output_Capture output;
        Chime_Bank chimes;
        QSignalSpy rung(&chimes, &Chime_Bank::chime_requested);
        Date_Time_Screen *clock = clock_after_clicks(0);
        // What the clock shows, looked at every few milliseconds. In the time
        // display a look may fall between a second's start and its refresh,
        // but two looks in a row never do.
        QStringList seen;
        int late = 0, late_most = 0;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            seen << clock->text();
            late = clock->text() == Time_Source::now().toString("h:m:ss") ? 0 : late + 1;
            late_most = qMax(late, late_most);
        });
        watch.start(5);
        // Steps the clock to a moment, keeping the milliseconds; or to the
        // second before a moment of March 2009 and lets it come, with so many
        // chimes rung by then.
        const auto step_to = [&](const QDateTime &moment) {
            const QDateTime real = QDateTime::currentDateTime();
            offset_ms = real.msecsTo(moment) + real.time().msec();
        };
        const auto pass = [&](int day, int hour, int minute, int chimes_by_then) {
            const QDateTime moment(QDate(2009, 3, day), QTime(hour, minute));
            step_to(moment.addSecs(-1));
            WAIT_FOR(Time_Source::now() >= moment.addMSecs(300));
            WAIT_COMPARE(rung.size(), chimes_by_then);
        };

        pass(5, 12, 0, 0); // noon passes before the time was ever shown: silent
        // Midnight with three new clocks in the period, date and month
        // displays and this one turned to the time display.
        step_to(QDateTime(QDate(2009, 3, 4), QTime(23, 59, 57)));
        const QList<Date_Time_Screen *> others {
            clock_after_clicks(3), clock_after_clicks(4), clock_after_clicks(5)};
        QCOMPARE(others[1]->text(), QStringLiteral("2009.3.4"));
        QTest::mouseClick(clock, Qt::LeftButton);
        QTest::mouseClick(clock, Qt::LeftButton);
        late_most = late = 0;
        seen.clear();
        WAIT_FOR(seen.contains("0:0:02"));
        QVERIFY2(late_most <= 1, qPrintable(QString::number(late_most)));
        seen.removeDuplicates(); // every second shown once, from the first of the day
        QCOMPARE(seen.mid(seen.indexOf("0:0:00")), QStringList({"0:0:00", "0:0:01", "0:0:02"}));
        WAIT_COMPARE(others[1]->text(), QStringLiteral("2009.3.5"));
        WAIT_COMPARE(rung.size(), 4);
        qDeleteAll(others);
        pass(5, 13, 0, 5); // 13:00
        pass(5, 13, 0, 5); // set back: 13:00 again
        pass(5, 11, 0, 6); // further back: 11:00, never struck yet
        pass(5, 13, 0, 6); // forward again: 13:00 once more
        pass(5, 0, 0, 6); // a day back: midnight once more
        pass(5, 14, 1, 6); // into the first seconds of a minute past an hour not struck
        QCOMPARE(rung, QList<QVariantList>({{12}, {12}, {12}, {12}, {1}, {11}}));
        QCOMPARE(output.take_lines().count("jiho check ok"), 6);
    }
};

QTEST_MAIN(Tst_Clock)
#include "tst_clock.moc"
