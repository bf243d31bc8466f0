// SPDX-License-Identifier: GPL-3.0-or-later
#include "chime_bank.h"
#include "date_time_screen.h"
#include "fake_clock.h"
#include "output_capture.h"

#include <QRandomGenerator>
#include <QTimer>
#include <QtTest>

namespace {

const QDateTime fixed_moment(QDate(2009, 3, 5), QTime(9, 5, 7, 300));

// QObject::receivers() is protected; the number of connections is what the
// chime timer test is about.
struct Connection_Count : QTimer
{
    static int of_timeout(QTimer *timer)
    {
        // Through a member pointer: the clock's timer is no Connection_Count.
        return (timer->*&Connection_Count::receivers)(SIGNAL(timeout()));
    }
};

void press(QWidget *widget, Qt::MouseButton button)
{
    QTest::mousePress(widget, button, Qt::NoModifier, QPoint(10, 10));
}

} // namespace

class Tst_Date_Time_Screen : public QObject
{
    Q_OBJECT

private slots:
    void window_set_up();
    void four_displays_with_their_sizes_and_tooltips();
    void right_and_middle_presses_keep_the_display();
    void period_display_wraps_around_midnight();
    void chime_timer_runs_from_the_first_time_display();
    void time_display_shows_every_second_once();
};

void Tst_Date_Time_Screen::window_set_up()
{
    Fake_Clock clock(fixed_moment);
    Date_Time_Screen screen;
    QCOMPARE(screen.pos(), QPoint(790, 640));
    QCOMPARE(screen.windowTitle(), QStringLiteral("Zelvane(Clock+)"));
    QVERIFY(screen.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(screen.windowFlags().testFlag(Qt::WindowSystemMenuHint));
    QCOMPARE(QFontInfo(screen.font()).family(), QFontInfo(QApplication::font()).family());
    QVERIFY(screen.findChild<QTimer *>(QStringLiteral("change_timer"))->isActive());
}

void Tst_Date_Time_Screen::four_displays_with_their_sizes_and_tooltips()
{
    Fake_Clock clock(fixed_moment);
    Output_Capture output;
    Date_Time_Screen screen;
    // Building the window tree prints its own trace lines; they are not this test's matter.
    output.take_lines();

    QCOMPARE(screen.text(), QStringLiteral("2009.3.5"));
    QCOMPARE(screen.size(), QSize(220, 40));
    QCOMPARE(screen.toolTip(), QStringLiteral("U no Tuki"));

    press(&screen, Qt::LeftButton);
    QCOMPARE(screen.text(), QStringLiteral("U no Tuki"));
    QCOMPARE(screen.toolTip(), QStringLiteral("March"));
    QCOMPARE(screen.size(), QSize(220, 40));

    press(&screen, Qt::LeftButton);
    QCOMPARE(screen.text(), QStringLiteral("9:5:07"));
    QCOMPARE(screen.toolTip(), QStringLiteral("Me no koku"));
    QCOMPARE(screen.size(), QSize(200, 40));

    press(&screen, Qt::LeftButton);
    QCOMPARE(screen.text(), QStringLiteral("Me no koku"));
    QCOMPARE(screen.toolTip(), QStringLiteral("9:5"));
    QCOMPARE(screen.size(), QSize(160, 40));

    press(&screen, Qt::LeftButton);
    QCOMPARE(screen.text(), QStringLiteral("2009.3.5"));
    QCOMPARE(screen.size(), QSize(220, 40));

    // The month-name display keeps whatever size the display before it had,
    // which is always the date's.
    press(&screen, Qt::LeftButton);
    QCOMPARE(screen.size(), QSize(220, 40));

    QCOMPARE(output.take_lines(),
        QStringList({"buf_click_flag=1", "buf_click_flag=2", "buf_click_flag=3", "buf_click_flag=0",
            "buf_click_flag=1"}));
}

void Tst_Date_Time_Screen::right_and_middle_presses_keep_the_display()
{
    Fake_Clock clock(fixed_moment);
    Output_Capture output;
    const QWidgetList windows_before = QApplication::topLevelWidgets();
    Date_Time_Screen screen;
    press(&screen, Qt::LeftButton);
    press(&screen, Qt::LeftButton);
    output.take_lines();

    press(&screen, Qt::RightButton);
    press(&screen, Qt::MiddleButton);
    QCOMPARE(screen.text(), QStringLiteral("9:5:07"));
    QCOMPARE(output.take_lines(), QStringList());

    // The menu opens at its own place, whatever the clock's.
    QWidget *menu = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!windows_before.contains(window)
            && window->windowTitle() == QLatin1String("Right click menu"))
            menu = window;
    }
    QVERIFY(menu);
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), QPoint(660, 475));
    menu->hide();

    press(&screen, Qt::LeftButton);
    QCOMPARE(output.take_lines(), QStringList({"buf_click_flag=3"}));
}

