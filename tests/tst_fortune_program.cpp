// SPDX-License-Identifier: GPL-3.0-or-later
#include "config_mini_omikuji.h"
#include "gadget_steps.h"
#include "mini_omikuji.h"
#include "program_run.h"
#include "right_menu.h"
#include "x_display.h"

#include <QRegularExpression>
#include <QtTest>

// The real program on a private X server: a fortune drawn from the clock,
// clicked as a user would.
class Tst_Fortune_Program : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fortune_drawn_from_the_clock();

private:
    X_Display display;
};

void Tst_Fortune_Program::initTestCase()
{
    if (!display.start())
        QSKIP(qPrintable(
            QStringLiteral("skipped: no X display for the real program: ") + display.error()));
}

void Tst_Fortune_Program::fortune_drawn_from_the_clock()
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

QTEST_MAIN(Tst_Fortune_Program)
#include "tst_fortune_program.moc"
