// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FORTUNE_TABLE_H
#define FORTUNE_TABLE_H

// The fixed texts of the fortune drawing: for each grade, from 1 (best) to 12
// (worst), its name and four sayings. Row n holds grade n + 1. The texts are
// untranslated source texts; the fortune windows translate them in their own
// contexts.

constexpr int fortune_row_count = 12;

extern const char *const unsei_name_table[fortune_row_count];
extern const char *const study_text_table[fortune_row_count];
extern const char *const lover_text_table[fortune_row_count];
extern const char *const money_text_table[fortune_row_count];
// The trouble lines carry a disambiguation where the same words stand for
// something else in another line (null where a text needs none).
struct Fortune_Text
{
    const char *source;
    const char *comment;
};
extern const Fortune_Text trouble_text_table[fortune_row_count];

// The grade names again, in the configuration window's context, from which
// that window translates them: lupdate files a literal under one context only.
extern const char *const config_unsei_name_table[fortune_row_count];

#endif // FORTUNE_TABLE_H
