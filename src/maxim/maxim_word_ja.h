// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MAXIM_WORD_JA_H
#define MAXIM_WORD_JA_H

#include "maxim/maxim_entry.h"

#include <QWidget>
#include <memory>

class QLabel;
class QPushButton;
class QTextEdit;

// Reads the Japanese maxims one by one in numeric order. The entry number is
// one for the whole program, shared by every window of this class; closing
// the window keeps it, so the reader continues where they stopped.
class Maxim_Word_Ja : public QWidget
{
    Q_OBJECT

public:
    static constexpr int maxim_count = 40;

    explicit Maxim_Word_Ja(QWidget *parent = nullptr);

    // Any instance serves: the catalogue is the program's, not the window's.
    QString Get_Maxim_Text(int number, int column) const;

    // The texts last fetched for entry number (0 to maxim_count - 1).
    const Maxim_Entry &entry(int number) const
    {
        Q_ASSERT(number >= 0 && number < maxim_count);
        return maxim[number];
    }

public slots:
    void Push_Close_Clicked();
    void Push_Ok_Clicked();
    void Push_Back_Clicked();

private:
    void Show_First_Maxim();
    void show_entry(int number);

    static int i2;

    std::unique_ptr<Maxim_Entry[]> maxim;
    QLabel *no_label = nullptr;
    QTextEdit *heading_edit = nullptr;
    QTextEdit *text_edit = nullptr;
    QPushButton *back_button = nullptr;
    QPushButton *next_button = nullptr;
    QPushButton *close_button = nullptr;
};

#endif // MAXIM_WORD_JA_H
