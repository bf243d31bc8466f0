// SPDX-License-Identifier: GPL-3.0-or-later
#include "maxim/maxim_word_ja.h"

#include "maxim/japanese_maxims.h"
#include "maxim/maxim_catalogue.h"
#include "maxim/maxim_layout.h"
#include "maxim/maxim_text_edit.h"

#include <QLabel>
#include <QPushButton>
#include <cstdint>
#include <cstdio>

int Maxim_Word_Ja::i2 = 0;

Maxim_Word_Ja::Maxim_Word_Ja(QWidget *parent) : QWidget(parent)
{
    setFixedSize(500, 380);
    move(630, 220);
    setWindowTitle(tr("Todays maxim in Japan"));
    maxim = std::make_unique<Maxim_Entry[]>(maxim_count);

    no_label = New_Maxim_Widget<QLabel>(this, "no_label", 10);
    no_label->setText(tr("No=%1").arg(i2));

    // Both texts stay editable: the reader may write their own thoughts on a
    // maxim; moving to another entry brings the catalogue texts back.
    heading_edit = New_Maxim_Widget<Maxim_Text_Edit>(this, "heading_edit", 14);

    text_edit = New_Maxim_Widget<Maxim_Text_Edit>(this, "text_edit", 14);

    next_button = new QPushButton(tr("Next"), this);
    next_button->setObjectName(QStringLiteral("next_button"));
    close_button = new QPushButton(tr("Close"), this);
    close_button->setObjectName(QStringLiteral("close_button"));
    back_button = new QPushButton(tr("Back"), this);
    back_button->setObjectName(QStringLiteral("back_button"));
    back_button->setEnabled(false);

    Lay_Out_Maxim_Window(
        this, no_label, heading_edit, text_edit, {back_button, next_button, close_button});

    Show_First_Maxim();

    connect(close_button, &QPushButton::clicked, this, &Maxim_Word_Ja::Push_Close_Clicked);
    connect(next_button, &QPushButton::clicked, this, &Maxim_Word_Ja::Push_Ok_Clicked);
    connect(back_button, &QPushButton::clicked, this, &Maxim_Word_Ja::Push_Back_Clicked);
}

QString Maxim_Word_Ja::Get_Maxim_Text(int number, int column) const
{
    static Maxim_Catalogue catalogue("Maxim_Word_Ja", japanese_maxim_source, japanese_maxim_count);
    return catalogue.text(number, column);
}

void Maxim_Word_Ja::Show_First_Maxim()
{
    no_label->setText(tr("No=%1").arg(i2));
    maxim[0].heading = Get_Maxim_Text(0, 0);
    heading_edit->setText(maxim[0].heading);
    maxim[0].text = Get_Maxim_Text(0, 1);
    text_edit->setText(maxim[0].text);
}

// Shows entry number, with the two trace lines around the heading.
void Maxim_Word_Ja::show_entry(int number)
{
    const auto address
        = static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(&maxim[number]));
    std::printf("1.i2=%d,i2=%d,maxim+i=%llu\n", number, number, address);
    // The same form as at the first entry, translated on a Japanese system.
    no_label->setText(tr("No=%1").arg(number));
    maxim[number].heading = Get_Maxim_Text(number, 0);
    heading_edit->setText(maxim[number].heading);
    std::printf("2.i2=%d,i2=%d,maxim+i2=%llu\n", number, number, address);
    maxim[number].text = Get_Maxim_Text(number, 1);
    text_edit->setText(maxim[number].text);
}

void Maxim_Word_Ja::Push_Close_Clicked()
{
    close();
}

void Maxim_Word_Ja::Push_Ok_Clicked()
{
    if (i2 < maxim_count - 1) {
        ++i2;
        show_entry(i2);
        if (i2 == maxim_count - 1)
            next_button->setEnabled(false);
        if (i2 >= 1 && i2 <= maxim_count - 1)
            back_button->setEnabled(true);
    }
    std::printf("i2=%d\n", i2);
}

void Maxim_Word_Ja::Push_Back_Clicked()
{
    if (i2 > 0) {
        --i2;
        show_entry(i2);
        if (i2 == 0)
            back_button->setEnabled(false);
        if (i2 >= 1 && i2 <= maxim_count - 1)
            next_button->setEnabled(true);
    }
    std::printf("i2=%d\n", i2);
}
