// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/zelvane_test.h"

// The fortune drawing from the clock: five slots filled in the configuration
// window, a digit stopped in the drawing window, and the fortune it picked.
class Tst_Fortune : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { take_down_clocks(); }

    void fortune_drawn_from_the_clock()
    {
        Output_Capture output;
        Date_Time_Screen *clock = nullptr;
        press(open_menu(clock), "omikuji_button");
        QWidget *config = window_of("Config_Mini_Omikuji");
        QCOMPARE(output.take_lines().filter("buf_uranai_result").join(' '),
            "buf_uranai_result[0]=0 buf_uranai_result[1]=0 buf_uranai_result[2]=0 "
            "buf_uranai_result[3]=0 buf_uranai_result[4]=0");

        // Rows labelled 5 down to 1 fill slots 4 down to 0; the top row's
        // list is left as it opens, on the best grade.
        const int chosen[5] = {3, 2, 8, 12, 1}; // grade per slot
        QCOMPARE(config->findChild<QLCDNumber *>("row_lcd_5")->intValue(), 5); // the top row
        auto *top_list = config->findChild<QComboBox *>("row_combo_5");
        for (int row = 0; row < 12; ++row)
            QCOMPARE(top_list->itemText(row), fortune_grade(row + 1)[0]);
        for (int digit = 5; digit >= 1; --digit) {
            auto *list = config->findChild<QComboBox *>(QStringLiteral("row_combo_%1").arg(digit));
            for (int step = 1; step < chosen[digit - 1]; ++step)
                QTest::keyClick(list, Qt::Key_Down);
            QVERIFY(!config->findChild<QPushButton *>("check_button")->isEnabled());
            press(config, QStringLiteral("row_input_button_%1").arg(digit));
            QVERIFY(!list->isEnabled());
            QCOMPARE(texts(config, {QStringLiteral("row_label_%1").arg(digit)}),
                fortune_grade(chosen[digit - 1])[0]);
            QCOMPARE(output.take_lines().join(' '),
                QString::asprintf("buf_uranai_result[%d]=%d click_count = %d", digit - 1,
                    chosen[digit - 1], 6 - digit));
        }
        press(config, "check_button");
        press(config, "next_button");
        QWidget *drawing = window_of("Mini_Omikuji");
        QVERIFY(drawing && !config->isVisible() && drawing->windowTitle() == "Zelvane Uranai");
        check_place(drawing, clock, {500, 520}, {100, 120});

        // Stopped before the first tick, the drawing takes the slot drawn at
        // the start, the first of the generator's sequence; it prints one less.
        std::srand(3);
        const int slot = std::rand() % 5;
        std::srand(3);
        // Drawn at a digit every 80 ms until Stop.
        auto *pace = drawing->findChild<QTimer *>("draw_timer");
        press(drawing, "start_stop_button");
        QVERIFY(pace->isActive() && pace->interval() == 80);
        press(drawing, "start_stop_button");
        QVERIFY(!pace->isActive() && texts(drawing, {"start_stop_button"}) == "Start");
        QCOMPARE(
            output.take_lines().filter("buf_r-1="), {QStringLiteral("buf_r-1=%1").arg(slot - 1)});
        QCOMPARE(texts(drawing, result_labels), fortune_result(chosen[slot]));
        check_place(drawing, clock, {500, 460}, {280, 200}); // grown to show the fortune
        press(drawing, "close_button");
        QVERIFY(!drawing->isVisible() && drawing->size() == QSize(120, 130));
        // The next visit starts afresh: every row open again, and Start shown, not a fortune.
        press(open_menu(clock), "omikuji_button");
        for (int digit = 5; digit >= 1; --digit)
            press(config, QStringLiteral("row_input_button_%1").arg(digit));
        press(config, "check_button"), press(config, "next_button");
        QVERIFY(drawing->findChild<QWidget *>("start_stop_button")->isVisible());
    }
};

QTEST_MAIN(Tst_Fortune)
#include "tst_fortune.moc"
