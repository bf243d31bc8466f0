// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CHIME_SCHEDULE_H
#define CHIME_SCHEDULE_H

#include <QDateTime>

// Decides when the hourly chime rings. The chime timer ticks about once a
// second, but a tick may miss the first second of an hour or two ticks may
// share it; so the first tick within hh:00:00 to hh:00:02 of an hour that has
// not rung yet rings it, and no other tick does.
class Chime_Schedule
{
public:
    // The chime (1 to 12) that a tick at this moment rings, or 0 for none.
    int sound_due(const QDateTime &moment);

    static constexpr int grace_seconds = 2;

private:
    QDateTime last_rung_hour;
};

#endif // CHIME_SCHEDULE_H
