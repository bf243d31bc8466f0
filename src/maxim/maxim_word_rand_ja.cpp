// SPDX-License-Identifier: GPL-3.0-or-later
#include "maxim/maxim_word_rand_ja.h"

#include "maxim/maxim_entry.h"
#include "maxim/maxim_layout.h"
#include "maxim/maxim_seed.h"
#include "maxim/maxim_text_edit.h"
#include "maxim/maxim_word_ja.h"

#include <QLabel>
#include <QPushButton>
#include <cstdlib>

Maxim_Word_Rand_Ja::Maxim_Word_Rand_Ja(QWidget *parent) : QWidget(parent)
{
    // Not moved: the window system places it.
    setFixedSize(500, 380);
    catalogue = new Maxim_Word_Ja(nullptr);
    Seed_Maxim_Random();

    no_label = New_Maxim_Widget<QLabel>(this, "no_label", 10);

    heading_edit = New_Maxim_Widget<Maxim_Text_Edit>(this, "heading_edit", 14);

    text_edit = New_Maxim_Widget<Maxim_Text_Edit>(this, "text_edit", 14);

    close_button = new QPushButton(tr("Close"), this);
    close_button->setObjectName(QStringLiteral("close_button"));

    Lay_Out_Maxim_Window(this, no_label, heading_edit, text_edit, {close_button});

    Set_Rand_Maxim();

    connect(close_button, &QPushButton::clicked, this, &Maxim_Word_Rand_Ja::Push_Close_Clicked);
}

Maxim_Word_Rand_Ja::~Maxim_Word_Rand_Ja()
{
    delete catalogue;
}

void Maxim_Word_Rand_Ja::Set_Rand_Maxim()
{
    rand_no = std::rand() % Maxim_Word_Ja::maxim_count;
    no_label->setText(tr("No=%1").arg(rand_no));
    heading_edit->setText(catalogue->Get_Maxim_Text(rand_no, 0));
    text_edit->setText(catalogue->Get_Maxim_Text(rand_no, 1));
}

void Maxim_Word_Rand_Ja::Push_Close_Clicked()
{
    close();
    Seed_Maxim_Random();
    Set_Rand_Maxim();
}
