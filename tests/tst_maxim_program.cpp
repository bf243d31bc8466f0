// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_maxim_screen.h"
#include "maxim_word.h"
#include "program_run.h"
#include "right_menu.h"
#include "x_display.h"

#include <QPushButton>
#include <QtTest>

namespace {

// Where a button sits in its window, measured on an offscreen copy of the
// same window: the real program lays it out alike.
QPoint button_centre(QWidget &window, const QString &name)
{
    window.show();
    auto *button = window.findChild<QPushButton *>(name);
    if (!button)
        return QPoint(-1, -1);
    return button->mapTo(&window, button->rect().center());
}

// The same, counted from the window's bottom-right corner, for windows whose
// size the layout decides.
QPoint button_centre_from_corner(QWidget &window, const QString &name)
{
    const QPoint centre = button_centre(window, name);
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
    void menu_rows_are_where_the_clicks_go();
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

void Tst_Maxim_Program::menu_rows_are_where_the_clicks_go()
{
    Right_Menu menu;
    menu.show();
    const QStringList rows = {"calender_button", "maxim_button", "timer_button", "omikuji_button",
        "help_button", "version_button", "close_menu_button", "quit_button"};
    const QStringList labels = {"Calender", "maxim Today", "Known Timer", "mini omikuji", "Help",
        "Version", "Close menu", "Quit"};
    int previous_y = -1;
    for (int row = 0; row < rows.size(); ++row) {
        auto *button = menu.findChild<QPushButton *>(rows[row]);
        QVERIFY2(button, qPrintable(rows[row]));
        QCOMPARE(button->text(), labels[row]);
        QVERIFY(button->isFlat());
        QVERIFY(button->y() > previous_y);
        previous_y = button->y();
        QVERIFY(menu.rect().contains(button->geometry().center()));
    }
    // "maxim Today" is the second row: below "Calender", above "Known Timer".
    const QPoint maxim_today = button_centre(menu, QStringLiteral("maxim_button"));
    QCOMPARE(
        menu.childAt(maxim_today), menu.findChild<QPushButton *>(QStringLiteral("maxim_button")));
    menu.hide();
}

void Tst_Maxim_Program::maxim_today_select_and_next()
{
    // Click points from offscreen copies of the windows.
    Right_Menu menu_copy;
    const QPoint maxim_today = button_centre(menu_copy, QStringLiteral("maxim_button"));
    menu_copy.hide();
    Main_Maxim_Screen selection_copy;
    const QPoint select_from_corner
        = button_centre_from_corner(selection_copy, QStringLiteral("select_button"));
    selection_copy.hide();
    Maxim_Word browser_copy;
    const QPoint next = button_centre(browser_copy, QStringLiteral("next_button"));
    browser_copy.hide();

    QProcessEnvironment env = display.environment();
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    env.remove(QStringLiteral("LC_ALL"));
    Program_Run program;
    QVERIFY(program.start(env));

    const auto clock = display.wait_for_window(QStringLiteral("Zelvane(Clock+)"));
    QVERIFY2(clock, qPrintable(program.error_output()));
    QCOMPARE(clock->geometry, QRect(790, 640, 220, 40));

    display.click(clock->geometry.center(), 3);
    const auto menu = display.wait_for_window(QStringLiteral("Right click menu"));
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
