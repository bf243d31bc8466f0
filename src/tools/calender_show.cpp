// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/calender_show.h"

#include "core/time_source.h"

#include <QDate>

Calender_Show::Calender_Show(QWidget *parent) : QCalendarWidget(parent)
{
    setWindowFlags(Qt::WindowStaysOnTopHint | Qt::WindowSystemMenuHint);
    move(900, 120);
    setGridVisible(true);
    setNavigationBarVisible(true);
    // Today by the program's own clock: selected, and its month shown.
    const QDate today = Time_Source::now().date();
    setSelectedDate(QDate(today.year(), today.month(), today.day()));
    setCurrentPage(today.year(), today.month());
}
