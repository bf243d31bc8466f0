// SPDX-License-Identifier: GPL-3.0-or-later
#include "config_mini_omikuji.h"
#include "fortune_table.h"
#include "mini_omikuji.h"
#include "output_capture.h"
#include "program_run.h"
#include "test_catalogue.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLCDNumber>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <cstdlib>
#include <functional>
#include <limits>

namespace {

template<typename T = QPushButton> T *part(QWidget &window, const QString &name)
{
    return window.findChild<T *>(name);
}

// The result from top to bottom: grade, study, love, money, trouble.
const QStringList result_label_names
    = {"unsei_label", "study_label", "lover_label", "money_label", "trouble_label"};

QStringList result_lines(Mini_Omikuji &window)
{
    QStringList lines;
    for (const QString &name : result_label_names)
        lines.append(part<QLabel>(window, name)->text());
    return lines;
}

// Qt Test logs toolkit warnings to standard output too (the offscreen platform
// warns about fixed sizes of shown windows); only the window's own lines count.
QStringList trace_lines(Output_Capture &output)
{
    QStringList lines = output.take_lines();
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                    [](const QString &line) { return line.startsWith("QWARN"); }),
        lines.end());
    return lines;
}

// Seeds the generator so that the next digit the window draws is the given one.
void seed_drawing_first(int digit)
{
    for (unsigned seed = 1;; ++seed) {
        std::srand(seed);
        if (std::rand() % 5 == digit)
            return std::srand(seed);
    }
}

// One drawing, stopped on the given digit before the first tick; a result
// still on show is closed first, as the user would.
void draw(Mini_Omikuji &window, int digit)
{
    if (!part(window, "close_button")->isHidden())
        part(window, "close_button")->click();
    seed_drawing_first(digit);
    part(window, "start_stop_button")->click();
    part(window, "start_stop_button")->click();
}

// Config rows are named by the digit they show (5 at the top down to 1).
QPushButton *input(Config_Mini_Omikuji &window, int digit)
{
    return part(window, QStringLiteral("row_input_button_%1").arg(digit));
}

QString row_text(Config_Mini_Omikuji &window, int digit)
{
    return part<QLabel>(window, QStringLiteral("row_label_%1").arg(digit))->text();
}

QStringList table_row(int row)
{
    return {Mini_Omikuji::Unsei_Name(row), Mini_Omikuji::Study_Text(row),
        Mini_Omikuji::Lover_Text(row), Mini_Omikuji::Money_Text(row),
        Mini_Omikuji::Trouble_Text(row)};
}

} // namespace

class Tst_Fortune : public QObject
{
    Q_OBJECT

private slots:
    void table_rows_and_grade_lookup();
    void catalogues_name_the_grades_in_both_windows();
    void drawing_shows_the_fortune_of_the_stopped_slot();
    void many_drawings_still_draw_one_digit_a_tick();
    void labels_use_a_mincho_face_where_installed();
    void five_inputs_in_any_order_enable_check();
    void check_refuses_an_empty_slot_then_next_opens_the_drawing();
};

void Tst_Fortune::table_rows_and_grade_lookup()
{
    QCOMPARE(table_row(0),
        (QStringList {"Daikichi", "Beleave my self", "Take your pick",
            "Lose something get anything", "Thinking will work out all right"}));
    QCOMPARE(table_row(11),
        (QStringList {
            "Daikyou", "You need not expect", "Lover alarm", "outgo at great", "Good luck"}));

    // Rows sharing a text keep it each.
    QCOMPARE(Mini_Omikuji::Study_Text(3), QStringLiteral("effort the everyday"));
    QCOMPARE(Mini_Omikuji::Study_Text(2), Mini_Omikuji::Study_Text(3));
    QCOMPARE(Mini_Omikuji::Money_Text(9), QStringLiteral("Only get out"));
    QCOMPARE(Mini_Omikuji::Money_Text(1), Mini_Omikuji::Money_Text(9));

    for (int row : {-1, 12, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()})
        QCOMPARE(table_row(row), QStringList(5, QString()));

    // Whole names only, case included.
    QCOMPARE(Config_Mini_Omikuji::Unsei_Number(QStringLiteral("Kyou")), 8);
    QCOMPARE(Config_Mini_Omikuji::Unsei_Number(QStringLiteral("shoukichi")), 3);
    QCOMPARE(Config_Mini_Omikuji::Unsei_Number(QStringLiteral("Shoukichi")), -1);
    QCOMPARE(Config_Mini_Omikuji::Unsei_Number(QStringLiteral("Kichi ")), -1);
    QCOMPARE(Config_Mini_Omikuji::Unsei_Number(QString()), -1);
    for (int row = 0; row < fortune_row_count; ++row)
        QCOMPARE(Config_Mini_Omikuji::Unsei_Number(Mini_Omikuji::Unsei_Name(row)), row + 1);
}

