// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MAXIM_WORD_H
#define MAXIM_WORD_H

#include "maxim/maxim_browser.h"

// Reads the Chinese maxims one by one in numeric order; Close returns to the
// first one.
class Maxim_Word : public Maxim_Browser
{
    Q_OBJECT

public:
    explicit Maxim_Word(QWidget *parent = nullptr);

public slots:
    void Push_Next_Clicked() { Step(+1); }

private:
    static int i;
};

#endif // MAXIM_WORD_H
