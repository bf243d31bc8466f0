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

    // The window has no title and the month arrows no text: a screen reader
    // names them from these. The month and year buttons say what they show.
    setAccessibleName(tr("Calendar"));
    const std::pair<const char *, QString> names[] = {
        {"qt_calendar_prevmonth", tr("Previous month")},
        {"qt_calendar_nextmonth", tr("Next month")},
        {"qt_calendar_yearedit", tr("Year")},
        {"qt_calendar_calendarview", tr("Days of the month")},
    };
    for (const auto &[child, name] : names)
        if (auto *widget = findChild<QWidget *>(QLatin1String(child)))
            widget->setAccessibleName(name);
}
