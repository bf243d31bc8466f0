// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MAXIM_LAYOUT_H
#define MAXIM_LAYOUT_H

#include <initializer_list>

class QPushButton;
class QWidget;

// Every maxim window is arranged alike, top to bottom: the number at the left,
// the heading, the text, and the buttons at the right in the order given.
void Lay_Out_Maxim_Window(QWidget *window, QWidget *number, QWidget *heading, QWidget *text,
    std::initializer_list<QPushButton *> buttons);

#endif // MAXIM_LAYOUT_H
