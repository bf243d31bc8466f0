// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CHINESE_MAXIMS_H
#define CHINESE_MAXIMS_H

// The Chinese maxims, as romanised Japanese readings: heading and explanation.
// Position 2n holds the heading of entry n, position 2n + 1 its text.
constexpr int chinese_maxim_count = 64;
extern const char *const chinese_maxim_source[2 * chinese_maxim_count];

#endif // CHINESE_MAXIMS_H
