// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FAKE_CLOCK_H
#define FAKE_CLOCK_H

#include <QDateTime>
#include <QElapsedTimer>

// Stands the program's clock at a chosen moment while the object lives; the
// system clock comes back when it goes. run_from() lets it go on from a moment
// in step with real time, so the real timers see a full hour come in a second.
class Fake_Clock
{
public:
    explicit Fake_Clock(const QDateTime &start);
    ~Fake_Clock();

    Fake_Clock(const Fake_Clock &) = delete;
    Fake_Clock &operator=(const Fake_Clock &) = delete;

    void set(const QDateTime &moment)
    {
        current = moment;
        running = false;
    }
    void run_from(const QDateTime &moment)
    {
        current = moment;
        since.start();
        running = true;
    }
    void advance_ms(qint64 ms) { current = current.addMSecs(ms); }
    QDateTime now() const { return running ? current.addMSecs(since.elapsed()) : current; }

private:
    QDateTime current;
    QElapsedTimer since;
    bool running = false;
};

#endif // FAKE_CLOCK_H
