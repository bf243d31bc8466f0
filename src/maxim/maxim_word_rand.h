// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MAXIM_WORD_RAND_H
#define MAXIM_WORD_RAND_H

#include <QWidget>

class Maxim_Word;
class QLabel;
class QPushButton;
class QTextEdit;

// Shows one Chinese maxim drawn at random; Close draws the next one, so it is
// ready when the window is shown again.
class Maxim_Word_Rand : public QWidget
{
    Q_OBJECT

public:
    explicit Maxim_Word_Rand(QWidget *parent = nullptr);
    ~Maxim_Word_Rand() override;

public slots:
    void Push_Close_Clicked();

private:
    void Set_Rand_Maxim();

    int rand_no = 0;
    Maxim_Word *catalogue = nullptr; // never shown: only for looking texts up
    QLabel *heading_label = nullptr;
    QLabel *no_label = nullptr;
    QTextEdit *text_edit = nullptr;
    QPushButton *close_button = nullptr;
};

#endif // MAXIM_WORD_RAND_H