void Tst_Date_Time_Screen::period_display_wraps_around_midnight()
{
    Fake_Clock clock(QDateTime(QDate(2009, 12, 31), QTime(23, 0)));
    Output_Capture output;
    Date_Time_Screen screen;
    for (int i = 0; i < 3; ++i)
        press(&screen, Qt::LeftButton);

    for (const QDateTime &moment :
        {QDateTime(QDate(2009, 12, 31), QTime(23, 0)), QDateTime(QDate(2010, 1, 1), QTime(0, 0)),
            QDateTime(QDate(2010, 1, 1), QTime(0, 30))}) {
        clock.set(moment);
        screen.change_time();
        QCOMPARE(screen.text(), QStringLiteral("Ne no koku"));
        QCOMPARE(screen.toolTip(), moment.time().toString(QStringLiteral("h:m")));
    }
}

void Tst_Date_Time_Screen::chime_timer_runs_from_the_first_time_display()
{
    Fake_Clock clock(QDateTime(QDate(2009, 3, 5), QTime(11, 59, 58)));
    Output_Capture output;
    Chime_Bank chimes;
    QSignalSpy rung(&chimes, &Chime_Bank::chime_requested);
    Date_Time_Screen screen;
    auto *chime_timer = screen.findChild<QTimer *>(QStringLiteral("jiho_timer"));
    QVERIFY(chime_timer);

    press(&screen, Qt::LeftButton);
    QVERIFY(!chime_timer->isActive());
    QCOMPARE(Connection_Count::of_timeout(chime_timer), 0);

    press(&screen, Qt::LeftButton); // the time
    QVERIFY(chime_timer->isActive());
    QCOMPARE(chime_timer->interval(), 1000);

    // However long the time stays on display, there is one connection.
    for (int i = 0; i < 50; ++i)
        screen.change_time();
    QCOMPARE(Connection_Count::of_timeout(chime_timer), 1);

    // And it keeps running in the other displays, where it still rings.
    press(&screen, Qt::LeftButton);
    press(&screen, Qt::LeftButton);
    QVERIFY(chime_timer->isActive());
    output.take_lines();

    clock.set(QDateTime(QDate(2009, 3, 5), QTime(12, 0, 0, 80)));
    // As the chime timer would: its tick runs the check through the one connection.
    QMetaObject::invokeMethod(chime_timer, "timeout", Qt::DirectConnection);
    QCOMPARE(rung.count(), 1);
    QCOMPARE(rung.at(0).at(0).toInt(), 12);
    QCOMPARE(output.take_lines(), QStringList({"jiho check ok"}));
}

void Tst_Date_Time_Screen::time_display_shows_every_second_once()
{
    // The refresh timer's ticks come a little early or late; the time on
    // display must still step by exactly one second at every tick.
    QRandomGenerator random(20090305);
    Fake_Clock clock(QDateTime(QDate(2009, 3, 5), QTime(23, 59, 40, 917)));
    Output_Capture output;
    Date_Time_Screen screen;
    auto *refresh = screen.findChild<QTimer *>(QStringLiteral("change_timer"));
    QVERIFY(refresh);
    press(&screen, Qt::LeftButton);
    press(&screen, Qt::LeftButton);

    QTime shown = QTime::fromString(screen.text(), QStringLiteral("h:m:ss"));
    QVERIFY(shown.isValid());
    for (int tick = 0; tick < 20000; ++tick) {
        // The next tick comes one interval after this refresh, give or take.
        const int jitter = random.bounded(-50, 81);
        clock.advance_ms(refresh->interval() + jitter);
        screen.change_time();
        const QTime now_shown = QTime::fromString(screen.text(), QStringLiteral("h:m:ss"));
        if (now_shown != shown.addSecs(1))
            QFAIL(qPrintable(QStringLiteral("tick %1: %2 followed %3")
                                 .arg(tick)
                                 .arg(screen.text(), shown.toString())));
        shown = now_shown;
    }
}

QTEST_MAIN(Tst_Date_Time_Screen)
#include "tst_date_time_screen.moc"
