// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/time_source.h"

namespace {
std::function<QDateTime()> &reader()
{
    static std::function<QDateTime()> current;
    return current;
}
} // namespace

QDateTime Time_Source::now()
{
    return reader() ? reader()() : QDateTime::currentDateTime();
}

void Time_Source::set_reader(std::function<QDateTime()> new_reader)
{
    reader() = std::move(new_reader);
}
