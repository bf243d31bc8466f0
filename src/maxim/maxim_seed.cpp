// SPDX-License-Identifier: GPL-3.0-or-later
#include "maxim/maxim_seed.h"

#include "core/time_source.h"

#include <cstdlib>

void Seed_Maxim_Random()
{
    // srand keeps the low 32 bits of the seconds, as with std::time(nullptr).
    std::srand(static_cast<unsigned>(Time_Source::now().toSecsSinceEpoch()));
}