void Tst_Fortune::catalogues_name_the_grades_in_both_windows()
{
    {
        const auto catalogue = install_test_catalogue("Config_Mini_Omikuji",
            {{QStringLiteral("Suekyou"), QStringLiteral("Same")},
                {QStringLiteral("Kichi"), QStringLiteral("Same")}});
        QVERIFY(catalogue);
        QCOMPARE(Config_Mini_Omikuji::Unsei_Number(QStringLiteral("Same")), 4);
        QCOMPARE(Config_Mini_Omikuji::Unsei_Number(QStringLiteral("Kichi")), -1);
        // The drawing window reads its own context.
        QCOMPARE(Mini_Omikuji::Unsei_Name(3), QStringLiteral("Kichi"));
    }

    QTranslator japanese_catalogue;
    QVERIFY(japanese_catalogue.load(
        QDir(Program_Run::run_folder()).filePath(QStringLiteral("zelvane_ja.qm"))));
    QCoreApplication::installTranslator(&japanese_catalogue);
    const QStringList japanese = {"大吉", "中吉", "小吉", "吉", "半吉", "末吉", "末小吉", "凶",
        "小凶", "半凶", "末凶", "大凶"};
    for (int row = 0; row < fortune_row_count; ++row) {
        QCOMPARE(Mini_Omikuji::Unsei_Name(row), japanese.at(row));
        QCOMPARE(Config_Mini_Omikuji::Unsei_Number(japanese.at(row)), row + 1);
    }
}

void Tst_Fortune::drawing_shows_the_fortune_of_the_stopped_slot()
{
    Output_Capture output;
    Mini_Omikuji window;
    auto *lcd = part<QLCDNumber>(window, "lcd_number");
    auto *start_stop = part(window, "start_stop_button");
    const int grades[5] = {8, 5, 12, 3, 7};
    std::copy(grades, grades + 5, window.buf_uranai_result);

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(QRect(window.pos(), window.size()), QRect(500, 520, 100, 120));
    QCOMPARE(lcd->intValue(), 0);
    QCOMPARE(start_stop->text(), QStringLiteral("Start"));

    // Stopped before the first tick, the digit drawn at the start counts.
    seed_drawing_first(2);
    start_stop->click();
    QCOMPARE(lcd->intValue(), 2);
    start_stop->click();
    QCOMPARE(trace_lines(output), QStringList {"buf_r-1=1"});
    QCOMPARE(result_lines(window),
        (QStringList {"Daikyou", "Study:You need not expect", "lover:Lover alarm",
            "money:outgo at great", "trouble:Good luck"}));
    QCOMPARE(QRect(window.pos(), window.size()), QRect(500, 460, 280, 200));
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    int previous_bottom = -1;
    for (const QString &name : result_label_names + QStringList {"close_button"}) {
        auto *widget = part<QWidget>(window, name);
        QVERIFY2(
            widget->isVisible() && widget->geometry().top() >= previous_bottom, qPrintable(name));
        previous_bottom = widget->geometry().bottom();
    }

    // New slots count from the next drawing, not for the result on show.
    std::fill(window.buf_uranai_result, window.buf_uranai_result + 5, 6);
    QCOMPARE(result_lines(window).first(), QStringLiteral("Daikyou"));
    part(window, "close_button")->click();
    QVERIFY(!window.isVisible());
    QCOMPARE(QRect(window.pos(), window.size()), QRect(500, 520, 120, 130));
    draw(window, 2);
    QCOMPARE(result_lines(window).first(), QStringLiteral("Suekichi"));

    window.buf_uranai_result[0] = 8;
    draw(window, 0);
    QCOMPARE(trace_lines(output), (QStringList {"buf_r-1=1", "buf_r-1=-1"}));
    QCOMPARE(result_lines(window).first(), QStringLiteral("Kyou"));

    // A slot holding no grade reads nothing outside the tables.
    for (int value : {0, 13, std::numeric_limits<int>::min()}) {
        std::fill(window.buf_uranai_result, window.buf_uranai_result + 5, value);
        draw(window, 1);
        QCOMPARE(result_lines(window), (QStringList {"No fortune set", "", "", "", ""}));
        QCOMPARE(trace_lines(output), QStringList {"buf_r-1=0"});
    }
}

