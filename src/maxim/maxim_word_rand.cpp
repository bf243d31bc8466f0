// SPDX-License-Identifier: GPL-3.0-or-later
#include "maxim/maxim_word_rand.h"

#include "maxim/maxim_word.h"

Maxim_Word_Rand::Maxim_Word_Rand(QWidget *parent)
    : Maxim_Random({new Maxim_Word(nullptr), Maxim_Look::chinese, QPoint(480, 360), tr("No=%1"),
                       tr("Close"), tr("Chinese maxim at random"), Seeding::on_close},
        parent)
{ }
