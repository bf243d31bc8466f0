// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MAXIM_WORD_RAND_JA_H
#define MAXIM_WORD_RAND_JA_H

#include "maxim/maxim_random.h"

// Shows one Japanese maxim drawn at random. Its constructor seeds the
// program's random generator.
class Maxim_Word_Rand_Ja : public Maxim_Random
{
    Q_OBJECT

public:
    explicit Maxim_Word_Rand_Ja(QWidget *parent = nullptr);
};

#endif // MAXIM_WORD_RAND_JA_H
