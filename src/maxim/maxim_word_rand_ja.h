// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MAXIM_WORD_RAND_JA_H
#define MAXIM_WORD_RAND_JA_H

#include <QWidget>

class Maxim_Word_Ja;
class QLabel;
class QPushButton;
class QTextEdit;

// Shows one Japanese maxim drawn at random; Close draws the next one, so it is
// ready when the window is shown again. Its constructor seeds the program's
// random generator.
class Maxim_Word_Rand_Ja : public QWidget
{
    Q_OBJECT

public:
    explicit Maxim_Word_Rand_Ja(QWidget *parent = nullptr);
    ~Maxim_Word_Rand_Ja() override;

public slots:
    void Push_Close_Clicked();

private:
    void Set_Rand_Maxim();

    Maxim_Word_Ja *catalogue = nullptr; // never shown: only for looking texts up
    QLabel *no_label = nullptr;
    QTextEdit *heading_edit = nullptr;
    QTextEdit *text_edit = nullptr;
    QPushButton *close_button = nullptr;
    int rand_no = 0;
};

#endif // MAXIM_WORD_RAND_JA_H
