// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CALENDER_SHOW_H
#define CALENDER_SHOW_H

#include <QCalendarWidget>

// The month calendar as an always-on-top window of its own. It is built when
// first opened, and keeps the date of that day selected.
class Calender_Show : public QCalendarWidget
{
    Q_OBJECT

public:
    explicit Calender_Show(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

#endif // CALENDER_SHOW_H
