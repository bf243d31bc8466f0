// SPDX-License-Identifier: GPL-3.0-or-later
#include "chime_bank.h"
#include "date_time_screen.h"
#include "output_capture.h"
#include "time_source.h"

#include <QtTest>

// The clock's own timers run for real; the wall clock is the system's plus an
// offset, stepped back and forth across full hours as a user or NTP might.
class Tst_Clock_Steps : public QObject
{
    Q_OBJECT

private slots:
    void every_hour_shown_strikes_once_whatever_the_clock_does();
};

void Tst_Clock_Steps::every_hour_shown_strikes_once_whatever_the_clock_does()
{
    qint64 offset_ms = 0;
    Time_Source::set_reader([&] { return QDateTime::currentDateTime().addMSecs(offset_ms); });
    Output_Capture output;
    Chime_Bank chimes;
    QSignalSpy rung(&chimes, &Chime_Bank::chime_requested);
    Date_Time_Screen screen;
    QStringList seen;
    QTimer watch;
    connect(&watch, &QTimer::timeout, [&] {
        if (seen.last() != screen.text())
            seen << screen.text();
    });
    watch.start(5);
    // Steps the clock by whole seconds to hh:59:59 on 5 March 2009 (or the day
    // before) and waits until hh+1:00:00.3 (or later): an hour comes and goes.
    const auto cross = [&](int hour, int day = 5, int until_ms = 300) {
        seen = QStringList {screen.text()};
        const QDateTime real = QDateTime::currentDateTime();
        offset_ms
            = real.msecsTo(QDateTime(QDate(2009, 3, day), QTime(hour, 59, 59, real.time().msec())));
        const QDateTime until
            = QDateTime(QDate(2009, 3, day), QTime(hour, 59, 59)).addMSecs(1000 + until_ms);
        QVERIFY(QTest::qWaitFor([&] { return Time_Source::now() >= until; }, 4000));
    };

    cross(11); // noon passes before the time was ever shown: silent
    QCOMPARE(rung.count(), 0);
    QTest::mouseClick(&screen, Qt::LeftButton);
    QTest::mouseClick(&screen, Qt::LeftButton);
    cross(12, 5, 2300); // every second shown once, from the first of the hour
    QCOMPARE(seen.mid(seen.indexOf("13:0:00")), QStringList({"13:0:00", "13:0:01", "13:0:02"}));
    cross(12); // set back: 13:00 again
    cross(10); // further back: 11:00, never struck yet
    cross(12); // forward again: 13:00 once more
    cross(23, 4); // a day back: midnight
    QList<int> sounds;
    for (const QList<QVariant> &ring : rung)
        sounds << ring.at(0).toInt();
    QCOMPARE(sounds, QList<int>({1, 11, 12}));
    QCOMPARE(output.text().count(QStringLiteral("jiho check ok")), 3);
    Time_Source::set_reader({});
}

QTEST_MAIN(Tst_Clock_Steps)
#include "tst_clock_steps.moc"
