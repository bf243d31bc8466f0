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
QDateTime at(int hour, int minute, int second, int ms = 0, QDate day = QDate(2009, 3, 5))
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
} // namespace

// The clock as its user sees and hears it: the four displays with their
// tooltips, the refresh on the real timer, and the hourly chime.
class Tst_Clock : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { delete_program_windows(); }
    void four_displays_step_on_left_clicks();
    void names_follow_the_month_and_the_hour_data();
    void names_follow_the_month_and_the_hour();
    void reads_the_local_time();
    void hour_struck_once_data();
    void hour_struck_once();
    void seconds_follow_one_another();
};

void Tst_Clock::four_displays_step_on_left_clicks()
{
    Fake_Clock clock(at(9, 5, 7));
    Output_Capture output;
    Date_Time_Screen *screen = clock_after_clicks(0);
    QCOMPARE(screen->pos(), QPoint(790, 640));
    QCOMPARE(screen->windowTitle(), QStringLiteral("Zelvane(Clock+)"));
    QVERIFY(screen->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    output.take_lines();

    const struct
    {
        QSize size;
        const char *text, *tip;
    } displays[] = {{{220, 40}, "2009.3.5", "U no Tuki"}, {{220, 40}, "U no Tuki", "March"},
        {{200, 40}, "9:5:07", "Me no koku"}, {{160, 40}, "Me no koku", "9:5"}};
    for (int n = 0; n <= 4; ++n) {
        if (n > 0)
            QTest::mouseClick(screen, Qt::LeftButton);
        QCOMPARE(screen->text(), QString::fromLatin1(displays[n % 4].text));
        QCOMPARE(screen->toolTip(), QString::fromLatin1(displays[n % 4].tip));
        QCOMPARE(screen->size(), displays[n % 4].size);
    }
    QCOMPARE(output.take_lines(),
        QStringList(
            {"buf_click_flag=1", "buf_click_flag=2", "buf_click_flag=3", "buf_click_flag=0"}));

    // The refresh timer brings the next day without a click.
    clock.set(at(0, 0, 5, 0, QDate(2009, 3, 6)));
    QTRY_COMPARE_WITH_TIMEOUT(screen->text(), QStringLiteral("2009.3.6"), 2500);

    QTest::mouseClick(screen, Qt::MiddleButton);
    QWidget *menu = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        menu = window->inherits("Right_Menu") ? window : menu;
    QVERIFY(menu && !menu->isVisible());
    QTest::mouseClick(screen, Qt::RightButton, {}, QPoint(3, 3));
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), QPoint(660, 475));
    QCOMPARE(screen->text(), QStringLiteral("2009.3.6"));
    QCOMPARE(output.take_lines(), QStringList());
}

void Tst_Clock::names_follow_the_month_and_the_hour_data()
{
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tip");
    const auto month = [](int m) { return at(12, 0, 0, 0, QDate(2010, m, 9)); };
    QTest::newRow("January") << month(1) << 1 << "Usi no Tuki"
                             << "January";
    QTest::newRow("July") << month(7) << 1 << "Hituji no Tuki"
                          << "July";
    QTest::newRow("August") << month(8) << 1 << "Saru no Tuki"
                            << "August ";
    QTest::newRow("October") << month(10) << 0 << "2010.10.9"
                             << "inu no Tuki";
    QTest::newRow("November") << month(11) << 1 << "I no Tuki"
                              << "November";
    QTest::newRow("December") << month(12) << 1 << "Ne no Tuki"
                              << "December";
    QTest::newRow("23:00") << at(23, 0, 0) << 3 << "Ne no koku"
                           << "23:0";
    QTest::newRow("0:30") << at(0, 30, 0) << 3 << "Ne no koku"
                          << "0:30";
    QTest::newRow("1:00") << at(1, 0, 0) << 3 << "Ushi no koku"
                          << "1:0";
    QTest::newRow("5:00") << at(5, 0, 0) << 2 << "5:0:00"
                          << "U no koku";
    QTest::newRow("12:59") << at(12, 59, 59) << 3 << "Uma no koku"
                           << "12:59";
    QTest::newRow("14:10") << at(14, 10, 3) << 2 << "14:10:03"
                           << "Hituji no koku";
    QTest::newRow("19:00") << at(19, 0, 0) << 3 << "Inu no koku"
                           << "19:0";
    QTest::newRow("22:59") << at(22, 59, 59) << 3 << "i no koku"
                           << "22:59";
}

void Tst_Clock::names_follow_the_month_and_the_hour()
{
    QFETCH(QDateTime, moment);
    QFETCH(int, clicks);
    Fake_Clock clock(moment);
    const Date_Time_Screen *screen = clock_after_clicks(clicks);
    QTEST(screen->text(), "text");
    QTEST(screen->toolTip(), "tip");
}

void Tst_Clock::reads_the_local_time()
{
    qputenv("TZ", "Asia/Tokyo");
    tzset();
    const Date_Time_Screen *screen = clock_after_clicks(2);
    const auto shown = [screen] { return QTime::fromString(screen->text(), "h:m:ss"); };
    QVERIFY2(qAbs(shown().secsTo(QTime::currentTime())) <= 1, qPrintable(screen->text()));
}

void Tst_Clock::hour_struck_once_data()
{
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("sound");
    QTest::newRow("never shown the time") << at(10, 59, 59, 300) << 1 << 0;
    QTest::newRow("noon in the time display") << at(11, 59, 59, 300) << 2 << 12;
    QTest::newRow("13:00 in the period display") << at(12, 59, 59, 300) << 3 << 1;
    QTest::newRow("23:00 in the date display") << at(22, 59, 59, 300) << 4 << 11;
    QTest::newRow("midnight in the month display") << at(23, 59, 59, 300) << 5 << 12;
}

void Tst_Clock::hour_struck_once()
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
    if (sound != 0)
        QTRY_COMPARE_WITH_TIMEOUT(rung.count(), 1, 4000);
    // Past the hour's first seconds: a second chime would have come by now.
    QTest::qWait(3500 - int(start.msecsTo(clock.now())));
    QCOMPARE(rung.count(), sound ? 1 : 0);
    if (sound)
        QCOMPARE(rung.at(0).at(0).toInt(), sound);
    QCOMPARE(output.text().count(QStringLiteral("jiho check ok\n")), rung.count());
}

void Tst_Clock::seconds_follow_one_another()
{
    const Date_Time_Screen *screen = clock_after_clicks(2);
    QList<QTime> shown {QTime::fromString(screen->text(), "h:m:ss")};
    QElapsedTimer watched;
    watched.start();
    while (watched.elapsed() < 3600) {
        QTest::qWait(10);
        const QTime now = QTime::fromString(screen->text(), "h:m:ss");
        if (now != shown.last())
            shown.append(now);
    }
    QVERIFY2(shown.size() >= 4, qPrintable(screen->text()));
    for (int n = 1; n < shown.size(); ++n)
        QCOMPARE(shown[n - 1].secsTo(shown[n]), 1);
}

QTEST_MAIN(Tst_Clock)
#include "tst_clock.moc"
