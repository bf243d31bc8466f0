// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MAXIM_WORD_RAND_H
#define MAXIM_WORD_RAND_H

#include "maxim/maxim_random.h"

// Shows one Chinese maxim drawn at random.
class Maxim_Word_Rand : public Maxim_Random
{
    Q_OBJECT

public:
    explicit Maxim_Word_Rand(QWidget *parent = nullptr);
};

#endif // MAXIM_WORD_RAND_H
