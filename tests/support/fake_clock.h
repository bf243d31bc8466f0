// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FAKE_CLOCK_H
#define FAKE_CLOCK_H

#include <QDateTime>

// Stands the program's clock at a chosen moment while the object lives; the
// system clock comes back when it goes.
class Fake_Clock
{
public:
    explicit Fake_Clock(const QDateTime &start);
    ~Fake_Clock();

    Fake_Clock(const Fake_Clock &) = delete;
    Fake_Clock &operator=(const Fake_Clock &) = delete;

    void set(const QDateTime &moment) { current = moment; }
    void advance_ms(qint64 ms) { current = current.addMSecs(ms); }
    QDateTime now() const { return current; }

private:
    QDateTime current;
};

#endif // FAKE_CLOCK_H
