// SPDX-License-Identifier: GPL-3.0-or-later
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
    // Where a button lies inside the menu window, from the menu's own layout.
    QPoint button_centre(const char *object_name);

    X_Display display;
};

void Tst_Menu_Program::initTestCase()
{
    if (!display.start())
        QSKIP(qPrintable(
            QStringLiteral("skipped: no X display for the real program: ") + display.error()));
}

QPoint Tst_Menu_Program::button_centre(const char *object_name)
{
    Right_Menu menu;
    menu.show();
    auto *button = menu.findChild<QPushButton *>(QLatin1String(object_name));
    const QPoint centre = button ? button->geometry().center() : QPoint();
    menu.hide();
    return centre;
}

void Tst_Menu_Program::right_click_opens_the_menu_and_its_buttons_work()
{
    const QPoint timer_button = button_centre("timer_button");
    const QPoint quit_button = button_centre("quit_button");
    QVERIFY(!timer_button.isNull() && !quit_button.isNull());

    QProcessEnvironment env = display.environment();
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    Program_Run program;
    QVERIFY(program.start(env));

    const auto clock = display.wait_for_window(QStringLiteral("Zelvane(Clock+)"));
    QVERIFY2(clock, qPrintable(program.error_output()));
    QCOMPARE(clock->geometry, QRect(790, 640, 220, 40));

    display.click(clock->geometry.center(), 3);
    const auto menu = display.wait_for_window(QStringLiteral("Right click menu"));
    QVERIFY2(menu, qPrintable(program.error_output()));
    QCOMPARE(menu->geometry, QRect(660, 475, 260, 150));

    display.click(menu->geometry.topLeft() + timer_button);
    const auto timer = display.wait_for_window(QStringLiteral("Alrm Timer screen"));
    QVERIFY2(timer, qPrintable(program.error_output()));
    QCOMPARE(timer->geometry, QRect(660, 545, 200, 60));
    QVERIFY(display.wait_until_gone(QStringLiteral("Right click menu")));

    display.click(clock->geometry.center(), 3);
    QVERIFY(display.wait_for_window(QStringLiteral("Right click menu")));
    display.click(menu->geometry.topLeft() + quit_button);
    QVERIFY(program.wait_for_exit());
    QCOMPARE(program.exit_status(), QProcess::NormalExit);
    QCOMPARE(program.exit_code(), 0);
}

QTEST_MAIN(Tst_Menu_Program)
#include "tst_menu_program.moc"
