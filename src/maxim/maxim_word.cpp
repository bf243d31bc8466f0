// SPDX-License-Identifier: GPL-3.0-or-later
#include "maxim/maxim_word.h"

#include "maxim/chinese_maxims.h"
#include "maxim/maxim_catalogue.h"
#include "maxim/maxim_layout.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <cstdint>
#include <cstdio>

int Maxim_Word::i = 0;

Maxim_Word::Maxim_Word(QWidget *parent) : QWidget(parent)
{
    move(480, 360);
    maxim = std::make_unique<Maxim_Entry[]>(maxim_count);
    setFixedSize(760, 280);
    setWindowTitle(tr("Todays maxim"));

    no_label = New_Maxim_Widget<QLabel>(this, "no_label", 10);
    no_label->setText(QStringLiteral("No=%1").arg(i));

    heading_label = New_Maxim_Widget<QLabel>(this, "heading_label", 10);
    // The longest headings are wider than the window: they go on in a second line.
    heading_label->setWordWrap(true);

    text_edit = New_Maxim_Widget<QTextEdit>(this, "text_edit", 12);
    text_edit->setReadOnly(true);

    close_button = new QPushButton(tr("Close"), this);
    close_button->setObjectName(QStringLiteral("close_button"));
    next_button = new QPushButton(tr("Next"), this);
    next_button->setObjectName(QStringLiteral("next_button"));
    back_button = new QPushButton(tr("Back"), this);
    back_button->setObjectName(QStringLiteral("back_button"));
    back_button->setEnabled(false);

    Lay_Out_Maxim_Window(
        this, no_label, heading_label, text_edit, {back_button, next_button, close_button});

    Show_First_Maxim();

    connect(close_button, &QPushButton::clicked, this, &Maxim_Word::Push_Close_Clicked);
    connect(next_button, &QPushButton::clicked, this, &Maxim_Word::Push_Next_Clicked);
    connect(back_button, &QPushButton::clicked, this, &Maxim_Word::Push_Back_Clicked);
}

QString Maxim_Word::Get_Maxim_Text(int number, int column) const
{
    static Maxim_Catalogue catalogue("Maxim_Word", chinese_maxim_source, chinese_maxim_count);
    return catalogue.text(number, column);
}

void Maxim_Word::Show_First_Maxim()
{
    no_label->setText(QStringLiteral("No=%1").arg(i));
    maxim[0].heading = Get_Maxim_Text(0, 0);
    heading_label->setText(maxim[0].heading);
    maxim[0].text = Get_Maxim_Text(0, 1);
    text_edit->setText(maxim[0].text);
}

// Shows entry number, with the two trace lines around the heading.
void Maxim_Word::show_entry(int number)
{
    const auto address
        = static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(&maxim[number]));
    std::printf("1.i=%d,i=%d,maxim+i=%llu\n", number, number, address);
    no_label->setText(QStringLiteral("No=%1").arg(number));
    maxim[number].heading = Get_Maxim_Text(number, 0);
    heading_label->setText(maxim[number].heading);
    std::printf("2.i=%d,i=%d,maxim+i=%llu\n", number, number, address);
    maxim[number].text = Get_Maxim_Text(number, 1);
    text_edit->setText(maxim[number].text);
}

void Maxim_Word::Push_Close_Clicked()
{
    i = 0;
    back_button->setEnabled(false);
    next_button->setEnabled(true);
    Show_First_Maxim();
    close();
}

void Maxim_Word::Push_Next_Clicked()
{
    if (i < maxim_count - 1) {
        ++i;
        show_entry(i);
        if (i == maxim_count - 1)
            next_button->setEnabled(false);
        if (i >= 1 && i <= maxim_count - 1)
            back_button->setEnabled(true);
    }
    std::printf("i=%d\n", i);
}

void Maxim_Word::Push_Back_Clicked()
{
    if (i > 0) {
        --i;
        show_entry(i);
        if (i == 0)
            back_button->setEnabled(false);
        if (i >= 1 && i <= maxim_count - 1)
            next_button->setEnabled(true);
    }
}
