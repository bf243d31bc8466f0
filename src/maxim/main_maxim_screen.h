// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MAIN_MAXIM_SCREEN_H
#define MAIN_MAXIM_SCREEN_H

#include <QWidget>

class Maxim_Word;
class Maxim_Word_Ja;
class Maxim_Word_Rand;
class Maxim_Word_Rand_Ja;
class QGroupBox;
class QPushButton;
class QRadioButton;

// Chooses the kind of maxim (Chinese or Japanese) and how to read them (at
// random or in numeric order), and opens the matching maxim window. It owns the
// four maxim windows for the whole run, so each keeps its place between visits.
class Main_Maxim_Screen : public QWidget
{
    Q_OBJECT

public:
    explicit Main_Maxim_Screen(QWidget *parent = nullptr);
    ~Main_Maxim_Screen() override;

public slots:
    void Select_OK_Button_clicked();

private:
    QGroupBox *method_group = nullptr;
    QRadioButton *random_radio = nullptr;
    QRadioButton *numeric_radio = nullptr;
    QGroupBox *kind_group = nullptr;
    QRadioButton *chinese_radio = nullptr;
    QRadioButton *japanese_radio = nullptr;
    QRadioButton *close_radio = nullptr;
    QPushButton *select_button = nullptr;
    Maxim_Word *maxim_word = nullptr;
    Maxim_Word_Ja *maxim_word_ja = nullptr;
    Maxim_Word_Rand_Ja *maxim_word_rand_ja = nullptr;
    Maxim_Word_Rand *maxim_word_rand = nullptr;
};

#endif // MAIN_MAXIM_SCREEN_H
