// SPDX-License-Identifier: GPL-3.0-or-later
#include "maxim/maxim_layout.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

void Lay_Out_Maxim_Window(QWidget *window, QWidget *number, QWidget *heading, QWidget *text,
    std::initializer_list<QPushButton *> buttons)
{
    auto *number_row = new QHBoxLayout;
    number_row->addWidget(number);
    number_row->addStretch(0);
    auto *heading_row = new QHBoxLayout;
    heading_row->addWidget(heading);
    auto *text_row = new QHBoxLayout;
    text_row->addWidget(text);
    auto *button_row = new QHBoxLayout;
    button_row->addStretch(0);
    for (QPushButton *button : buttons)
        button_row->addWidget(button);

    auto *rows = new QVBoxLayout;
    rows->addLayout(number_row, 0);
    rows->addLayout(heading_row, 0);
    rows->addLayout(text_row, 0);
    rows->addLayout(button_row, 0);
    window->setLayout(rows);
}
