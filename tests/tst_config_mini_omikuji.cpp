// SPDX-License-Identifier: GPL-3.0-or-later
#include "config_mini_omikuji.h"
#include "mini_omikuji.h"
#include "output_capture.h"

#include <QComboBox>
#include <QLCDNumber>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

namespace {

// Row parts by the digit the row shows (5 at the top down to 1).
template<typename T> T *row_part(Config_Mini_Omikuji &window, const char *name, int digit)
{
    return window.findChild<T *>(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(digit));
}

QPushButton *input(Config_Mini_Omikuji &window, int digit)
{
    return row_part<QPushButton>(window, "row_input_button", digit);
}

QComboBox *combo(Config_Mini_Omikuji &window, int digit)
{
    return row_part<QComboBox>(window, "row_combo", digit);
}

QLabel *row_label(Config_Mini_Omikuji &window, int digit)
{
    return row_part<QLabel>(window, "row_label", digit);
}

QPushButton *button(Config_Mini_Omikuji &window, const char *name)
{
    return window.findChild<QPushButton *>(QLatin1String(name));
}

const QStringList grade_names = {"Daikichi", "Chu kichi", "shoukichi", "Kichi", "Hankichi",
    "Suekichi", "Sue-shoukichi", "Kyou", "Shoukyou", "Hankyou", "Suekyou", "Daikyou"};

} // namespace

class Tst_Config_Mini_Omikuji : public QObject
{
    Q_OBJECT

private slots:
    void construction_clears_the_slots_and_locks_the_buttons();
    void first_input_on_the_top_row();
    void check_after_exactly_five_inputs_data();
    void check_after_exactly_five_inputs();
    void check_with_an_empty_slot_shows_the_message();
    void next_shows_the_drawing_and_reopens_the_rows();
};

void Tst_Config_Mini_Omikuji::construction_clears_the_slots_and_locks_the_buttons()
{
    Output_Capture output;
    Config_Mini_Omikuji window;
    QCOMPARE(output.take_lines(),
        QStringList({"buf_uranai_result[0]=0", "buf_uranai_result[1]=0", "buf_uranai_result[2]=0",
            "buf_uranai_result[3]=0", "buf_uranai_result[4]=0"}));
    QCOMPARE(window.windowTitle(), QStringLiteral("Zelvane Uranai Config"));
    QCOMPARE(window.size(), QSize(400, 200));
    QCOMPARE(window.pos(), QPoint(500, 420));
    QVERIFY(!window.isVisible());

    Mini_Omikuji *drawing = window.drawing_window();
    QVERIFY(drawing);
    QVERIFY(!drawing->isVisible());
    QVERIFY(!drawing->parent());
    for (int slot = 0; slot < 5; ++slot)
        QCOMPARE(drawing->buf_uranai_result[slot], 0);

    auto *title = window.findChild<QLabel *>(QStringLiteral("title_label"));
    QVERIFY(title);
    QCOMPARE(title->text(), QStringLiteral("Select Omikuji type,please"));

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    int previous_top = title->geometry().top();
    for (int digit = 5; digit >= 1; --digit) {
        auto *lcd = row_part<QLCDNumber>(window, "row_lcd", digit);
        QVERIFY(lcd);
        QCOMPARE(lcd->intValue(), digit);
        QCOMPARE(lcd->digitCount(), 1);
        QCOMPARE(lcd->segmentStyle(), QLCDNumber::Flat);
        // Rows run from 5 at the top down to 1.
        QVERIFY(lcd->geometry().top() > previous_top);
        previous_top = lcd->geometry().top();

        QComboBox *list = combo(window, digit);
        QVERIFY(list);
        QVERIFY(!list->isEditable());
        QCOMPARE(list->currentIndex(), 0);
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items.append(list->itemText(i));
        QCOMPARE(items, grade_names);

        QCOMPARE(row_label(window, digit)->text(), QStringLiteral("No unsei"));
        QCOMPARE(input(window, digit)->text(), QStringLiteral("Input"));
        QVERIFY(input(window, digit)->isEnabled());
    }
    QCOMPARE(button(window, "check_button")->text(), QStringLiteral("Check"));
    QCOMPARE(button(window, "next_button")->text(), QStringLiteral("Next"));
    QVERIFY(!button(window, "check_button")->isEnabled());
    QVERIFY(!button(window, "next_button")->isEnabled());
    window.close();
}

void Tst_Config_Mini_Omikuji::first_input_on_the_top_row()
{
    Config_Mini_Omikuji window;
    Output_Capture output;
    input(window, 5)->click();
    QCOMPARE(output.take_lines(), QStringList({"buf_uranai_result[4]=1", "click_count = 1"}));
    QCOMPARE(row_label(window, 5)->text(), QStringLiteral("Daikichi"));
    QCOMPARE(window.drawing_window()->buf_uranai_result[4], 1);
    QVERIFY(!input(window, 5)->isEnabled());
    QVERIFY(!combo(window, 5)->isEnabled());
    for (int digit = 1; digit <= 4; ++digit) {
        QVERIFY(input(window, digit)->isEnabled());
        QCOMPARE(row_label(window, digit)->text(), QStringLiteral("No unsei"));
        QCOMPARE(window.drawing_window()->buf_uranai_result[digit - 1], 0);
    }
    QVERIFY(!button(window, "check_button")->isEnabled());
}

