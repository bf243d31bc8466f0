// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MAXIM_ENTRY_H
#define MAXIM_ENTRY_H

#include <QString>

// The texts of one maxim as last fetched for display.
struct Maxim_Entry
{
    QString heading;
    QString text;
};

#endif // MAXIM_ENTRY_H
