// SPDX-License-Identifier: GPL-3.0-or-later
#include "chime_schedule.h"

#include "time_names.h"

int Chime_Schedule::sound_due(const QDateTime &moment)
{
    const QTime time = moment.time();
    if (time.minute() != 0 || time.second() > grace_seconds)
        return 0;

    QDateTime hour_start = moment;
    hour_start.setTime(QTime(time.hour(), 0));
    if (hour_start == last_rung_hour)
        return 0;
    last_rung_hour = hour_start;
    return Time_Names::chime_sound(time.hour());
}
