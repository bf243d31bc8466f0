// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIME_NAMES_H
#define TIME_NAMES_H

class QTime;

// The traditional twelve-animal names of the months and of the two-hour periods
// of the day, and which chime belongs to which hour. The names are untranslated
// source texts; the clock window translates them in its own context.
namespace Time_Names {

// month: 1 to 12; any other number gives an empty text.
const char *month_traditional(int month);
const char *month_english(int month);

// Chosen by the hour alone; the first period spans midnight.
const char *period(const QTime &time);

// Chime 1 to chime_count for an hour of the day: the hour on a twelve-hour
// dial, 0 as 12.
int chime_sound(int hour);

} // namespace Time_Names

#endif // TIME_NAMES_H
