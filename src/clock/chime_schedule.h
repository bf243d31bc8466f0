// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CHIME_SCHEDULE_H
#define CHIME_SCHEDULE_H

#include <QDateTime>
#include <QList>
#include <QPair>

// Decides when the hourly chime rings. A check may miss the first second of
// an hour or two checks may share it, so the first check within hh:00:00 to
// hh:00:02 of an hour that has not rung yet rings it, and no other does. The
// hours rung are all remembered, so a wall clock set back never strikes an
// hour twice.
class Chime_Schedule
{
public:
    // The chime (1 to 12) that a check at this moment rings, or 0 for none.
    int sound_due(const QDateTime &moment);
    // Whether a check at this moment would ring, without ringing.
    bool is_due(const QDateTime &moment) const;

    static constexpr int grace_seconds = 2;

private:
    static qint64 hour_of(const QDateTime &moment);
    bool rung(qint64 hour) const;
    void remember(qint64 hour);

    // Runs of consecutive hours rung, first and last, each as the local full
    // hour's seconds since the epoch: one run while the clock runs on, and
    // one more per step of the clock, however long the program runs.
    QList<QPair<qint64, qint64>> rung_hours;
};

#endif // CHIME_SCHEDULE_H
