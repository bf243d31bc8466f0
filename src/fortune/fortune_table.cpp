// SPDX-License-Identifier: GPL-3.0-or-later
#include "fortune/fortune_table.h"

#include <QtGlobal>

// Texts that occur twice are separate entries on purpose: each row can be
// translated on its own.

const char *const unsei_name_table[fortune_row_count] = {
    QT_TRANSLATE_NOOP("Mini_Omikuji", "Daikichi"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "Chu kichi"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "shoukichi"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "Kichi"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "Hankichi"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "Suekichi"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "Sue-shoukichi"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "Kyou"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "Shoukyou"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "Hankyou"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "Suekyou"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "Daikyou"),
};

const char *const study_text_table[fortune_row_count] = {
    QT_TRANSLATE_NOOP("Mini_Omikuji", "Beleave my self"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "feeling achivement"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "effort the everyday"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "effort the everyday"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "Your efforts will pay off"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "Your efforts will pay off"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "Matters took a turn for the worth"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "you have pure luck"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "injustice has taboo"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "survive for your self"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "injustice has taboo"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "You need not expect"),
};

const char *const lover_text_table[fortune_row_count] = {
    QT_TRANSLATE_NOOP("Mini_Omikuji", "Take your pick"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "many chances"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "you close attention"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "Brush the my hurt is Kich"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "your effort dipendents having is kichi"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "you close attention"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "It has beleave is kichi"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "Matters took a turn for the worth"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "you close attention"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "it unexpected the encounter"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "you can't be too ambitious"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "Lover alarm"),
};

const char *const money_text_table[fortune_row_count] = {
    QT_TRANSLATE_NOOP("Mini_Omikuji", "Lose something get anything"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "Only get out"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "extra income feel"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "escape the suquare"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "A standstill"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "inconstancy"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "you will bless the penny"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "small income,big outgo"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "you will bless the penny"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "Only get out"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "unexpect outgo is carefully"),
    QT_TRANSLATE_NOOP("Mini_Omikuji", "outgo at great"),
};

const Fortune_Text trouble_text_table[fortune_row_count] = {
    {QT_TRANSLATE_NOOP("Mini_Omikuji", "Thinking will work out all right"), nullptr},
    {QT_TRANSLATE_NOOP("Mini_Omikuji", "Natural solve the probrem"), nullptr},
    {QT_TRANSLATE_NOOP("Mini_Omikuji", "Wait the help"), nullptr},
    {QT_TRANSLATE_NOOP("Mini_Omikuji", "Discretion is the better part of valor"), nullptr},
    {QT_TRANSLATE_NOOP("Mini_Omikuji", "You have to humility"), nullptr},
    {QT_TRANSLATE_NOOP("Mini_Omikuji", "when calm down is kichi"), nullptr},
    {QT_TRANSLATE_NOOP("Mini_Omikuji", "pull step"), nullptr},
    {QT_TRANSLATE_NOOP("Mini_Omikuji", "when calm down is kichi"), nullptr},
    // The money line of other grades has the same words, meant otherwise.
    QT_TRANSLATE_NOOP3("Mini_Omikuji", "Only get out", "trouble: walk away from it"),
    {QT_TRANSLATE_NOOP("Mini_Omikuji", "Natural solve the probrem"), nullptr},
    {QT_TRANSLATE_NOOP("Mini_Omikuji", "unruly"), nullptr},
    {QT_TRANSLATE_NOOP("Mini_Omikuji", "Good luck"), nullptr},
};

const char *const config_unsei_name_table[fortune_row_count] = {
    QT_TRANSLATE_NOOP("Config_Mini_Omikuji", "Daikichi"),
    QT_TRANSLATE_NOOP("Config_Mini_Omikuji", "Chu kichi"),
    QT_TRANSLATE_NOOP("Config_Mini_Omikuji", "shoukichi"),
    QT_TRANSLATE_NOOP("Config_Mini_Omikuji", "Kichi"),
    QT_TRANSLATE_NOOP("Config_Mini_Omikuji", "Hankichi"),
    QT_TRANSLATE_NOOP("Config_Mini_Omikuji", "Suekichi"),
    QT_TRANSLATE_NOOP("Config_Mini_Omikuji", "Sue-shoukichi"),
    QT_TRANSLATE_NOOP("Config_Mini_Omikuji", "Kyou"),
    QT_TRANSLATE_NOOP("Config_Mini_Omikuji", "Shoukyou"),
    QT_TRANSLATE_NOOP("Config_Mini_Omikuji", "Hankyou"),
    QT_TRANSLATE_NOOP("Config_Mini_Omikuji", "Suekyou"),
    QT_TRANSLATE_NOOP("Config_Mini_Omikuji", "Daikyou"),
};
