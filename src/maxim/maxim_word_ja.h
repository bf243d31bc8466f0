// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MAXIM_WORD_JA_H
#define MAXIM_WORD_JA_H

#include "maxim/maxim_browser.h"

// Reads the Japanese maxims one by one in numeric order. Closing keeps the
// entry, so the reader continues where they stopped.
class Maxim_Word_Ja : public Maxim_Browser
{
    Q_OBJECT

public:
    explicit Maxim_Word_Ja(QWidget *parent = nullptr);

public slots:
    void Push_Ok_Clicked() { Step(+1); }

private:
    static int i2;
};

#endif // MAXIM_WORD_JA_H
