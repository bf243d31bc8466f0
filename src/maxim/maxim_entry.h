// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MAXIM_ENTRY_H
#define MAXIM_ENTRY_H

#include <QFont>
#include <QString>
#include <QWidget>

// The texts of one maxim as last fetched for display.
struct Maxim_Entry
{
    QString heading;
    QString text;
};

// The maxim windows draw their texts bold at a given size, in the widget's own
// family.
inline void Set_Maxim_Font(QWidget *widget, int point_size)
{
    QFont font = widget->font();
    font.setPointSize(point_size);
    font.setWeight(QFont::Bold);
    widget->setFont(font);
}

#endif // MAXIM_ENTRY_H
