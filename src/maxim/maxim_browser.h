// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MAXIM_BROWSER_H
#define MAXIM_BROWSER_H

#include "maxim/maxim_entry.h"
#include "maxim/maxim_window.h"

#include <vector>

class Maxim_Catalogue;

// Reads a maxim catalogue one entry at a time in numeric order; Back and Next
// stop at its ends and print trace lines. The entry number belongs to the
// class, shared by every window of it.
class Maxim_Browser : public Maxim_Window
{
    Q_OBJECT

public:
    enum class Button_Order { close_next_back, next_close_back }; // also the focus order
    enum class On_Close { first_entry, same_entry }; // where the next showing starts
    enum class Back_Trace { two_lines, three_lines }; // the third is the entry line

    // Where the Chinese and the Japanese browser differ.
    struct Traits
    {
        Maxim_Catalogue &catalogue;
        int &entry; // the class's entry number
        Maxim_Look look;
        QPoint position;
        QString title;
        QString number_format; // "No=%1", translated or not
        QString close, next, back; // the button texts
        Button_Order button_order;
        On_Close on_close;
        Back_Trace back_trace;
        // printf formats: two lines about the entry shown, then the entry line.
        const char *first_trace, *second_trace, *entry_trace;
    };

    // Any instance serves: the catalogue is the program's, not the window's.
    QString Get_Maxim_Text(int number, int column) const;
    int Maxim_Count() const;

public slots:
    void Push_Close_Clicked();
    void Push_Back_Clicked() { Step(-1); }

protected:
    Maxim_Browser(const Traits &traits, QWidget *parent);

    // Moves by one entry (+1 Next, -1 Back) unless that leaves the catalogue.
    void Step(int by);

private:
    void Show_First_Maxim();
    void Show_Entry(int number, int shown_number);

    Traits traits;
    std::vector<Maxim_Entry> maxim; // the texts last fetched for each entry
    QPushButton *close_button = nullptr;
    QPushButton *next_button = nullptr;
    QPushButton *back_button = nullptr;
};

#endif // MAXIM_BROWSER_H
