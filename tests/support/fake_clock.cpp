// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_clock.h"

#include "time_source.h"

Fake_Clock::Fake_Clock(const QDateTime &start) : current(start)
{
    Time_Source::set_reader([this] { return now(); });
}

Fake_Clock::~Fake_Clock()
{
    Time_Source::set_reader({});
}
