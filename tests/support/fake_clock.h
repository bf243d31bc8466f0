// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FAKE_CLOCK_H
#define FAKE_CLOCK_H

#include "time_source.h"

#include <QElapsedTimer>

// Stands the program's clock at a chosen moment while the object lives; the
// system clock comes back when it goes. run_from() lets it go on from a moment
// in step with real time, so the real timers see a full hour come in a second.
class Fake_Clock
{
public:
    explicit Fake_Clock(const QDateTime &start) : current(start)
    {
        Time_Source::set_reader(
            [this] { return running ? current.addMSecs(since.elapsed()) : current; });
    }
    ~Fake_Clock() { Time_Source::set_reader({}); }
    Fake_Clock(const Fake_Clock &) = delete;
    Fake_Clock &operator=(const Fake_Clock &) = delete;

    void set(const QDateTime &moment, bool run_on = false)
    {
        current = moment;
        running = run_on;
        since.start();
    }

private:
    QDateTime current;
    QElapsedTimer since;
    bool running = false;
};

#endif // FAKE_CLOCK_H
