// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/time_names.h"

#include "core/chime_bank.h"

#include <QTime>
#include <QtGlobal>

namespace {

struct Month_Name
{
    const char *traditional;
    const char *english;
};

const Month_Name month_table[12] = {
    {QT_TRANSLATE_NOOP("Date_Time_Screen", "Usi no Tuki"),
        QT_TRANSLATE_NOOP("Date_Time_Screen", "January")},
    {QT_TRANSLATE_NOOP("Date_Time_Screen", "Tora no Tuki"),
        QT_TRANSLATE_NOOP("Date_Time_Screen", "February")},
    {QT_TRANSLATE_NOOP("Date_Time_Screen", "U no Tuki"),
        QT_TRANSLATE_NOOP("Date_Time_Screen", "March")},
    {QT_TRANSLATE_NOOP("Date_Time_Screen", "Tatu no Tuki"),
        QT_TRANSLATE_NOOP("Date_Time_Screen", "April")},
    {QT_TRANSLATE_NOOP("Date_Time_Screen", "Mi no Tuki"),
        QT_TRANSLATE_NOOP("Date_Time_Screen", "May")},
    {QT_TRANSLATE_NOOP("Date_Time_Screen", "Uma no Tuki"),
        QT_TRANSLATE_NOOP("Date_Time_Screen", "June")},
    {QT_TRANSLATE_NOOP("Date_Time_Screen", "Hituji no Tuki"),
        QT_TRANSLATE_NOOP("Date_Time_Screen", "July")},
    {QT_TRANSLATE_NOOP("Date_Time_Screen", "Saru no Tuki"),
        QT_TRANSLATE_NOOP("Date_Time_Screen", "August ")},
    {QT_TRANSLATE_NOOP("Date_Time_Screen", "Tori no Tuki"),
        QT_TRANSLATE_NOOP("Date_Time_Screen", "September")},
    {QT_TRANSLATE_NOOP("Date_Time_Screen", "inu no Tuki"),
        QT_TRANSLATE_NOOP("Date_Time_Screen", "October")},
    {QT_TRANSLATE_NOOP("Date_Time_Screen", "I no Tuki"),
        QT_TRANSLATE_NOOP("Date_Time_Screen", "November")},
    {QT_TRANSLATE_NOOP("Date_Time_Screen", "Ne no Tuki"),
        QT_TRANSLATE_NOOP("Date_Time_Screen", "December")},
};

// Period k begins at the odd hour 2k - 1 (23 for k = 0) and lasts two hours.
const char *const period_table[12] = {
    QT_TRANSLATE_NOOP("Date_Time_Screen", "Ne no koku"),
    QT_TRANSLATE_NOOP("Date_Time_Screen", "Ushi no koku"),
    QT_TRANSLATE_NOOP("Date_Time_Screen", "Tora no koku"),
    QT_TRANSLATE_NOOP("Date_Time_Screen", "U no koku"),
    QT_TRANSLATE_NOOP("Date_Time_Screen", "Tatu no koku"),
    QT_TRANSLATE_NOOP("Date_Time_Screen", "Me no koku"),
    QT_TRANSLATE_NOOP("Date_Time_Screen", "Uma no koku"),
    QT_TRANSLATE_NOOP("Date_Time_Screen", "Hituji no koku"),
    QT_TRANSLATE_NOOP("Date_Time_Screen", "Saru no koku"),
    QT_TRANSLATE_NOOP("Date_Time_Screen", "Tori no koku"),
    QT_TRANSLATE_NOOP("Date_Time_Screen", "Inu no koku"),
    QT_TRANSLATE_NOOP("Date_Time_Screen", "i no koku"),
};

bool valid_month(int month)
{
    return month >= 1 && month <= 12;
}

} // namespace

const char *Time_Names::month_traditional(int month)
{
    return valid_month(month) ? month_table[month - 1].traditional : "";
}

const char *Time_Names::month_english(int month)
{
    return valid_month(month) ? month_table[month - 1].english : "";
}

const char *Time_Names::period(const QTime &time)
{
    const int hour = time.isValid() ? time.hour() : 0;
    return period_table[((hour + 1) % 24) / 2];
}

// One chime per hour of the dial, chime_count hours round.
int Time_Names::chime_sound(int hour)
{
    const int dial = ((hour % chime_count) + chime_count) % chime_count;
    return dial == 0 ? chime_count : dial;
}
