// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIME_SOURCE_H
#define TIME_SOURCE_H

#include <QDateTime>
#include <functional>

// Where the clock and the chime read the current date and time. Tests hand in
// their own reader to stand at any moment and to move time on without waiting.
class Time_Source
{
public:
    static QDateTime now();

    // An empty reader goes back to the system clock.
    static void set_reader(std::function<QDateTime()> reader);
};

#endif // TIME_SOURCE_H
