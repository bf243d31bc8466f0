// SPDX-License-Identifier: GPL-3.0-or-later
#include "gadget_steps.h"
#include "main_maxim_screen.h"
#include "maxim_word_ja.h"
#include "program_run.h"
#include "right_menu.h"
#include "x_display.h"

#include <QtTest>

// The Japanese maxim browser's text areas on a real X server, where nothing is
// selected and the clipboard is empty: a middle click and Ctrl+V paste nothing
// and the program carries on.
class Tst_Paste_Guard : public QObject
{
    Q_OBJECT

private slots:
    void empty_paste_into_japanese_maxim();
};

void Tst_Paste_Guard::empty_paste_into_japanese_maxim()
{
    X_Display display;
    if (!display.start())
        QSKIP(qPrintable(QStringLiteral("no X display: ") + display.error()));
    Right_Menu menu_copy;
    const QPoint maxim_today = centre_in_window(menu_copy, QStringLiteral("maxim_button"));
    Main_Maxim_Screen selection_copy;
    const QPoint japanese = centre_in_window(selection_copy, QStringLiteral("japanese_radio"));
    const QPoint select = centre_in_window(selection_copy, QStringLiteral("select_button"));
    const QPoint select_from_corner(
        selection_copy.width() - select.x(), selection_copy.height() - select.y());
    Maxim_Word_Ja browser_copy;
    const QPoint heading = centre_in_window(browser_copy, QStringLiteral("heading_edit"));
    const QPoint text = centre_in_window(browser_copy, QStringLiteral("text_edit"));
    const QPoint next = centre_in_window(browser_copy, QStringLiteral("next_button"));

    Program_Run program;
    const auto clock = start_at_the_clock(display, program);
    QVERIFY2(clock, qPrintable(program.error_output()));
    const auto menu = open_feature_menu(display, *clock);
    QVERIFY(menu);
    display.click(menu->geometry.topLeft() + maxim_today);
    const auto selection = display.wait_for_window(QStringLiteral("Select maxim menu"));
    QVERIFY(selection);
    display.click(selection->geometry.topLeft() + japanese);
    QTest::qWait(200);
    display.click(selection->geometry.bottomRight() + QPoint(1, 1) - select_from_corner);
    const auto browser = display.wait_for_window(QStringLiteral("Todays maxim in Japan"));
    QVERIFY2(browser, qPrintable(program.error_output()));

    display.click(browser->geometry.topLeft() + heading, 2);
    QTest::qWait(300);
    display.click(browser->geometry.topLeft() + text, 2);
    QTest::qWait(300);
    QVERIFY2(!program.wait_for_exit(0), "a middle click with nothing selected ended the program");
    display.click(browser->geometry.topLeft() + text);
    QProcess keys;
    keys.setProcessEnvironment(display.environment());
    keys.start(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("ctrl+v")});
    QVERIFY(keys.waitForFinished(5000));
    QTest::qWait(300);
    QVERIFY2(!program.wait_for_exit(0), qPrintable(program.error_output()));

    // Still answering: Next moves on to entry 1.
    display.click(browser->geometry.topLeft() + next);
    QVERIFY2(program.wait_for_line(QStringLiteral("i2=1")), qPrintable(program.error_output()));
}

QTEST_MAIN(Tst_Paste_Guard)
#include "tst_paste_guard.moc"
