// SPDX-License-Identifier: GPL-3.0-or-later
#include "chime_bank.h"
#include "chime_schedule.h"
#include "date_time_screen.h"
#include "fake_clock.h"
#include "output_capture.h"
#include "time_names.h"

#include <QRandomGenerator>
#include <QSoundEffect>
#include <QtTest>

class Tst_Chime : public QObject
{
    Q_OBJECT

private slots:
    void rings_once_at_the_full_hour_data();
    void rings_once_at_the_full_hour();
    void late_tick_still_rings_within_grace();
    void forty_eight_hours_of_jittering_ticks();
    void bank_plays_the_twelve_files_from_the_working_directory();
};

void Tst_Chime::rings_once_at_the_full_hour_data()
{
    QTest::addColumn<QTime>("tick");
    QTest::addColumn<int>("sound");
    QTest::newRow("noon") << QTime(12, 0, 0) << 12;
    QTest::newRow("midnight") << QTime(0, 0, 0) << 12;
    QTest::newRow("13:00") << QTime(13, 0, 0) << 1;
    QTest::newRow("23:00") << QTime(23, 0, 0) << 11;
    QTest::newRow("12:30 never rings") << QTime(12, 30, 0) << 0;
    QTest::newRow("12:00:03 is too late") << QTime(12, 0, 3) << 0;
    QTest::newRow("11:59:59 is too early") << QTime(11, 59, 59, 999) << 0;
}

void Tst_Chime::rings_once_at_the_full_hour()
{
    QFETCH(QTime, tick);
    QFETCH(int, sound);
    Fake_Clock clock(QDateTime(QDate(2009, 3, 5), tick));
    Output_Capture output;
    Chime_Bank chimes;
    QSignalSpy rung(&chimes, &Chime_Bank::chime_requested);
    Date_Time_Screen screen;
    // Building the window tree prints its own trace lines; they are not this test's matter.
    output.take_lines();

    screen.jiho_check();
    if (sound == 0) {
        QCOMPARE(rung.count(), 0);
        QCOMPARE(output.take_lines(), QStringList());
        return;
    }
    QCOMPARE(rung.count(), 1);
    QCOMPARE(rung.at(0).at(0).toInt(), sound);
    QCOMPARE(output.take_lines(), QStringList({"jiho check ok"}));

    // A second tick in the same second, and one a second later, stay silent.
    screen.jiho_check();
    clock.advance_ms(1000);
    screen.jiho_check();
    QCOMPARE(rung.count(), 1);
    QCOMPARE(output.take_lines(), QStringList());
}

void Tst_Chime::late_tick_still_rings_within_grace()
{
    // Ticks at 11:59:59.990 and 12:00:01.010: the hour is rung by the second.
    Chime_Schedule schedule;
    const QDate day(2009, 3, 5);
    QCOMPARE(schedule.sound_due(QDateTime(day, QTime(11, 59, 59, 990))), 0);
    QCOMPARE(schedule.sound_due(QDateTime(day, QTime(12, 0, 1, 10))), 12);
    QCOMPARE(schedule.sound_due(QDateTime(day, QTime(12, 0, 2, 10))), 0);
    // The same hour on the next day is a new hour.
    QCOMPARE(schedule.sound_due(QDateTime(day.addDays(1), QTime(12, 0, 2, 999))), 12);
}

void Tst_Chime::forty_eight_hours_of_jittering_ticks()
{
    QRandomGenerator random(48);
    const QDateTime start(QDate(2009, 3, 5), QTime(10, 30, 0));
    Fake_Clock clock(start);
    Output_Capture output;
    Chime_Bank chimes;
    QSignalSpy rung(&chimes, &Chime_Bank::chime_requested);
    Date_Time_Screen screen;
    // Building the window tree prints its own trace lines; they are not this test's matter.
    output.take_lines();

    // Ticks about a second apart: some skip up to two seconds (and so now and
    // then hh:00:00), others come early so that two share a second. Every full
    // hour from 11:00 on must ring once, with its own chime.
    while (clock.now() < start.addSecs(48 * 3600)) {
        const int step
            = random.bounded(100) < 3 ? random.bounded(1500, 2100) : random.bounded(930, 1071);
        clock.advance_ms(step);
        screen.jiho_check();
    }

    QCOMPARE(rung.count(), 48);
    for (int n = 0; n < rung.count(); ++n)
        QCOMPARE(rung.at(n).at(0).toInt(), Time_Names::chime_sound((11 + n) % 24));
    QCOMPARE(output.take_lines(), QStringList(48, QStringLiteral("jiho check ok")));
}

void Tst_Chime::bank_plays_the_twelve_files_from_the_working_directory()
{
    Chime_Bank chimes;
    for (int n = 1; n <= 12; ++n) {
        QVERIFY(chimes.sound(n));
        QCOMPARE(chimes.sound(n)->source(),
            QUrl::fromLocalFile(
                QDir::current().absoluteFilePath(QStringLiteral("wave/jiho%1.wav").arg(n))));
    }
    QVERIFY(!chimes.sound(0));
    QVERIFY(!chimes.sound(13));

    // Numbers outside the dial ask for nothing.
    QSignalSpy rung(&chimes, &Chime_Bank::chime_requested);
    Chime_Bank::ring(0);
    Chime_Bank::ring(13);
    QCOMPARE(rung.count(), 0);
}

QTEST_MAIN(Tst_Chime)
#include "tst_chime.moc"
