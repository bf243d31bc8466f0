// SPDX-License-Identifier: GPL-3.0-or-later
#include "maxim/maxim_random.h"

#include "maxim/maxim_browser.h"
#include "maxim/maxim_seed.h"

#include <QPushButton>
#include <cstdlib>

Maxim_Random::Maxim_Random(const Traits &traits, QWidget *parent)
    : Maxim_Window(traits.look, traits.position, parent)
    , catalogue(traits.catalogue)
    , number_format(traits.number_format)
{
    if (traits.seeding == Seeding::also_at_start)
        Seed_Maxim_Random();
    setAccessibleName(traits.name);
    close_button = New_Button(traits.close, "close_button");
    Lay_Out({close_button});

    Set_Rand_Maxim();

    connect(close_button, &QPushButton::clicked, this, &Maxim_Random::Push_Close_Clicked);
}

Maxim_Random::~Maxim_Random() = default;

void Maxim_Random::Set_Rand_Maxim()
{
    // The modulus is the catalogue's size, so every number drawn is an entry.
    rand_no = std::rand() % catalogue->Maxim_Count();
    Show_Maxim(number_format.arg(rand_no), catalogue->Get_Maxim_Text(rand_no, 0),
        catalogue->Get_Maxim_Text(rand_no, 1));
}

void Maxim_Random::Push_Close_Clicked()
{
    close();
    Seed_Maxim_Random();
    Set_Rand_Maxim();
}
