// SPDX-License-Identifier: GPL-3.0-or-later
#include "gadget_steps.h"
#include "main_maxim_screen.h"
#include "maxim_word.h"
#include "program_run.h"
#include "right_menu.h"
#include "x_display.h"

#include <QPushButton>
#include <QtTest>

namespace {

// Where a button sits counted from its window's bottom-right corner, for
// windows whose size their layout decides.
QPoint centre_from_corner(QWidget &window, const QString &name)
{
    const QPoint centre = centre_in_window(window, name);
    return QPoint(window.width() - centre.x(), window.height() - centre.y());
}

} // namespace

// The maxims in the real program on a private X server, reached as a user
// reaches them: right click on the clock, "maxim Today", Select, Next.
class Tst_Maxim_Program : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void maxim_today_select_and_next();

private:
    X_Display display;
};

void Tst_Maxim_Program::initTestCase()
{
    if (!display.start())
        QSKIP(qPrintable(
            QStringLiteral("skipped: no X display for the real program: ") + display.error()));
}

void Tst_Maxim_Program::maxim_today_select_and_next()
{
    // Click points from offscreen copies of the windows.
    Right_Menu menu_copy;
    const QPoint maxim_today = centre_in_window(menu_copy, QStringLiteral("maxim_button"));
    Main_Maxim_Screen selection_copy;
    const QPoint select_from_corner
        = centre_from_corner(selection_copy, QStringLiteral("select_button"));
    Maxim_Word browser_copy;
    const QPoint next = centre_in_window(browser_copy, QStringLiteral("next_button"));

    Program_Run program;
    const auto clock = start_at_the_clock(display, program);
    QVERIFY2(clock, qPrintable(program.error_output()));
    QCOMPARE(clock->geometry, QRect(790, 640, 220, 40));

    const auto menu = open_feature_menu(display, *clock);
    QVERIFY2(menu, qPrintable(program.error_output()));
    QCOMPARE(menu->geometry, QRect(660, 475, 260, 150));

    display.click(menu->geometry.topLeft() + maxim_today);
    const auto selection = display.wait_for_window(QStringLiteral("Select maxim menu"));
    QVERIFY2(selection, "the maxim selection menu did not open");
    QCOMPARE(selection->geometry.topLeft(), QPoint(560, 400));
    QVERIFY(display.wait_until_gone(QStringLiteral("Right click menu")));

    display.click(selection->geometry.bottomRight() + QPoint(1, 1) - select_from_corner);
    const auto browser = display.wait_for_window(QStringLiteral("Todays maxim"));
    QVERIFY2(browser, "the Chinese maxims did not open");
    QCOMPARE(browser->geometry, QRect(480, 360, 760, 280));
    QVERIFY(display.wait_until_gone(QStringLiteral("Select maxim menu")));

    // Only what Next prints: start-up prints lines of its own.
    const qsizetype printed_before = program.lines().size();
    display.click(browser->geometry.topLeft() + next);
    QVERIFY2(program.wait_for_line(QStringLiteral("i=1")), qPrintable(program.lines().join('\n')));
    const QStringList lines = program.lines().mid(printed_before);
    QVERIFY2(lines.size() == 3, qPrintable(lines.join(QLatin1Char('\n'))));
    QVERIFY(lines[0].startsWith(QLatin1String("1.i=1,i=1,maxim+i=")));
    QVERIFY(lines[1].startsWith(QLatin1String("2.i=1,i=1,maxim+i=")));
    QCOMPARE(lines[0].mid(18), lines[1].mid(18));
}

QTEST_MAIN(Tst_Maxim_Program)
#include "tst_maxim_program.moc"
