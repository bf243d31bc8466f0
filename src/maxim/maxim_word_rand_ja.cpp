// SPDX-License-Identifier: GPL-3.0-or-later
#include "maxim/maxim_word_rand_ja.h"

#include "maxim/maxim_word_ja.h"

// Not moved: the window system places it.
Maxim_Word_Rand_Ja::Maxim_Word_Rand_Ja(QWidget *parent)
    : Maxim_Random({new Maxim_Word_Ja(nullptr), Maxim_Look::japanese, std::nullopt, tr("No=%1"),
                       tr("Close"), tr("Japanese maxim at random"), Seeding::also_at_start},
        parent)
{ }
