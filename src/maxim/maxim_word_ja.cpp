// SPDX-License-Identifier: GPL-3.0-or-later
#include "maxim/maxim_word_ja.h"

#include "maxim/japanese_maxims.h"

int Maxim_Word_Ja::i2 = 0;

// The number is translated, in the same form at every entry.
Maxim_Word_Ja::Maxim_Word_Ja(QWidget *parent)
    : Maxim_Browser(
        {japanese_maxims, i2, Maxim_Look::japanese, {630, 220}, tr("Todays maxim in Japan"),
            tr("No=%1"), tr("Close"), tr("Next"), tr("Back"), Button_Order::next_close_back,
            On_Close::same_entry, Back_Trace::three_lines, "1.i2=%d,i2=%d,maxim+i=%llu\n",
            "2.i2=%d,i2=%d,maxim+i2=%llu\n", "i2=%d\n"},
        parent)
{ }
