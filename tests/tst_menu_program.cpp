// SPDX-License-Identifier: GPL-3.0-or-later
#include "gadget_steps.h"
#include "program_run.h"
#include "right_menu.h"
#include "x_display.h"

#include <QPushButton>
#include <QtTest>

// The feature menu of the real program on a private X server, clicked as a
// user would.
class Tst_Menu_Program : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void right_click_opens_the_menu_and_its_buttons_work();

private:
    X_Display display;
};

void Tst_Menu_Program::initTestCase()
{
    if (!display.start())
        QSKIP(qPrintable(
            QStringLiteral("skipped: no X display for the real program: ") + display.error()));
}

void Tst_Menu_Program::right_click_opens_the_menu_and_its_buttons_work()
{
    Right_Menu menu_copy;
    const QPoint timer_button = centre_in_window(menu_copy, QStringLiteral("timer_button"));
    const QPoint quit_button = centre_in_window(menu_copy, QStringLiteral("quit_button"));
    QVERIFY(timer_button.x() >= 0 && quit_button.x() >= 0);

    Program_Run program;
    const auto clock = start_at_the_clock(display, program);
    QVERIFY2(clock, qPrintable(program.error_output()));
    QCOMPARE(clock->geometry, QRect(790, 640, 220, 40));

    const auto menu = open_feature_menu(display, *clock);
    QVERIFY2(menu, qPrintable(program.error_output()));
    QCOMPARE(menu->geometry, QRect(660, 475, 260, 150));

    display.click(menu->geometry.topLeft() + timer_button);
    const auto timer = display.wait_for_window(QStringLiteral("Alrm Timer screen"));
    QVERIFY2(timer, qPrintable(program.error_output()));
    QCOMPARE(timer->geometry, QRect(660, 545, 200, 60));
    QVERIFY(display.wait_until_gone(QStringLiteral("Right click menu")));

    QVERIFY(open_feature_menu(display, *clock));
    const QString errors_before_quit = program.error_output();
    display.click(menu->geometry.topLeft() + quit_button);
    QVERIFY(program.wait_for_exit());
    QCOMPARE(program.exit_status(), QProcess::NormalExit);
    QCOMPARE(program.exit_code(), 0);
    // Taking down the windows and the chimes says nothing.
    QCOMPARE(program.error_output().mid(errors_before_quit.size()), QString());
}

QTEST_MAIN(Tst_Menu_Program)
#include "tst_menu_program.moc"
