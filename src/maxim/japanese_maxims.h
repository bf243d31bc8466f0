// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef JAPANESE_MAXIMS_H
#define JAPANESE_MAXIMS_H

// The Japanese maxims, romanised: a numbered short title and its text.
// Position 2n holds the heading of entry n, position 2n + 1 its text.
constexpr int japanese_maxim_count = 40;
extern const char *const japanese_maxim_source[2 * japanese_maxim_count];

#endif // JAPANESE_MAXIMS_H
