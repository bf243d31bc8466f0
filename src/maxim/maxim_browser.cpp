// SPDX-License-Identifier: GPL-3.0-or-later
#include "maxim/maxim_browser.h"

#include "maxim/maxim_catalogue.h"

#include <QPushButton>
#include <cstdint>
#include <cstdio>

Maxim_Browser::Maxim_Browser(const Traits &traits, QWidget *parent)
    : Maxim_Window(traits.look, traits.position, parent)
    , traits(traits)
    , maxim(traits.catalogue.count())
{
    setWindowTitle(traits.title);
    const bool close_first = traits.button_order == Button_Order::close_next_back;
    if (close_first)
        close_button = New_Button(traits.close, "close_button");
    next_button = New_Button(traits.next, "next_button");
    if (!close_first)
        close_button = New_Button(traits.close, "close_button");
    back_button = New_Button(traits.back, "back_button");
    back_button->setEnabled(false);
    Lay_Out({back_button, next_button, close_button});

    Show_First_Maxim();

    connect(close_button, &QPushButton::clicked, this, &Maxim_Browser::Push_Close_Clicked);
    connect(next_button, &QPushButton::clicked, this, [this] { Step(+1); });
    connect(back_button, &QPushButton::clicked, this, &Maxim_Browser::Push_Back_Clicked);
}

QString Maxim_Browser::Get_Maxim_Text(int number, int column) const
{
    return traits.catalogue.text(number, column);
}

int Maxim_Browser::Maxim_Count() const
{
    return traits.catalogue.count();
}

// Entry 0 under the class's entry number, which is 0 whenever this is called.
void Maxim_Browser::Show_First_Maxim()
{
    Show_Entry(0, traits.entry);
}

void Maxim_Browser::Show_Entry(int number, int shown_number)
{
    maxim[number] = {Get_Maxim_Text(number, 0), Get_Maxim_Text(number, 1)};
    Show_Maxim(traits.number_format.arg(shown_number), maxim[number].heading, maxim[number].text);
}

void Maxim_Browser::Step(int by)
{
    int &n = traits.entry;
    const int last = Maxim_Count() - 1;
    if (by > 0 ? n < last : n > 0) {
        n += by;
        const auto address
            = static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(&maxim[n]));
        std::printf(traits.first_trace, n, n, address);
        std::printf(traits.second_trace, n, n, address);
        Show_Entry(n, n);
        back_button->setEnabled(n > 0);
        next_button->setEnabled(n < last);
    }
    if (by > 0 || traits.back_trace == Back_Trace::three_lines)
        std::printf(traits.entry_trace, n);
}

void Maxim_Browser::Push_Close_Clicked()
{
    if (traits.on_close == On_Close::first_entry) {
        traits.entry = 0;
        back_button->setEnabled(false);
        next_button->setEnabled(true);
        Show_First_Maxim();
    }
    close();
}
