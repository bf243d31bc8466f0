// SPDX-License-Identifier: GPL-3.0-or-later
#include "maxim/maxim_word.h"

#include "maxim/chinese_maxims.h"

int Maxim_Word::i = 0;

// The number is shown untranslated.
Maxim_Word::Maxim_Word(QWidget *parent)
    : Maxim_Browser({chinese_maxims, i, Maxim_Look::chinese, {480, 360}, tr("Todays maxim"),
                        QStringLiteral("No=%1"), tr("Close"), tr("Next"), tr("Back"),
                        Button_Order::close_next_back, On_Close::first_entry, Back_Trace::two_lines,
                        "1.i=%d,i=%d,maxim+i=%llu\n", "2.i=%d,i=%d,maxim+i=%llu\n", "i=%d\n"},
        parent)
{ }
