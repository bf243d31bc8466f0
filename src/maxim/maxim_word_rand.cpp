// SPDX-License-Identifier: GPL-3.0-or-later
#include "maxim/maxim_word_rand.h"

#include "maxim/maxim_entry.h"
#include "maxim/maxim_layout.h"
#include "maxim/maxim_seed.h"
#include "maxim/maxim_word.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <cstdlib>

Maxim_Word_Rand::Maxim_Word_Rand(QWidget *parent) : QWidget(parent)
{
    move(480, 360);
    setFixedSize(760, 280);
    catalogue = new Maxim_Word(nullptr);

    no_label = New_Maxim_Widget<QLabel>(this, "no_label", 10);

    heading_label = New_Maxim_Widget<QLabel>(this, "heading_label", 10);
    // The longest headings are wider than the window: they go on in a second line.
    heading_label->setWordWrap(true);

    text_edit = New_Maxim_Widget<QTextEdit>(this, "text_edit", 12);
    text_edit->setReadOnly(true);

    close_button = new QPushButton(tr("Close"), this);
    close_button->setObjectName(QStringLiteral("close_button"));

    Lay_Out_Maxim_Window(this, no_label, heading_label, text_edit, {close_button});

    Set_Rand_Maxim();

    connect(close_button, &QPushButton::clicked, this, &Maxim_Word_Rand::Push_Close_Clicked);
}

Maxim_Word_Rand::~Maxim_Word_Rand()
{
    delete catalogue;
}

void Maxim_Word_Rand::Set_Rand_Maxim()
{
    rand_no = std::rand() % Maxim_Word::maxim_count;
    no_label->setText(tr("No=%1").arg(rand_no));
    heading_label->setText(catalogue->Get_Maxim_Text(rand_no, 0));
    text_edit->setText(catalogue->Get_Maxim_Text(rand_no, 1));
}

void Maxim_Word_Rand::Push_Close_Clicked()
{
    close();
    Seed_Maxim_Random();
    Set_Rand_Maxim();
}
