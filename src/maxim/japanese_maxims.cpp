// SPDX-License-Identifier: GPL-3.0-or-later
#include "maxim/japanese_maxims.h"

#include <QCoreApplication>

// Position 2n holds the heading of entry n, position 2n + 1 its text. The
// literals stand in the context "Maxim_Word_Ja" so that lupdate lists every one of
// them for the catalogue, though they are translated only at run time.
// clang-format off
const char *const source[] = {
    // 0
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "1.Omoitukuhito"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "Hitto gaderuto"),
    // 1
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "2.Naritaijibun"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "Naritaijibun ha"),
    // 2
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "3.Kisu no kotu ha"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "tyusya"),
    // 3
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "4.Kamisama mo"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "Kamisama ha sisei noiihitokaratasukeru"),
    // 4
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "5.Mayottara koe wo dasou"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "Mayoi ga aruto koe gatiisai"),
    // 5
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "6.Honraimotteruhadou"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "Nayamukoto ha waruikotodehanai"),
    // 6
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "7.Bunsyou no kakikatade"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "Ketudann ha"),
    // 7
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "8.Ima nojibunn ni"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "Ima naniwositaraiikawakaranai"),
    // 8
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "9.Tiisana sigoto wosuruhitoga ookinasigoto"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "OOkinasigoto wositaihitoga"),
    // 9
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "10.Menndou kusaitanomaregoto"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "Menndokusaitanomaregoto"),
    // 10
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "11.Kamisama ha situkoi"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "kamisama ha doryokusiteruhito wonigasanai"),
    // 11
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "12.anata ha toire"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "Anata ga toire"),
    // 12
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "13.Syanai de itiban"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "Syanai de itiban womezasunara"),
    // 13
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "14.Jinseino to-namennto"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "Arayuru sports"),
    // 14
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "15.yosenn wo mennjyosite"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "Dousitara seikoudekimasuka"),
    // 15
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "16.Ki wonuita kasitu ha"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "sippai ni ha"),
    // 16
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "17.Kamennraiza-"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "kamennraiza- ha akusyonn to tomoni"),
    // 17
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "18.Tukaretara"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "Tukareta tokiha amaimono to syoppaimono"),
    // 18
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "19.Hariwood no priducer ha"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "Harywood mo eigakann toku"),
    // 19
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "20.Sokosoko noseikou"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "Daredemo seikou"),
    // 20
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "21Unn ga warukattara"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "Sppai sita"),
    // 21
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "22Hariuddo"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "Eiga"),
    // 22
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "23Otikonndemo"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "Haitoiuhennji"),
    // 23
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "24Matigatteiru"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "Nayanndeiru"),
    // 24
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "25Jibunn notameni"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "Jibunn notameninarukoto"),
    // 25
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "26Kanpeki nisiyoutosuru hito"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "nani modekinai"),
    // 26
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "27Dousurebaiika"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "Kaisyawo yametaihito"),
    // 27
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "28Umakuikuka"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "Kaisya wo yameyou to"),
    // 28
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "29Seisyunnha"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "Mou seisyunn ha owatta"),
    // 29
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "30Honn tou no syosinnsya hainai"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "sports demo syumi"),
    // 30
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "31Sono sports"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "subetenokaisya"),
    // 31
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "32Sugoi to iware naiutiha"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "Seikousite"),
    // 32
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "33kakiatumeruhito"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "Okane mo"),
    // 33
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "34Katou to suruhito ha katenai"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "dareka ni katou to sitemo katukoto hadekinai"),
    // 34
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "35marumaru wosinnjinakattakoro"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "marumaru wo sinnjinakatta koro to ierutoiukotoha"),
    // 35
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "36waru mono de ha naku waru yaku ni narou"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "warumo mono to waruyaku ha tigaimasu"),
    // 36
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "37Jinnsei no kinnko ni kagi ha nai"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "Daredemo kinnkaiya satutaba wo te niiretai"),
    // 37
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "38Yukkurikanemotininaru"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "Kyu ni kanemoti ni naroutosuru"),
    // 38
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "39Sippai sitemo"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "Jibunn no yatteirukotoha"),
    // 39
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "40Hito ga jibunn kara"),
    QT_TRANSLATE_NOOP("Maxim_Word_Ja", "Seikousiteru hito ha"),
};
// clang-format on

Maxim_Catalogue japanese_maxims("Maxim_Word_Ja", source);
