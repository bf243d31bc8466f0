// SPDX-License-Identifier: GPL-3.0-or-later
#include "config_mini_omikuji.h"
#include "gadget_steps.h"
#include "main_maxim_screen.h"
#include "maxim_word.h"
#include "mini_omikuji.h"
#include "program_run.h"
#include "right_menu.h"
#include "x_display.h"

#include <QRegularExpression>
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

// The real program on a private X server, looked at and clicked as a user
// would: the clock, the menu, a fortune drawn and a maxim read.
class Tst_Program : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void clock_appears_in_place_and_steps_on_a_click();
    void japanese_system_shows_japanese_title();
    void right_click_opens_the_menu_and_its_buttons_work();
    void fortune_drawn_from_the_clock();
    void maxim_today_select_and_next();

private:
    X_Display display;
};

void Tst_Program::initTestCase()
{
    if (!display.start())
        QSKIP(qPrintable(
            QStringLiteral("skipped: no X display for the real program: ") + display.error()));
}

void Tst_Program::clock_appears_in_place_and_steps_on_a_click()
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

void Tst_Program::japanese_system_shows_japanese_title()
{
    Program_Run program;
    const auto clock = start_at_the_clock(display, program, QStringLiteral("ja_JP.UTF-8"));
    QVERIFY2(clock, qPrintable(program.error_output()));
    QCOMPARE(clock->geometry, QRect(790, 640, 220, 40));
}

void Tst_Program::right_click_opens_the_menu_and_its_buttons_work()
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

void Tst_Program::fortune_drawn_from_the_clock()
{
    Right_Menu layout_menu;
    Config_Mini_Omikuji layout_config;
    Mini_Omikuji layout_drawing;
    const QPoint omikuji = centre_in_window(layout_menu, QStringLiteral("omikuji_button"));
    QPoint inputs[5];
    for (int digit = 1; digit <= 5; ++digit)
        inputs[digit - 1]
            = centre_in_window(layout_config, QStringLiteral("row_input_button_%1").arg(digit));
    const QPoint check = centre_in_window(layout_config, QStringLiteral("check_button"));
    const QPoint next = centre_in_window(layout_config, QStringLiteral("next_button"));
    const QPoint start_stop = centre_in_window(layout_drawing, QStringLiteral("start_stop_button"));

    Program_Run program;
    const auto clock = start_at_the_clock(display, program);
    QVERIFY2(clock, qPrintable(program.error_output()));
    QCOMPARE(clock->geometry, QRect(790, 640, 220, 40));

    const auto menu = open_feature_menu(display, *clock);
    QVERIFY(menu);
    QCOMPARE(menu->geometry, QRect(660, 475, 260, 150));
    display.click(menu->geometry.topLeft() + omikuji);

    const auto config = display.wait_for_window(QStringLiteral("Zelvane Uranai Config"));
    QVERIFY2(config, qPrintable(program.lines().join('\n')));
    QCOMPARE(config->geometry, QRect(500, 420, 400, 200));
    QVERIFY(display.wait_until_gone(QStringLiteral("Right click menu")));

    for (int n = 0; n < 5; ++n) {
        display.click(config->geometry.topLeft() + inputs[n]);
        QVERIFY2(program.wait_for_line(QStringLiteral("click_count = %1").arg(n + 1)),
            qPrintable(program.lines().join('\n')));
    }
    QVERIFY(program.wait_for_line(QStringLiteral("buf_uranai_result[0]=1")));
    QVERIFY(program.wait_for_line(QStringLiteral("buf_uranai_result[4]=1")));

    display.click(config->geometry.topLeft() + check);
    // Next is enabled by Check; a click on it before then would do nothing.
    QTest::qWait(300);
    display.click(config->geometry.topLeft() + next);

    const auto drawing = display.wait_for_window(QStringLiteral("Zelvane Uranai"));
    QVERIFY2(drawing, qPrintable(program.lines().join('\n')));
    QCOMPARE(drawing->geometry, QRect(500, 520, 100, 120));
    QVERIFY(display.wait_until_gone(QStringLiteral("Zelvane Uranai Config")));

    display.click(drawing->geometry.topLeft() + start_stop);
    QTest::qWait(300);
    display.click(drawing->geometry.topLeft() + start_stop);

    const QRegularExpression result_line(QStringLiteral("^buf_r-1=(-?\\d+)$"));
    QString printed;
    QTRY_VERIFY_WITH_TIMEOUT(
        !(printed = program.lines().filter(result_line).join(QString())).isEmpty(), 10000);
    const int value = result_line.match(printed).captured(1).toInt();
    QVERIFY2(value >= -1 && value <= 3, qPrintable(printed));
    QTRY_COMPARE_WITH_TIMEOUT(display.wait_for_window(QStringLiteral("Zelvane Uranai"))->geometry,
        QRect(500, 460, 280, 200), 5000);
}

void Tst_Program::maxim_today_select_and_next()
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

QTEST_MAIN(Tst_Program)
#include "tst_program.moc"
