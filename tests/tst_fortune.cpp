// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/zelvane_test.h"

#include <cstdlib>

namespace {
// Counts the ticks a timer delivers.
struct Tick_Counter : QObject
{
    int ticks = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        ticks += event->type() == QEvent::Timer;
        return false;
    }
};

// The configuration as its user sees it: the names the rows show; each row,
// top first, open (its digit), locked (-) or neither (?); and Check and Next
// where they can be pressed.
QString state(const QWidget *config)
{
    QString shown
        = texts(config, {"row_label_5", "row_label_4", "row_label_3", "row_label_2", "row_label_1"})
        + ' ';
    for (int digit = 5; digit >= 1; --digit) {
        const int open
            = config->findChild<QWidget *>(QString("row_combo_%1").arg(digit))->isEnabled()
            + config->findChild<QWidget *>(QString("row_input_button_%1").arg(digit))->isEnabled();
        shown += open == 2 ? QChar('0' + digit) : open == 1 ? QChar('?') : QChar('-');
    }
    for (const char *button : {"check_button", "next_button"})
        shown += config->findChild<QWidget *>(button)->isEnabled() ? QString(" ") + button : "";
    return shown;
}
} // namespace

// The fortune drawing from the clock: five rows entered in the configuration
// window, the digit drawn at its pace and stopped, the fortune of the slot it
// picked; both windows again on their next visits.
class Tst_Fortune : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { take_down_clocks(); }

    // Rows labelled 5 down to 1 fill slots 4 down to 0; Check waits for all
    // five, Next for Check. A new visit opens the rows again, keeping the
    // names; a visit left by the title bar goes on where it was.
    void rows_entered_checked_and_entered_again()
    {
        Output_Capture output;
        Date_Time_Screen *clock = nullptr;
        press(open_menu(clock), "omikuji_button");
        QWidget *config = window_of("Config_Mini_Omikuji");
        press(config, "row_input_button_5"); // first, its list as it opens: the best grade
        QCOMPARE(state(config), "Daikichi|No unsei|No unsei|No unsei|No unsei -4321");
        enter_grade(config, 4, 12);
        enter_grade(config, 3, 8);
        enter_grade(config, 2, 2);
        QCOMPARE(state(config), "Daikichi|Daikyou|Kyou|Chu kichi|No unsei ----1");
        enter_grade(config, 1, 3);
        QCOMPARE(state(config), "Daikichi|Daikyou|Kyou|Chu kichi|shoukichi ----- check_button");
        QCOMPARE(output.take_lines().join(' '),
            "buf_uranai_result[0]=0 buf_uranai_result[1]=0 buf_uranai_result[2]=0 "
            "buf_uranai_result[3]=0 buf_uranai_result[4]=0 buf_uranai_result[4]=1 click_count = "
            "1 buf_uranai_result[3]=12 click_count = 2 buf_uranai_result[2]=8 click_count = 3 "
            "buf_uranai_result[1]=2 click_count = 4 buf_uranai_result[0]=3 click_count = 5");
        press(config, "check_button");
        QCOMPARE(state(config), "Daikichi|Daikyou|Kyou|Chu kichi|shoukichi ----- next_button");
        press(config, "next_button");
        QVERIFY(window_of("Mini_Omikuji") && !config->isVisible());

        QString kept = "Daikichi|Daikyou|Kyou|Chu kichi|shoukichi";
        for (int visit = 2; visit <= 3; ++visit) {
            press(open_menu(clock), "omikuji_button");
            QCOMPARE(state(config), kept + " 54321");
            enter_grade(config, 5, 5);
            enter_grade(config, 4, 1);
            config->close(); // by its title bar
            press(open_menu(clock), "omikuji_button");
            QCOMPARE(
                state(config), "Hankichi|Daikichi" + kept.mid(kept.indexOf("|Kyou")) + " --321");
            enter_grade(config, 3, 8);
            enter_grade(config, 2, 2);
            enter_grade(config, 1, 3);
            press(config, "check_button");
            if (visit == 2)
                press(config, "next_button");
            kept = "Hankichi|Daikichi|Kyou|Chu kichi|shoukichi";
        }
        config->close();
        press(open_menu(clock), "omikuji_button");
        QCOMPARE(state(config), kept + " ----- next_button");
    }

    // The digit changes every 80 ms, each tick drawing one digit from the
    // generator, until Stop, after which no tick comes; the slot of the digit
    // shown is the fortune read. Closed by the title bar, the window goes on
    // as it was; Close puts it back into its drawing layout.
    void drawing_runs_at_its_pace_and_stops_on_the_slot()
    {
        Output_Capture output;
        Date_Time_Screen *clock = nullptr;
        press(open_menu(clock), "omikuji_button");
        QWidget *config = window_of("Config_Mini_Omikuji");
        const int chosen[5] = {7, 11, 4, 9, 6}; // grade per slot
        const auto enter_all_and_next = [&] {
            for (int digit = 5; digit >= 1; --digit)
                enter_grade(config, digit, chosen[digit - 1]);
            press(config, "check_button");
            press(config, "next_button");
            return window_of("Mini_Omikuji");
        };
        QWidget *drawing = enter_all_and_next();
        auto *digit = drawing->findChild<QLCDNumber *>("lcd_number");
        auto *timer = drawing->findChild<QTimer *>("draw_timer");
        Tick_Counter counter;
        timer->installEventFilter(&counter);
        // Its place and size, its widgets shown and the button's text.
        const auto shown = [&] {
            return look(drawing) + ' ' + in_layout_order(drawing, "QWidget") + ' '
                + texts(drawing, {"start_stop_button"});
        };
        QCOMPARE(shown() + QString::number(digit->intValue()),
            "500,520 100x120 lcd_number start_stop_button Start0");
        // A drawing of so many ticks from the generator seeded so: the digit
        // it stops on, its trace line and the fortune of that slot.
        const auto draw = [&](unsigned seed, int ticks) {
            std::srand(seed);
            QList<int> digits;
            while (digits.size() < 2000)
                digits << std::rand() % 5;
            std::srand(seed);
            counter.ticks = 0;
            press(drawing, "start_stop_button");
            QCOMPARE(texts(drawing, {"start_stop_button"}), "Stop");
            QVERIFY(timer->isActive() && timer->interval() == 80);
            WAIT_FOR(counter.ticks >= ticks);
            output.take_lines();
            press(drawing, "start_stop_button");
            const int slot = digits.value(counter.ticks);
            QCOMPARE(digit->intValue(), slot);
            QCOMPARE(output.take_lines(), QStringList(QStringLiteral("buf_r-1=%1").arg(slot - 1)));
            QCOMPARE(texts(drawing, result_labels), fortune_result(chosen[slot]));
            QCOMPARE(shown(), "500,460 280x200 " + result_labels.join(' ') + " close_button Start");
            QVERIFY(!timer->isActive());
        };
        draw(7, 0); // stopped before the first tick: the digit drawn at the start
        press(drawing, "close_button");
        QVERIFY(!drawing->isVisible());
        QCOMPARE(enter_all_and_next(), drawing);
        const QString ready = "500,520 120x130 lcd_number start_stop_button Start";
        QCOMPARE(shown(), ready);

        draw(20261207, 12);
        const int last = digit->intValue(), ticks = counter.ticks;
        QTest::qWait(400); // five ticks' time, were it running
        QVERIFY(counter.ticks == ticks && digit->intValue() == last);
        drawing->close(); // by its title bar, showing the result
        enter_all_and_next();
        QCOMPARE(texts(drawing, result_labels), fortune_result(chosen[last]));
        press(drawing, "close_button");
        enter_all_and_next();
        QCOMPARE(shown(), ready);
        press(drawing, "start_stop_button");
        drawing->close(); // by its title bar, while it runs: it runs on
        counter.ticks = 0;
        WAIT_FOR(counter.ticks >= 3);
        QCOMPARE(enter_all_and_next(), drawing);
        QCOMPARE(texts(drawing, {"start_stop_button"}), "Stop");
    }
};

QTEST_MAIN(Tst_Fortune)
#include "tst_fortune.moc"
