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

// A child of a maxim window, named for tests; the maxim windows draw their
// texts bold at a given size, in the widget's own family.
template<class Widget>
Widget *New_Maxim_Widget(QWidget *window, const char *object_name, int point_size)
{
    auto *widget = new Widget(window);
    widget->setObjectName(QLatin1String(object_name));
    QFont font = widget->font();
    font.setPointSize(point_size);
    font.setWeight(QFont::Bold);
    widget->setFont(font);
    return widget;
}

#endif // MAXIM_ENTRY_H
