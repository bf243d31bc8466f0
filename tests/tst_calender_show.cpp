// SPDX-License-Identifier: GPL-3.0-or-later
#include "calender_show.h"
#include "fake_clock.h"

#include <QtTest>

class Tst_Calender_Show : public QObject
{
    Q_OBJECT

private slots:
    void opens_on_the_start_up_date();
    void keeps_the_month_the_user_left_it_on();
};

void Tst_Calender_Show::opens_on_the_start_up_date()
{
    Fake_Clock clock(QDateTime(QDate(2009, 3, 5), QTime(23, 59, 58)));
    Calender_Show calendar;
    // Opened after midnight, it still shows the day it was made on.
    clock.set(QDateTime(QDate(2009, 3, 6), QTime(0, 0, 5)));
    calendar.show();
    QCOMPARE(calendar.selectedDate(), QDate(2009, 3, 5));
    QCOMPARE(calendar.yearShown(), 2009);
    QCOMPARE(calendar.monthShown(), 3);
    QVERIFY(calendar.isGridVisible());
    QVERIFY(calendar.isNavigationBarVisible());
    QCOMPARE(calendar.pos(), QPoint(900, 120));
    QVERIFY(calendar.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(calendar.windowFlags().testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(calendar.isWindow());
}

void Tst_Calender_Show::keeps_the_month_the_user_left_it_on()
{
    Fake_Clock clock(QDateTime(QDate(2011, 12, 24), QTime(10, 0)));
    Calender_Show calendar;
    calendar.show();
    calendar.showNextMonth();
    QCOMPARE(calendar.yearShown(), 2012);
    QCOMPARE(calendar.monthShown(), 1);
    QVERIFY(calendar.close());
    QVERIFY(!calendar.isVisible());
    calendar.show();
    QCOMPARE(calendar.yearShown(), 2012);
    QCOMPARE(calendar.monthShown(), 1);
    QCOMPARE(calendar.selectedDate(), QDate(2011, 12, 24));
}

QTEST_MAIN(Tst_Calender_Show)
#include "tst_calender_show.moc"
