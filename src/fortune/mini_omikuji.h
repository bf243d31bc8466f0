// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MINI_OMIKUJI_H
#define MINI_OMIKUJI_H

#include <QString>
#include <QWidget>

class QLabel;
class QLCDNumber;
class QPaintEvent;
class QPushButton;
class QTimer;

// The fortune drawing: a one-digit display runs through random digits 0 to 4
// until the user stops it; the digit picks one of five slots, and the window
// grows to show the grade held there with its four sayings.
class Mini_Omikuji : public QWidget
{
    Q_OBJECT

public:
    explicit Mini_Omikuji(QWidget *parent = nullptr);

    // The fortune slots a drawing chooses from; the digit drawn is the slot.
    static constexpr int slot_count = 5;

    // Translated texts of the fortune table, row 0 to 11 (grade minus 1); any
    // other row gives an empty text.
    static QString Unsei_Name(int index);
    static QString Study_Text(int index);
    static QString Lover_Text(int index);
    static QString Money_Text(int index);
    static QString Trouble_Text(int index);

    // Grades 1 to 12, 0 while a slot is not set; written by the configuration
    // window.
    int buf_uranai_result[slot_count] = {};

public slots:
    void Start_Stop_Button_pushed();
    void Display_Changed();
    void Close_Button_clicked();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void Show_Result();
    // The result's labels and "Close", or the display and its button.
    void show_result_layout(bool result);
    void fit_result();

    QLCDNumber *lcd_number = nullptr;
    QPushButton *start_stop_button = nullptr;
    QPushButton *close_button = nullptr;
    QTimer *draw_timer = nullptr;
    int push_count = 0;
    int now_number = 0;
    int buf_r = 0;
    QLabel *unsei_label = nullptr;
    QLabel *study_label = nullptr;
    QLabel *lover_label = nullptr;
    QLabel *money_label = nullptr;
    QLabel *trouble_label = nullptr;
};

#endif // MINI_OMIKUJI_H
