// SPDX-License-Identifier: GPL-3.0-or-later
#include "chime_bank.h"
#include "date_time_screen.h"
#include "fake_clock.h"
#include "output_capture.h"
#include "program_windows.h"

#include <QtTest>
#include <QtWidgets>
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
// tooltips, the refresh on the real timer, and the hourly chime.
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
        QCOMPARE(placed(screen), QRect(790, 640, 220, 40));
        QCOMPARE(screen->windowTitle(), QStringLiteral("Zelvane(Clock+)"));
        QVERIFY(screen->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        output.take_lines();
        int clicks = 0;
        for (const char *shown :
            {"2009.3.5|U no Tuki|220x40", "U no Tuki|March|220x40", "9:5:07|Me no koku|200x40",
                "Me no koku|9:5|160x40", "2009.3.5|U no Tuki|220x40"}) {
            if (clicks++)
                QTest::mouseClick(screen, Qt::LeftButton);
            QCOMPARE(look(screen), QString::fromLatin1(shown));
        }
        QCOMPARE(output.take_lines().join(' '),
            "buf_click_flag=1 buf_click_flag=2 buf_click_flag=3 buf_click_flag=0");

        QTest::mouseClick(screen, Qt::MiddleButton);
        QVERIFY(!window_of("Right_Menu"));
        QTest::mouseClick(screen, Qt::RightButton);
        QCOMPARE(placed(window_of("Right_Menu")).topLeft(), QPoint(660, 475));
        QCOMPARE(screen->text(), QStringLiteral("2009.3.5"));
        QCOMPARE(output.take_lines(), QStringList());
    }

    // Left alone, the clock turns to the next day on its refresh timer.
    void next_day_comes_at_midnight()
    {
        Fake_Clock clock(at(23, 59, 59, 400));
        clock.run_from(at(23, 59, 59, 400));
        const Date_Time_Screen *screen = clock_after_clicks(0);
        QCOMPARE(screen->text(), QStringLiteral("2009.3.5"));
        QTRY_COMPARE_WITH_TIMEOUT(screen->text(), QStringLiteral("2009.3.6"), 2500);
        QCOMPARE(screen->toolTip(), QStringLiteral("U no Tuki"));
    }

    void names_follow_the_month_and_the_hour()
    {
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
            Fake_Clock clock(row.moment);
            QCOMPARE(look(clock_after_clicks(row.clicks)).section('|', 0, 1), row.shown);
            delete_program_windows();
        }
    }

    void reads_the_local_time()
    {
        qputenv("TZ", "Asia/Tokyo");
        tzset();
        const Date_Time_Screen *screen = clock_after_clicks(2);
        const QTime shown = QTime::fromString(screen->text(), "h:m:ss");
        QVERIFY2(qAbs(shown.secsTo(QTime::currentTime())) <= 1, qPrintable(screen->text()));
    }

    // The seam runs on from just before a full hour, so the real timers meet
    // it within a second: one chime, of the hour's sound, in every display
    // once the time was shown (before that, and the seconds shown one after
    // another, see tst_clock_steps).
    void hour_struck_once_data()
    {
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("sound");
        QTest::newRow("noon, time display") << at(11, 59, 59, 300) << 2 << 12;
        QTest::newRow("13:00, period display") << at(12, 59, 59, 300) << 3 << 1;
        QTest::newRow("23:00, date display") << at(22, 59, 59, 300) << 4 << 11;
        QTest::newRow("midnight, month display") << at(23, 59, 59, 300) << 5 << 12;
    }

    void hour_struck_once()
    {
        QFETCH(QDateTime, start);
        QFETCH(int, clicks);
        QFETCH(int, sound);
        Fake_Clock clock(start);
        clock.run_from(start);
        Output_Capture output;
        Chime_Bank chimes;
        QSignalSpy rung(&chimes, &Chime_Bank::chime_requested);
        clock_after_clicks(clicks);
        // Past the hour's first seconds: a second chime would have come by now.
        QTest::qWait(3300 - int(start.msecsTo(clock.now())));
        QCOMPARE(rung.count(), 1);
        QCOMPARE(rung.at(0).at(0).toInt(), sound);
        QCOMPARE(output.text().count("jiho check ok\n"), 1);
    }
};

QTEST_MAIN(Tst_Clock)
#include "tst_clock.moc"