void Tst_Config_Mini_Omikuji::check_after_exactly_five_inputs_data()
{
    QTest::addColumn<QList<int>>("digits");
    QTest::newRow("top down") << QList<int> {5, 4, 3, 2, 1};
    QTest::newRow("bottom up") << QList<int> {1, 2, 3, 4, 5};
    QTest::newRow("mixed") << QList<int> {3, 1, 5, 2, 4};
}

void Tst_Config_Mini_Omikuji::check_after_exactly_five_inputs()
{
    QFETCH(QList<int>, digits);
    Config_Mini_Omikuji window;
    Output_Capture output;
    QPushButton *check = button(window, "check_button");

    // Row d gets grade 2d + 1; rows 1 and 2 share grade 7 as well.
    for (int n = 0; n < digits.size(); ++n) {
        const int digit = digits.at(n);
        const int grade = digit <= 2 ? 7 : 2 * digit + 1;
        combo(window, digit)->setCurrentIndex(grade - 1);
        QVERIFY(!check->isEnabled());
        input(window, digit)->click();
        QCOMPARE(output.take_lines(),
            QStringList({QStringLiteral("buf_uranai_result[%1]=%2").arg(digit - 1).arg(grade),
                QStringLiteral("click_count = %1").arg(n + 1)}));
        QCOMPARE(row_label(window, digit)->text(), grade_names.at(grade - 1));
    }
    QVERIFY(check->isEnabled());
    const int expected[5] = {7, 7, 7, 9, 11};
    for (int slot = 0; slot < 5; ++slot)
        QCOMPARE(window.drawing_window()->buf_uranai_result[slot], expected[slot]);

    check->click();
    QVERIFY(!check->isEnabled());
    QVERIFY(button(window, "next_button")->isEnabled());
    QCOMPARE(output.take_lines(), QStringList());
}

void Tst_Config_Mini_Omikuji::check_with_an_empty_slot_shows_the_message()
{
    Config_Mini_Omikuji window;
    window.show();
    for (int digit = 1; digit <= 5; ++digit)
        input(window, digit)->click();
    Mini_Omikuji *drawing = window.drawing_window();
    drawing->buf_uranai_result[2] = 0;

    QString title;
    QString text;
    bool had_parent = false;
    QMessageBox::StandardButtons buttons;
    // The box runs its own event loop: read and close it from inside.
    std::function<void()> close_box;
    close_box = [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(10, &window, close_box);
            return;
        }
        title = box->windowTitle();
        text = box->text();
        had_parent = box->parentWidget() == &window;
        buttons = box->standardButtons();
        box->button(QMessageBox::Ok)->click();
    };
    QTimer::singleShot(0, &window, close_box);
    button(window, "check_button")->click();

    QCOMPARE(title, QStringLiteral("Error Message"));
    QCOMPARE(text, QStringLiteral("There are No entry,retry setting"));
    QVERIFY(had_parent);
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(button(window, "check_button")->isEnabled());
    QVERIFY(!button(window, "next_button")->isEnabled());
    QCOMPARE(drawing->buf_uranai_result[2], 0);
    QCOMPARE(drawing->buf_uranai_result[0], 1);
    QVERIFY(window.isVisible());
    QVERIFY(!drawing->isVisible());

    drawing->buf_uranai_result[2] = 4;
    button(window, "check_button")->click();
    QVERIFY(button(window, "next_button")->isEnabled());
    window.close();
}

void Tst_Config_Mini_Omikuji::next_shows_the_drawing_and_reopens_the_rows()
{
    Config_Mini_Omikuji window;
    window.show();
    for (int digit = 1; digit <= 5; ++digit) {
        combo(window, digit)->setCurrentIndex(12 - digit);
        input(window, digit)->click();
    }
    button(window, "check_button")->click();
    button(window, "next_button")->click();

    Mini_Omikuji *drawing = window.drawing_window();
    QVERIFY(drawing->isVisible());
    QVERIFY(!window.isVisible());
    QVERIFY(!button(window, "next_button")->isEnabled());
    QVERIFY(!button(window, "check_button")->isEnabled());
    for (int digit = 1; digit <= 5; ++digit) {
        QVERIFY(input(window, digit)->isEnabled());
        QVERIFY(combo(window, digit)->isEnabled());
        QCOMPARE(combo(window, digit)->currentIndex(), 12 - digit);
        QCOMPARE(row_label(window, digit)->text(), grade_names.at(12 - digit));
        QCOMPARE(drawing->buf_uranai_result[digit - 1], 13 - digit);
    }

    // A new visit counts its inputs from zero again.
    window.show();
    Output_Capture output;
    for (int digit = 1; digit <= 4; ++digit)
        input(window, digit)->click();
    QVERIFY(!button(window, "check_button")->isEnabled());
    input(window, 5)->click();
    QVERIFY(button(window, "check_button")->isEnabled());
    QCOMPARE(output.take_lines().last(), QStringLiteral("click_count = 5"));
    drawing->close();
    window.close();
}

QTEST_MAIN(Tst_Config_Mini_Omikuji)
#include "tst_config_mini_omikuji.moc"
