// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CONFIG_MINI_OMIKUJI_H
#define CONFIG_MINI_OMIKUJI_H

#include "fortune/mini_omikuji.h"

#include <QString>
#include <QWidget>

class QComboBox;
class QLCDNumber;
class QLabel;
class QPushButton;

// Fills the five slots of the fortune drawing before it is played: one row per
// slot, labelled 5 down to 1, each entered with its own "Input". "Check" makes
// sure every slot holds a grade; "Next" moves on to the drawing window.
class Config_Mini_Omikuji : public QWidget
{
    Q_OBJECT

public:
    explicit Config_Mini_Omikuji(QWidget *parent = nullptr);
    ~Config_Mini_Omikuji() override;

    // Grade 1 to 12 whose name, translated for this window, is exactly text;
    // -1 for any other text. Of two grades with the same name the better wins.
    static int Unsei_Number(const QString &text);

    Mini_Omikuji *drawing_window() const { return omikuji_window; }

public slots:
    void SetUnsei_five();
    void SetUnsei_four();
    void SetUnsei_three();
    void SetUnsei_two();
    void SetUnsei_one();
    void Check_Unsei_button_clicked();
    void Next_Window_Clicked();

private:
    // One row per slot of the drawing.
    static constexpr int row_count = Mini_Omikuji::slot_count;

    // row: 0 for the top row (digit 5, slot 4) to 4 for the bottom row (digit 1, slot 0).
    void enter_row(int row);

    Mini_Omikuji *omikuji_window = nullptr;
    QLCDNumber *row_lcd[row_count] = {};
    QComboBox *row_combo[row_count] = {};
    QLabel *title_label = nullptr;
    QLabel *row_label[row_count] = {};
    QPushButton *row_input_button[row_count] = {};
    QPushButton *check_button = nullptr;
    QPushButton *next_button = nullptr;
    int click_count = 0;
};

#endif // CONFIG_MINI_OMIKUJI_H
