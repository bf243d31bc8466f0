// SPDX-License-Identifier: GPL-3.0-or-later
#include "gadget_steps.h"
#include "program_run.h"
#include "x_display.h"

#include <QtTest>

// The real program on a private X server, looked at and clicked as a user would.
class Tst_Clock_Program : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void clock_appears_in_place_and_steps_on_a_click();
    void japanese_system_shows_japanese_title();

private:
    X_Display display;
};

void Tst_Clock_Program::initTestCase()
{
    if (!display.start())
        QSKIP(qPrintable(
            QStringLiteral("skipped: no X display for the real program: ") + display.error()));
}

void Tst_Clock_Program::clock_appears_in_place_and_steps_on_a_click()
{
    Program_Run program;
    const auto clock = start_at_the_clock(display, program);
    QVERIFY2(clock, qPrintable(program.error_output()));
    QCOMPARE(clock->geometry, QRect(790, 640, 220, 40));

    display.click(clock->geometry.center());
    QVERIFY2(program.wait_for_line(QStringLiteral("buf_click_flag=1")),
        qPrintable(program.lines().join('\n')));
    // The month name keeps the date's size.
    QCOMPARE(display.wait_for_window(QStringLiteral("Zelvane(Clock+)"))->geometry.size(),
        QSize(220, 40));

    display.click(clock->geometry.center());
    QVERIFY(program.wait_for_line(QStringLiteral("buf_click_flag=2")));
    QTRY_COMPARE_WITH_TIMEOUT(display.wait_for_window(QStringLiteral("Zelvane(Clock+)"))->geometry,
        QRect(790, 640, 200, 40), 5000);
}

void Tst_Clock_Program::japanese_system_shows_japanese_title()
{
    Program_Run program;
    const auto clock = start_at_the_clock(display, program, QStringLiteral("ja_JP.UTF-8"));
    QVERIFY2(clock, qPrintable(program.error_output()));
    QCOMPARE(clock->geometry, QRect(790, 640, 220, 40));
}

QTEST_GUILESS_MAIN(Tst_Clock_Program)
#include "tst_clock_program.moc"