void Tst_Fortune::many_drawings_still_draw_one_digit_a_tick()
{
    Output_Capture output;
    Mini_Omikuji window;
    std::fill(window.buf_uranai_result, window.buf_uranai_result + 5, 1);
    for (int cycle = 0; cycle < 40; ++cycle)
        draw(window, cycle % 5);
    part(window, "close_button")->click();
    QCOMPARE(trace_lines(output).size(), 40);

    // One tick reaches the drawing once and takes exactly one number.
    part(window, "start_stop_button")->click();
    auto *timer = part<QTimer>(window, "draw_timer");
    QVERIFY(timer->isActive());
    std::srand(77);
    const int digit = std::rand() % 5;
    const int following = std::rand();
    std::srand(77);
    QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
    QCOMPARE(part<QLCDNumber>(window, "lcd_number")->intValue(), digit);
    QCOMPARE(std::rand(), following);
}

void Tst_Fortune::labels_use_a_mincho_face_where_installed()
{
    Mini_Omikuji window;
    const QString serif = QStringLiteral("Noto Serif CJK JP");
    if (!QFontDatabase::families().contains(serif))
        QSKIP("no Mincho-style face installed here");
    for (const QString &name : result_label_names)
        QCOMPARE(QFontInfo(part<QLabel>(window, name)->font()).family(), serif);
}

void Tst_Fortune::five_inputs_in_any_order_enable_check()
{
    // Grade by row digit; the top row keeps the first grade it offers.
    const int grade_of[6] = {0, 7, 7, 9, 12, 1};
    for (const QList<int> &digits :
        {QList<int> {5, 4, 3, 2, 1}, {1, 2, 3, 4, 5}, {3, 1, 5, 2, 4}}) {
        Output_Capture output;
        Config_Mini_Omikuji window;
        QCOMPARE(output.take_lines(),
            (QStringList {"buf_uranai_result[0]=0", "buf_uranai_result[1]=0",
                "buf_uranai_result[2]=0", "buf_uranai_result[3]=0", "buf_uranai_result[4]=0"}));
        auto *check = part(window, "check_button");
        for (int n = 0; n < 5; ++n) {
            const int digit = digits.at(n);
            const int grade = grade_of[digit];
            if (grade != 1)
                part<QComboBox>(window, QStringLiteral("row_combo_%1").arg(digit))
                    ->setCurrentIndex(grade - 1);
            QVERIFY(!check->isEnabled());
            input(window, digit)->click();
            QVERIFY(!input(window, digit)->isEnabled());
            QCOMPARE(output.take_lines(),
                QStringList({QStringLiteral("buf_uranai_result[%1]=%2").arg(digit - 1).arg(grade),
                    QStringLiteral("click_count = %1").arg(n + 1)}));
            QCOMPARE(row_text(window, digit), Mini_Omikuji::Unsei_Name(grade - 1));
        }
        QVERIFY(check->isEnabled());
    }
}

void Tst_Fortune::check_refuses_an_empty_slot_then_next_opens_the_drawing()
{
    Config_Mini_Omikuji window;
    Mini_Omikuji *drawing = window.drawing_window();
    auto *check = part(window, "check_button");
    auto *next = part(window, "next_button");
    window.show();
    for (int digit = 1; digit <= 5; ++digit)
        input(window, digit)->click();
    drawing->buf_uranai_result[2] = 0;

    // The box runs its own event loop: read and close it from inside.
    QString message;
    std::function<void()> close_box = [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return QTimer::singleShot(10, &window, close_box);
        message = box->windowTitle() + '|' + box->text();
        box->button(QMessageBox::Ok)->click();
    };
    QTimer::singleShot(0, &window, close_box);
    check->click();
    QCOMPARE(message, QStringLiteral("Error Message|There are No entry,retry setting"));
    QVERIFY(check->isEnabled());
    QVERIFY(!next->isEnabled());
    QCOMPARE(drawing->buf_uranai_result[2], 0);
    QVERIFY(window.isVisible() && !drawing->isVisible());

    drawing->buf_uranai_result[2] = 4;
    check->click();
    QVERIFY(!check->isEnabled());
    next->click();
    QVERIFY(drawing->isVisible());
    QVERIFY(!window.isVisible());
    QVERIFY(!next->isEnabled());
    for (int digit = 1; digit <= 5; ++digit) {
        QVERIFY(input(window, digit)->isEnabled());
        QVERIFY(part<QComboBox>(window, QStringLiteral("row_combo_%1").arg(digit))->isEnabled());
        QCOMPARE(row_text(window, digit), QStringLiteral("Daikichi"));
    }
    QCOMPARE(drawing->buf_uranai_result[2], 4);
    QCOMPARE(drawing->buf_uranai_result[4], 1);

    // A new visit counts its inputs from zero again.
    drawing->close();
    window.show();
    for (int digit = 1; digit <= 4; ++digit)
        input(window, digit)->click();
    QVERIFY(!check->isEnabled());
    input(window, 5)->click();
    QVERIFY(check->isEnabled());
}

QTEST_MAIN(Tst_Fortune)
#include "tst_fortune.moc"
