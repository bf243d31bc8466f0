// SPDX-License-Identifier: GPL-3.0-or-later
#include "time_names.h"

#include <QTime>
#include <QtTest>

class Tst_Time_Names : public QObject
{
    Q_OBJECT

private slots:
    void month_names_data();
    void month_names();
    void month_outside_the_year_is_empty();
    void period_at_every_hour_boundary_data();
    void period_at_every_hour_boundary();
    void chime_for_every_hour();
};

void Tst_Time_Names::month_names_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("traditional");
    QTest::addColumn<QString>("english");
    const char *rows[12][2] = {
        {"Usi no Tuki", "January"},
        {"Tora no Tuki", "February"},
        {"U no Tuki", "March"},
        {"Tatu no Tuki", "April"},
        {"Mi no Tuki", "May"},
        {"Uma no Tuki", "June"},
        {"Hituji no Tuki", "July"},
        {"Saru no Tuki", "August "},
        {"Tori no Tuki", "September"},
        {"inu no Tuki", "October"},
        {"I no Tuki", "November"},
        {"Ne no Tuki", "December"},
    };
    for (int m = 1; m <= 12; ++m)
        QTest::addRow("%d", m) << m << QString::fromLatin1(rows[m - 1][0])
                               << QString::fromLatin1(rows[m - 1][1]);
}

void Tst_Time_Names::month_names()
{
    QFETCH(int, month);
    QFETCH(QString, traditional);
    QFETCH(QString, english);
    QCOMPARE(QString::fromLatin1(Time_Names::month_traditional(month)), traditional);
    QCOMPARE(QString::fromLatin1(Time_Names::month_english(month)), english);
}

void Tst_Time_Names::month_outside_the_year_is_empty()
{
    for (int month : {0, 13, -1, 1000}) {
        QCOMPARE(QString::fromLatin1(Time_Names::month_traditional(month)), QString());
        QCOMPARE(QString::fromLatin1(Time_Names::month_english(month)), QString());
    }
}

void Tst_Time_Names::period_at_every_hour_boundary_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("period");
    const char *names[12] = {"Ne no koku", "Ushi no koku", "Tora no koku", "U no koku",
        "Tatu no koku", "Me no koku", "Uma no koku", "Hituji no koku", "Saru no koku",
        "Tori no koku", "Inu no koku", "i no koku"};
    // Each period starts at an odd hour; check its first and last moment, and
    // the last moment of the hour before it.
    for (int k = 0; k < 12; ++k) {
        const int first_hour = (2 * k + 23) % 24;
        const QString name = QString::fromLatin1(names[k]);
        QTest::addRow("%02d:00:00", first_hour) << QTime(first_hour, 0) << name;
        QTest::addRow("%02d:59:59", (first_hour + 1) % 24)
            << QTime((first_hour + 1) % 24, 59, 59, 999) << name;
        QTest::addRow("%02d:59:59 before", (first_hour + 23) % 24)
            << QTime((first_hour + 23) % 24, 59, 59) << QString::fromLatin1(names[(k + 11) % 12]);
    }
    QTest::newRow("midnight") << QTime(0, 0) << QStringLiteral("Ne no koku");
    QTest::newRow("half past midnight") << QTime(0, 30) << QStringLiteral("Ne no koku");
}

void Tst_Time_Names::period_at_every_hour_boundary()
{
    QFETCH(QTime, time);
    QFETCH(QString, period);
    QCOMPARE(QString::fromLatin1(Time_Names::period(time)), period);
}

void Tst_Time_Names::chime_for_every_hour()
{
    const int expected[24]
        = {12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    for (int hour = 0; hour < 24; ++hour)
        QCOMPARE(Time_Names::chime_sound(hour), expected[hour]);
}

QTEST_GUILESS_MAIN(Tst_Time_Names)
#include "tst_time_names.moc"
