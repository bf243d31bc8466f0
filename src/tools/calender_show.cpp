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
    const QDate today = Time_Source::now().date();
    setSelectedDate(QDate(today.year(), today.month(), today.day()));
    // The month of the start-up date, read from the program's own clock.
    setCurrentPage(today.year(), today.month());
}
