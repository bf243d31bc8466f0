// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/chime_schedule.h"

#include "clock/time_names.h"

namespace {
constexpr qint64 hour_seconds = 3600;
}

int Chime_Schedule::sound_due(const QDateTime &moment)
{
    if (!is_due(moment))
        return 0;
    remember(hour_of(moment));
    return Time_Names::chime_sound(moment.time().hour());
}

bool Chime_Schedule::is_due(const QDateTime &moment) const
{
    const QTime time = moment.time();
    return time.minute() == 0 && time.second() <= grace_seconds && !rung(hour_of(moment));
}

// The full hour a moment lies in, as seconds since the epoch.
qint64 Chime_Schedule::hour_of(const QDateTime &moment)
{
    QDateTime hour_start = moment;
    hour_start.setTime(QTime(moment.time().hour(), 0));
    return hour_start.toSecsSinceEpoch();
}

bool Chime_Schedule::rung(qint64 hour) const
{
    for (const auto &run : rung_hours) {
        if (hour >= run.first && hour <= run.second && (hour - run.first) % hour_seconds == 0)
            return true;
    }
    return false;
}

void Chime_Schedule::remember(qint64 hour)
{
    for (auto &run : rung_hours) {
        if (hour == run.second + hour_seconds) {
            run.second = hour;
            return;
        }
        if (hour == run.first - hour_seconds) {
            run.first = hour;
            return;
        }
    }
    rung_hours.append({hour, hour});
}
