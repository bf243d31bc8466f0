// SPDX-License-Identifier: GPL-3.0-or-later
#include "config_mini_omikuji.h"
#include "gadget_test.h"
#include "mini_omikuji.h"

#include <climits>
#include <cstdlib>

namespace {
// The fortune table: for each grade its name and its study, love, money and
// trouble sayings.
const char *const grades[12][5] = {
    {"Daikichi", "Beleave my self", "Take your pick", "Lose something get anything",
        "Thinking will work out all right"},
    {"Chu kichi", "feeling achivement", "many chances", "Only get out",
        "Natural solve the probrem"},
    {"shoukichi", "effort the everyday", "you close attention", "extra income feel",
        "Wait the help"},
    {"Kichi", "effort the everyday", "Brush the my hurt is Kich", "escape the suquare",
        "Discretion is the better part of valor"},
    {"Hankichi", "Your efforts will pay off", "your effort dipendents having is kichi",
        "A standstill", "You have to humility"},
    {"Suekichi", "Your efforts will pay off", "you close attention", "inconstancy",
        "when calm down is kichi"},
    {"Sue-shoukichi", "Matters took a turn for the worth", "It has beleave is kichi",
        "you will bless the penny", "pull step"},
    {"Kyou", "you have pure luck", "Matters took a turn for the worth", "small income,big outgo",
        "when calm down is kichi"},
    {"Shoukyou", "injustice has taboo", "you close attention", "you will bless the penny",
        "Only get out"},
    {"Hankyou", "survive for your self", "it unexpected the encounter", "Only get out",
        "Natural solve the probrem"},
    {"Suekyou", "injustice has taboo", "you can't be too ambitious", "unexpect outgo is carefully",
        "unruly"},
    {"Daikyou", "You need not expect", "Lover alarm", "outgo at great", "Good luck"},
};

// The result's labels, top to bottom.
const QStringList result {
    "unsei_label", "study_label", "lover_label", "money_label", "trouble_label"};

// Start, a few draws, Stop; returns the slot the printed line names.
int draw(QWidget *drawing, Output_Capture &output, int running_ms = 250)
{
    press(drawing, "start_stop_button");
    QTest::qWait(running_ms);
    press(drawing, "start_stop_button");
    const QStringList lines = output.take_lines().filter(QStringLiteral("buf_r-1="));
    return lines.size() == 1 ? lines[0].mid(8).toInt() + 1 : -1;
}
} // namespace

class Tst_Fortune : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { delete_program_windows(); }

    void fortune_drawn_from_the_clock()
    {
        Output_Capture output;
        Date_Time_Screen *screen = nullptr;
        press(open_menu(screen), "omikuji_button");
        QWidget *config = window_of("Config_Mini_Omikuji");
        QCOMPARE(output.take_lines().filter("buf_uranai_result").join(' '),
            "buf_uranai_result[0]=0 buf_uranai_result[1]=0 buf_uranai_result[2]=0 "
            "buf_uranai_result[3]=0 buf_uranai_result[4]=0");

        // Rows labelled 5 down to 1 fill slots 4 down to 0; the top row's
        // list is left as it opens, on the best grade.
        const int chosen[5] = {3, 2, 8, 12, 1}; // grade per slot
        auto *top_list = config->findChild<QComboBox *>("row_combo_5");
        for (int row = 0; row < 12; ++row)
            QCOMPARE(top_list->itemText(row), QString::fromLatin1(grades[row][0]));
        for (int digit = 5; digit >= 1; --digit) {
            auto *list = config->findChild<QComboBox *>(QStringLiteral("row_combo_%1").arg(digit));
            for (int step = 1; step < chosen[digit - 1]; ++step)
                QTest::keyClick(list, Qt::Key_Down);
            QVERIFY(!config->findChild<QPushButton *>("check_button")->isEnabled());
            press(config, QStringLiteral("row_input_button_%1").arg(digit));
            QVERIFY(!list->isEnabled());
            QCOMPARE(texts(config, {QStringLiteral("row_label_%1").arg(digit)}),
                QString::fromLatin1(grades[chosen[digit - 1] - 1][0]));
            QCOMPARE(output.take_lines().join(' '),
                QStringLiteral("buf_uranai_result[%1]=%2 click_count = %3")
                    .arg(digit - 1)
                    .arg(chosen[digit - 1])
                    .arg(6 - digit));
        }
        press(config, "check_button");
        press(config, "next_button");
        QWidget *drawing = window_of("Mini_Omikuji");
        QVERIFY(drawing && !config->isVisible());
        QCOMPARE(placed(drawing), QRect(500, 520, 100, 120));

        const int slot = draw(drawing, output);
        QVERIFY2(slot >= 0 && slot <= 4, qPrintable(QString::number(slot)));
        const char *const *grade = grades[chosen[slot] - 1];
        QCOMPARE(placed(drawing), QRect(500, 460, 280, 200));
        QCOMPARE(texts(drawing, result),
            QStringLiteral("%1|Study:%2|lover:%3|money:%4|trouble:%5")
                .arg(grade[0], grade[1], grade[2], grade[3], grade[4]));
        press(drawing, "close_button");
        QVERIFY(!drawing->isVisible());
        QCOMPARE(placed(drawing), QRect(500, 520, 120, 130));

        // A slot that holds no grade has no fortune to show.
        for (int &grade_in_slot : static_cast<Mini_Omikuji *>(drawing)->buf_uranai_result)
            grade_in_slot = 13;
        // Stopped before the first tick, the drawing takes the digit drawn at
        // the start: the first of the generator's sequence, 0 to 4.
        std::srand(7);
        const int digit = std::rand() % 5;
        std::srand(7);
        drawing->show();
        QCOMPARE(draw(drawing, output, 0), digit);
        QCOMPARE(texts(drawing, result), QStringLiteral("No fortune set||||"));
    }

    void table_by_grade()
    {
        const auto row_of = [](int grade) {
            return QStringList({Mini_Omikuji::Unsei_Name(grade), Mini_Omikuji::Study_Text(grade),
                Mini_Omikuji::Lover_Text(grade), Mini_Omikuji::Money_Text(grade),
                Mini_Omikuji::Trouble_Text(grade)});
        };
        for (int grade = 0; grade < 12; ++grade) {
            QCOMPARE(
                row_of(grade), QStringList(std::begin(grades[grade]), std::end(grades[grade])));
            QCOMPARE(Config_Mini_Omikuji::Unsei_Number(grades[grade][0]), grade + 1);
        }
        for (const char *other : {"kyou", "Kichi ", ""})
            QCOMPARE(Config_Mini_Omikuji::Unsei_Number(other), -1);
        for (int outside : {INT_MIN, -1, 12, INT_MAX})
            QCOMPARE(row_of(outside).join(""), QString());
    }
};

QTEST_MAIN(Tst_Fortune)
#include "tst_fortune.moc"
