// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MAXIM_SEED_H
#define MAXIM_SEED_H

// Seeds the process-wide random generator from the current time in whole
// seconds (read through Time_Source, so tests can stand the clock still).
void Seed_Maxim_Random();

#endif // MAXIM_SEED_H
