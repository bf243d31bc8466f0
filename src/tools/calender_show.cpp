// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/calender_show.h"

#include "core/time_source.h"
#include "core/window_keys.h"

#include <QDate>
#include <QEvent>
#include <QToolButton>

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
    // Tab reaches the bar's buttons too, as they read, then the days, which
    // have the focus first; a click on a button leaves the focus where it was.
    QWidget *before = nullptr;
    for (const char *child : {"qt_calendar_prevmonth", "qt_calendar_monthbutton",
             "qt_calendar_yearbutton", "qt_calendar_nextmonth", "qt_calendar_calendarview"}) {
        auto *widget = findChild<QWidget *>(QLatin1String(child));
        if (!widget)
            continue;
        if (qobject_cast<QToolButton *>(widget)) {
            widget->setFocusPolicy(Qt::TabFocus);
            widget->installEventFilter(this);
        }
        if (before)
            setTabOrder(before, widget);
        before = widget;
    }
    if (before)
        before->setFocus();
}

// The style draws no focus on the bar's buttons: a ring in the bar's text
// colour goes round the one with the focus.
bool Calender_Show::eventFilter(QObject *watched, QEvent *event)
{
    auto *button = qobject_cast<QToolButton *>(watched);
    if (event->type() != QEvent::Paint || !button || !isAncestorOf(button))
        return QCalendarWidget::eventFilter(watched, event);
    static_cast<QObject *>(button)->event(event); // the button as it is
    Window_Keys::Paint_Focus_Ring(button, button->foregroundRole());
    return true;
}
